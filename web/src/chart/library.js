// The chart library, uPlot, carried in the page as text and run the first
// time a chart is drawn, in tasks of its own: as it starts it makes a number
// and a date format, and the first ones a page makes load the locale's data,
// tens of milliseconds.
/* global uPlot -- the chart library's own name, once it has run */
import {element, painted} from '../dom.js';

// Number formats in navigator.language, as the chart library makes, for any
// tag the browser reports: WebKitGTK under LANG=C.UTF-8 reports "C", which is
// no language tag, and such a tag falls back to the browser's default locale.
Intl.NumberFormat = new Proxy(Intl.NumberFormat, {
    construct(format, [locales, options], target) {
        try {
            return Reflect.construct(format, [locales, options], target);
        } catch (error) {
            if (!(error instanceof RangeError)) {
                throw error;
            }
            return Reflect.construct(format, [undefined, options], target);
        }
    },
});

let library = null;

// A promise of the library's constructor.
export const chartLibrary = () => library ??= (async () => {
    new Intl.NumberFormat(navigator.language).format(0);
    new Intl.DateTimeFormat().resolvedOptions();
    await painted();
    const script = document.createElement('script');
    script.textContent = element('chart-library').textContent;
    // An error as it runs comes as an event, not to the caller.
    let thrown = null;
    const caught = (fault) => {
        thrown = fault.error;
        fault.stopImmediatePropagation();
    };
    addEventListener('error', caught, true);
    document.head.append(script);
    removeEventListener('error', caught, true);
    if (thrown || typeof uPlot !== 'function') {
        throw thrown ?? new Error('uPlot is not defined');
    }
    await painted();
    return uPlot;
})();
