// What every engine must show of the page, beside the shared table: a whole
// round by mouse and one by keyboard, the look on a phone, a tablet and a
// large screen, a phone turned, the browser's zoom, axe-core's verdict, and
// that a game writes nothing.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { centreOf, readPage } from './table.js';
import { Captions, Names, rightTypeOf, verdict } from './answer_key.js';

const axeSource = createRequire(import.meta.url)('axe-core').source;

async function click(driver, what, name) {
    const point = await driver.run(centreOf, what, name);
    assert.ok(point, `no ${what} ${name ?? ''} on the page`);
    await driver.pointer([{ move: point }, { down: true }, { up: true }]);
}

// Every river answered by mouse, every other one wrongly, then "Изчисти".
export async function mouseRound(driver, url) {
    await driver.open({ url });
    let lines = [];
    for (const [i, name] of Names.entries()) {
        const right = rightTypeOf(name);
        const chosen = i % 2 === 0 ? right : Captions[(Captions.indexOf(right) + 1) % Captions.length];
        await click(driver, 'type', chosen);
        await click(driver, 'river', name);
        lines = [verdict(name, chosen), ...lines];
        assert.equal(await driver.run(() => document.querySelector('[aria-live=polite]').textContent), lines[0]);
        const shown = await driver.run(readPage);
        assert.equal(shown.message, lines.map(line => `${line}\n`).join(''), `after ${name}`);
        assert.deepEqual(shown.rivers, Names.slice(i + 1), `after ${name}`);
        assert.equal(shown.on, 'none', `after ${name}`);
    }
    await click(driver, 'clear');
    const shown = await driver.run(readPage);
    assert.deepEqual([shown.message, shown.rivers], ['Нов избор', Names]);
}

// Every river answered rightly by keyboard alone: round to the type buttons,
// the arrows or Space to turn one on, back to the list, Down on the framed
// row; then Enter on "Изчисти".
export async function keyboardRound(driver) {
    await driver.open();
    await driver.key('Tab', { shift: true });
    for (const name of Names) {
        assert.equal((await driver.run(readPage)).focus, 'type делта', `before ${name}`);
        const index = Captions.indexOf(rightTypeOf(name));
        if (index === 0)
            await driver.key(' ');
        for (let i = 0; i < index; ++i)
            await driver.key('ArrowDown');
        await driver.key('Tab', { shift: true });
        await driver.key('Tab', { shift: true });
        await driver.key('ArrowDown');
        const shown = await driver.run(readPage);
        assert.ok(shown.message.startsWith(`${verdict(name, rightTypeOf(name))}\n`), `${name}: ${shown.message}`);
        assert.ok(!shown.rivers.includes(name), name);
        await driver.key('Tab');
        await driver.key('Tab');
    }
    await driver.key('Tab', { shift: true });
    await driver.key('Enter');
    const shown = await driver.run(readPage);
    assert.deepEqual([shown.message, shown.rivers, shown.focus], ['Нов избор', Names, 'clear']);
    // Round to the message box: at its top, nothing selected.
    await driver.key('Tab');
    await driver.key('Tab');
    const box = await driver.run(() => {
        const text = document.querySelector('textarea');
        return [document.activeElement === text, text.scrollTop, text.selectionStart, text.selectionEnd];
    });
    assert.deepEqual(box, [true, 0, 0, 0]);
}

// On a touch screen a tap answers, as a click does, and a slide scrolls the
// list and answers nothing.
export async function touch(driver) {
    await driver.open({ viewport: { width: 360, height: 640, ...touchScreen } });
    const tap = async (what, name) => driver.touch([{ start: await driver.run(centreOf, what, name) }, { end: true }]);
    await tap('type', 'естуар');
    await tap('river', 'Амур');
    await tap('type', 'делта');
    const before = await driver.run(readPage);
    assert.deepEqual([before.message, before.rivers, before.on], [`${verdict('Амур', 'естуар')}\n`, Names.slice(1), 'делта']);
    const from = await driver.run(centreOf, 'river', 'Ганг');
    const slide = [{ start: from }];
    for (let i = 1; i <= 10; ++i)
        slide.push({ move: { x: from.x, y: from.y - 6 * i } });
    await driver.touch([...slide, { end: true }]);
    assert.deepEqual(await driver.run(readPage), { ...before, focus: 'list' });
    assert.ok(await driver.run(() => document.querySelector('[role=listbox]').scrollTop > 0), 'the list scrolled');
}

