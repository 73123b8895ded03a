// A sort's values as bars on its picture, in device pixels: each bar's
// rectangle, and the bars written as pixels into one image, which pen.js puts
// on the canvas. A band is what a pen knows of its picture: width, the
// canvas's; n values, from least to greatest; ratio device pixels a CSS pixel.

// The top of value's bar between upper and lower: the least value a step's height, the greatest the whole.
export function barTop({least, greatest}, value, upper, lower)
{
    return lower - (value - least + 1) / (greatest - least + 1) * (lower - upper);
}

// Bar i, of value, between upper and lower: [left, top, width, height], in
// the array into; a dot a pixel square where bars would be thinner
// than a pixel, and a column apart from the next where columns are 4 or wider.
export function rect(band, i, value, upper, lower, into)
{
    const {ratio, width, n} = band;
    const left = Math.floor(i * width / n);
    const y = Math.round(barTop(band, value, upper, lower));
    const thin = width / n < 1;
    const gap = width / n >= 4 ? 1 : 0;
    into[0] = left;
    into[1] = y;
    into[2] = thin ? ratio : Math.max(Math.floor((i + 1) * width / n) - left - gap, 1);
    into[3] = thin ? ratio : lower - y;
    return into;
}

// The rows from upper that an image of the bars between upper and lower
// takes, or 0 where their edges do not all fall on whole pixels. A dot of the
// least value lies just below lower.
export function rows({ratio, width, n}, upper, lower)
{
    const thin = width / n < 1;
    const whole = Number.isInteger(upper) && Number.isInteger(lower) && (!thin || Number.isInteger(ratio));
    return whole ? lower - upper + (thin ? ratio : 0) : 0;
}

// Writes the bars for values[from..to-1] between upper and lower into pixels,
// an image as wide as the canvas whose first row is upper's, bar i in the
// pixel colourOf(i), later bars over earlier ones.
export function write(band, pixels, values, from, to, upper, lower, colourOf)
{
    const {width} = band;
    const bar = [];  // one array for every bar: a frame writes up to 15,000
    for (let i = from; i < to; i++) {
        rect(band, i, values[i], upper, lower, bar);
        const paint = colourOf(i);
        const across = Math.min(bar[2], width - bar[0]);
        for (let at = (bar[1] - upper) * width + bar[0], end = at + bar[3] * width; at < end; at += width) {
            for (let x = at; x < at + across; x++) {
                pixels[x] = paint;
            }
        }
    }
}
