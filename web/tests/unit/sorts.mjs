// The program's sorts as the page holds them (program.js), for the tests that need no program.
export const sorts = [
    {name: 'insertion', counted: 'exchanges', title: 'Insertion sort', answers: ['exchange', 'leave']},
    {name: 'merge', counted: 'elements written back', title: 'Merge sort', answers: ['left', 'right']},
    {name: 'quick', counted: 'elements examined', title: 'Quick sort', answers: ['less', 'equal', 'greater']},
];
export const arrangements = ['generated', 'ascending', 'descending', 'nearly-ascending', 'few-distinct'];