// Where the form stands in the viewport, and the colour painted at a few of
// its points (in pixels of the window at 96 dpi); runs in the page.
function measure(points) {
    const form = document.querySelector('main').getBoundingClientRect();
    const scale = form.width / 461;
    const colours = points.map(([x, y]) => {
        let element = document.elementFromPoint(form.left + x * scale, form.top + y * scale);
        let colour = 'none';
        for (; element; element = element.parentElement) {
            colour = getComputedStyle(element).backgroundColor;
            if (colour !== 'transparent' && colour !== 'rgba(0, 0, 0, 0)')
                break;
        }
        return colour;
    });
    const box = document.querySelector('textarea');
    return { left: form.left, top: form.top, width: form.width, height: form.height, viewport: [innerWidth, innerHeight],
        messageFromItsTop: [box.scrollTop, box.selectionStart, box.selectionEnd],
        scrollWidth: document.documentElement.scrollWidth, clientWidth: document.documentElement.clientWidth, colours };
}

const points = [
    [[3, 340], 'rgb(192, 192, 255)'], // the window
    [[40, 12], 'rgb(255, 192, 128)'], // the title label
    [[12, 100], 'rgb(128, 255, 255)'], // the frame
    [[120, 62], 'rgb(128, 128, 255)'], // a type button
    [[440, 140], 'rgb(153, 180, 209)'], // the river list
    [[270, 172], 'rgb(255, 128, 128)'], // "Изчисти"
];

// What a finger and an eye meet, in CSS pixels: the box of every type
// button's label, of every river row in sight and of "Изчисти"; the smallest
// text and the texts cut off at their boxes' edges; the rows the list shows
// whole and the lines the message box shows; the controls' boxes in the order
// a column stands them in. Runs in the page.
function sizes() {
    const box = element => element.getBoundingClientRect();
    const list = document.querySelector('[role=listbox]');
    const rows = [...list.children].filter(row => box(row).bottom > box(list).top && box(row).top < box(list).bottom);
    const targets = [...document.querySelectorAll('label'), ...rows, document.querySelector('button')].map(element =>
        ({ name: element.textContent, width: box(element).width, height: box(element).height }));
    const hasText = element => [...element.childNodes].some(node => node.nodeType === 3 && node.data.trim());
    const texts = [...document.querySelectorAll('main *')].filter(element => !element.closest('[aria-live]')
        && (element.matches('textarea') || hasText(element)));
    const message = document.querySelector('textarea');
    const column = ['h1', 'fieldset', '#rmq-river-heading', '[role=listbox]', 'button', 'textarea'].map(selector =>
        ({ selector, ...box(document.querySelector(selector)).toJSON() }));
    return { targets, smallestText: Math.min(...texts.map(element => parseFloat(getComputedStyle(element).fontSize))),
        cut: texts.filter(element => element.scrollWidth > element.clientWidth + 1).map(element => element.textContent),
        rowsWhole: Math.floor(list.clientHeight / box(list.firstElementChild).height),
        messageLines: message.clientHeight / parseFloat(getComputedStyle(message).lineHeight), column,
        coarse: matchMedia('(pointer: coarse)').matches, scrollWidth: document.documentElement.scrollWidth,
        clientWidth: document.documentElement.clientWidth };
}

// The form's own layout where it fits at its own size and, under a finger,
// its targets are 24 pixels at the least.
const formFits = (width, height, finger) => width >= 461 && height >= 345
    && (!finger || Math.min(width / 461, height / 345, 2) * 18 >= 24);
const touchScreen = { hasTouch: true, isMobile: true };

