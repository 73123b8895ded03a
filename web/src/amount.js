// A number of things in words, one thing without its plural's s: "1 value", "0 values", "5000 values".
export const amount = (n, noun) => `${n} ${noun}${n === 1 ? '' : 's'}`;
