// A panel for each sort, from the program's table of them: its title, its
// picture with the legend of its marks (marks.js), its counter and its words.
import {element} from '../dom.js';

import {legends} from './marks.js';

// The part of the panel of the sort at index sort, by its name: picture, counter, done, words or values.
export const part = (race, sort, piece) => element(`${race.sorts[sort].name}-${piece}`);

export function make(sorts)
{
    const template = element('panel');
    element('panels').replaceChildren(...sorts.map(({name: sortName, counted, title}) => {
        const panel = template.content.firstElementChild.cloneNode(true);
        panel.setAttribute('aria-labelledby', `${sortName}-title`);
        for (const piece of panel.querySelectorAll('[data-part]')) {
            piece.id = `${sortName}-${piece.dataset.part}`;
            delete piece.dataset.part;
        }
        const heading = panel.querySelector('h3');
        heading.textContent = title;
        const canvas = panel.querySelector('canvas');
        canvas.setAttribute('aria-label', `${title}: the values as bars`);
        canvas.setAttribute('aria-describedby', `${sortName}-words ${sortName}-values`);
        panel.querySelector('.legend').innerHTML = legends[sortName].map((item) => `<li>${item}</li>`).join('\n');
        panel.querySelector('.counter').textContent = `${counted}: 0`;
        return panel;
    }));
}