// The page at one size, with a finger where `finger` asks for one: the form
// whole, in its proportions and in the middle, where it fits (and then its
// targets 24 pixels at the least under a finger), or else the controls one
// under the other, each row and button 44 pixels high, the list showing five
// rows as the form's does and the message box five lines; the text 16 pixels
// at the least, none cut off, and nothing wider than the screen.
export async function look(driver, width, height, { finger = false } = {}) {
    await driver.open({ viewport: { width, height, ...(finger ? touchScreen : {}) } });
    const shown = await driver.run(sizes);
    const said = `at ${width} x ${height}: ${JSON.stringify(shown)}`;
    assert.equal(shown.coarse, finger, `a finger or a mouse as asked, ${said}`);
    assert.ok(shown.scrollWidth <= shown.clientWidth, `scrolls sideways ${said}`);
    assert.ok(shown.smallestText >= 15.99, `text under 16 pixels ${said}`);
    assert.deepEqual(shown.cut, [], `text cut off ${said}`);
    if (formFits(width, height, finger)) {
        await lookOfTheForm(driver);
        if (finger)
            assert.ok(shown.targets.every(target => target.width >= 24 && target.height >= 24), `targets ${said}`);
        return;
    }
    assert.ok(shown.targets.every(target => target.width >= 24 && target.height >= 44), `targets ${said}`);
    assert.ok(shown.rowsWhole >= 5 && shown.messageLines >= 5, `rows or lines ${said}`);
    shown.column.forEach((control, i) => {
        assert.ok(control.left >= 0 && control.right <= width, `${control.selector} beside the screen ${said}`);
        assert.ok(i === 0 || control.top >= shown.column[i - 1].bottom, `${control.selector} out of order ${said}`);
    });
}

// The whole form in view, in its proportions, in the middle of the viewport,
// at most twice its size.
async function lookOfTheForm(driver) {
    const seen = await driver.run(measure, points.map(([point]) => point));
    const [viewWidth, viewHeight] = seen.viewport;
    const scale = Math.min(viewWidth / 461, viewHeight / 345, 2);
    const near = (a, b, what) => assert.ok(Math.abs(a - b) <= 1.5, `${what}: ${a}, not ${b} (${JSON.stringify(seen)})`);
    near(seen.width, 461 * scale, 'width');
    near(seen.height, 345 * scale, 'height');
    near(seen.left, (viewWidth - seen.width) / 2, 'left');
    near(seen.top, (viewHeight - seen.height) / 2, 'top');
    assert.ok(seen.scrollWidth <= seen.clientWidth, `scrolls sideways: ${JSON.stringify(seen)}`);
    assert.deepEqual(seen.colours, points.map(([, colour]) => colour));
    assert.deepEqual(seen.messageFromItsTop, [0, 0, 0]);
}

// The window's title: the publisher's address, then the design's title.
export const windowTitle = `${process.env.RMQ_PUBLISHER_URL ?? 'www.example.org'} География - вид устие на река`;

// A phone turned from upright to its side and back keeps the game: the
// verdicts, the list, the type button on and the focus; where the turn takes
// the page from the column to the form, as with a mouse, a click after it
// answers the row under it.
export async function turn(driver) {
    const upright = { width: 390, height: 844 };
    await driver.open({ viewport: upright });
    await click(driver, 'type', 'естуар');
    await click(driver, 'river', 'Амур');
    await click(driver, 'type', 'делта');
    const before = await driver.run(readPage);
    assert.deepEqual([before.rivers, before.on, before.focus], [Names.slice(1), 'делта', 'type делта']);
    const rowHeight = async () => (await driver.run(centreOf, 'river', 'Ганг')).height;
    const heights = [await rowHeight()];
    for (const viewport of [{ width: 844, height: 390 }, upright]) {
        await driver.resize(viewport);
        assert.deepEqual(await driver.run(readPage), before, `at ${viewport.width} x ${viewport.height}`);
        heights.push(await rowHeight());
    }
    assert.ok(heights[0] >= 44 && heights[1] < 44 && heights[2] >= 44, `rows ${heights}: the layout did not switch`);
    await driver.resize({ width: 844, height: 390 });
    await click(driver, 'river', 'Ганг');
    assert.ok((await driver.run(readPage)).message.startsWith(`${verdict('Ганг', 'делта')}\n`));
}

