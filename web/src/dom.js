// What every part of the page uses of the document.

export const element = (id) => document.getElementById(id);

// The value of one of the style's custom properties, as "--line": each colour is written there alone.
export const styled = (property) => getComputedStyle(document.documentElement).getPropertyValue(property).trim();

// Yields to the browser until it has drawn a frame, and answered the user.
export const painted = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// Yields to the browser for one task.
export const yielded = () => new Promise((resolve) => setTimeout(resolve));

// The words for a part of the page that failed: what failed, and the error's own text.
export const failed = (part, error) => `${part} failed: ${error instanceof Error ? error.message : String(error)}`;

// Says why a control's value is refused beside it (its id and '-rule'), or
// clears that; true when it is accepted.
export function judged(control, why)
{
    element(control.id + '-rule').textContent = why;
    control.setAttribute('aria-invalid', why ? 'true' : 'false');
    return !why;
}
