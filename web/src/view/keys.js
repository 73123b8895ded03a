// The view's controls and keys, each a move of the clock (clock.js).
import {amount} from '../amount.js';
import {element} from '../dom.js';

// Wires the controls and the keys to the clock, once.
export function wire(clock)
{
    const on = (id, type, f) => element(id).addEventListener(type, f);
    on('watch-play', 'click', clock.toggle);
    on('watch-back', 'click', () => clock.go(clock.now() - 1));
    on('watch-forward', 'click', () => clock.go(clock.now() + 1));
    on('watch-start', 'click', () => clock.go(0));
    on('watch-end', 'click', () => clock.go(Infinity));
    on('watch-speed', 'change', clock.changeSpeed);
    // A dragged slider asks for many steps a frame: the last one is shown.
    let wanted = null;
    on('watch-position', 'input', (moved) => {
        clock.pause(false);
        if (wanted === null) {
            requestAnimationFrame(() => {
                clock.show(wanted);
                wanted = null;
            });
        }
        wanted = Number(moved.target.value);
    });
    addEventListener('resize', () => !clock.isPlaying() && clock.show(clock.now(), 'playing'));
    clock.speeds.forEach((speed) => element('watch-speed').add(new Option(`${amount(speed, 'step')} a second`)));
    element('watch-speed').selectedIndex = clock.speeds.indexOf(10);

    // The keys act on the page itself and on the view's pictures, never in a form control.
    const keys = {
        // Held down, Space would play and pause by turns: it toggles once a press. The other keys go on as held.
        ' ': (press) => press.repeat || clock.toggle(),
        ArrowLeft: () => clock.go(clock.now() - 1),
        ArrowRight: () => clock.go(clock.now() + 1),
        Home: () => clock.go(0),
        End: () => clock.go(Infinity),
        '+': () => clock.faster(1),
        '=': () => clock.faster(1),
        '-': () => clock.faster(-1),
    };
    addEventListener('keydown', (press) => {
        const target = press.target;
        const onPage = target === document.body || target === document.documentElement || target.matches?.('.picture');
        if (!clock.hasRace() || !onPage || press.ctrlKey || press.altKey || press.metaKey || !keys[press.key]) {
            return;
        }
        press.preventDefault();
        keys[press.key](press);
    });
}