// The browser's zoom, in a window of 1280 x 800: a viewport of 1280/z x 800/z
// at z device pixels to the CSS pixel. The text on the screen never gets
// smaller as z grows (but for the viewport's rounding to whole CSS pixels, a
// few hundredths of a device pixel), is twice its size at 400 %, and never
// scrolls sideways.
export async function zoom(driver) {
    const texts = [];
    for (const z of [1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4]) {
        const viewport = { width: Math.round(1280 / z), height: Math.round(800 / z), deviceScaleFactor: z };
        await driver.open({ viewport });
        const shown = await driver.run(sizes);
        assert.ok(shown.scrollWidth <= shown.clientWidth, `scrolls sideways at ${z * 100} %`);
        texts.push(shown.smallestText * await driver.run(() => devicePixelRatio));
    }
    assert.ok(texts.every((text, i) => i === 0 || text >= texts[i - 1] - 0.05), `text in device pixels: ${texts}`);
    assert.ok(texts.at(-1) >= 2 * texts[0], `text in device pixels: ${texts}`);
}

export async function axe(driver, viewport) {
    await driver.open({ viewport });
    await driver.inject(axeSource);
    const violations = await driver.run(() => window.axe.run().then(result =>
        result.violations.map(v => `${v.id}: ${v.nodes.map(n => n.target.join(' ')).join(', ')}`)));
    assert.deepEqual(violations, []);
    assert.equal(await driver.run(() => document.title), windowTitle);
}

// A copy of the page at `pagePath`, in `folder`, with a script of the test's
// own run first, just after the page's security policy; its address.
export function pageWithFirst(pagePath, folder, name, script) {
    const html = readFileSync(pagePath, 'utf8');
    const policy = html.indexOf('>', html.indexOf('http-equiv="Content-Security-Policy"')) + 1;
    assert.ok(policy > 0, 'the page has a security policy');
    const path = join(folder, `${name}.html`);
    writeFileSync(path, `${html.slice(0, policy)}<script>${script}</script>${html.slice(policy)}`);
    return pathToFileURL(path).href;
}

// What the page tells of errors from its start on, into window.rmqHeard:
// anything thrown and not caught, anything its security policy blocks, and
// the console's errors.
export const errorListener = `window.rmqHeard = [];
addEventListener('error', event => rmqHeard.push('thrown: ' + event.message));
addEventListener('unhandledrejection', event => rmqHeard.push('rejected: ' + event.reason));
document.addEventListener('securitypolicyviolation',
    event => rmqHeard.push('blocked: ' + event.violatedDirective + ' ' + event.blockedURI));
const consoleError = console.error;
console.error = (...words) => { rmqHeard.push('console: ' + words.join(' ')); consoleError.apply(console, words); };`;

// What a person sees of a page that cannot run: its text, the controls that
// can be used, and its title; runs in the page.
export function shownInstead() {
    const seen = element => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
    const usable = [...document.querySelectorAll('textarea, [role=listbox], button, input')]
        .filter(control => seen(control) && !control.closest('[inert]'));
    return { text: document.body.innerText.trim(), usable: usable.length, title: document.title,
        heard: window.rmqHeard ?? [] };
}

// Where the page cannot run, it says why in place of the form and throws
// nothing; the file's own title is there with no program to set it.
export async function cannotRun(driver, open, note) {
    await driver.open({ ...open, ready: null });
    assert.deepEqual(await driver.run(shownInstead), { text: note, usable: 0, title: windowTitle, heard: [] });
    assert.deepEqual(driver.errors ?? [], []);
}

// Nothing the page could keep: no cookie, no web storage, no database.
export async function storage(driver) {
    return driver.run(async () => ({
        cookie: document.cookie,
        local: localStorage.length,
        session: sessionStorage.length,
        databases: indexedDB.databases ? (await indexedDB.databases()).length : 0,
    }));
}

export const NothingStored = { cookie: '', local: 0, session: 0, databases: 0 };
