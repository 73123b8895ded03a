// The program's sorts as the page holds them (program.js), for the tests that need no program.
export const sorts = [
    {name: 'insertion', counted: 'exchanges', title: 'Insertion sort'},
    {name: 'merge', counted: 'elements written back', title: 'Merge sort'},
    {name: 'quick', counted: 'elements examined', title: 'Quick sort'},
];
export const arrangements = ['generated', 'ascending', 'descending', 'nearly-ascending', 'few-distinct'];
