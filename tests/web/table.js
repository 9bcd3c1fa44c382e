// The shared table of play (tests/play/table.txt): its reader, and a player
// that plays it on the page through a driver's real pointer and key events.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';

import { Names } from './answer_key.js';

// The plays, each {title, steps: [{line, action, changes: {field: value}}]}.
export function readTable(path) {
    const plays = [];
    readFileSync(path, 'utf8').split('\n').forEach((raw, index) => {
        const line = raw.trim();
        if (line === '' || line.startsWith('#'))
            return;
        const where = `${path}:${index + 1}`;
        if (line.startsWith('play:')) {
            plays.push({ title: line.slice(5).trim(), steps: [] });
            return;
        }
        assert.ok(plays.length > 0, `${where}: a step before the first play`);
        const [action, rest = ''] = line.split('=>').map(part => part.trim());
        const changes = {};
        for (const part of rest.split('|').map(p => p.trim()).filter(p => p !== '')) {
            const colon = part.indexOf(':');
            assert.ok(colon > 0, `${where}: "${part}" is no field`);
            const field = part.slice(0, colon).trim();
            assert.ok(['message', 'rivers', 'selected', 'framed', 'on', 'focus'].includes(field),
                `${where}: unknown field ${field}`);
            changes[field] = part.slice(colon + 1).trim();
        }
        plays.at(-1).steps.push({ line: `${where}: ${line}`, action, changes });
    });
    return plays;
}

// What the window shows when it opens; the message box's text with its line
// breaks as the text box keeps them, LF alone.
export function openingState(assignment) {
    return { message: assignment.replace(/\r\n/g, '\n'), rivers: [...Names], selected: 'none', framed: 'Амур',
        on: 'none', focus: 'message' };
}

// The state after a step: the one before with the step's changes.
export function applyChanges(before, changes, assignment) {
    const after = { ...before, rivers: [...before.rivers] };
    for (const [field, value] of Object.entries(changes)) {
        if (field === 'message') {
            if (value === 'assignment')
                after.message = assignment.replace(/\r\n/g, '\n');
            else if (value === 'empty')
                after.message = '';
            else if (value.startsWith('"') && value.endsWith('"') && value.length >= 2)
                after.message = value.slice(1, -1);
            else if (value.startsWith('+'))
                after.message = `${value.slice(1).trim()}\n${before.message}`;
            else
                assert.fail(`message: ${value} is no message`);
        } else if (field === 'rivers') {
            if (value === 'all')
                after.rivers = [...Names];
            else if (value === 'none')
                after.rivers = [];
            else if (value.startsWith('-')) {
                const gone = value.slice(1).split(',').map(n => n.trim());
                for (const name of gone)
                    assert.ok(before.rivers.includes(name), `rivers: ${name} was not in the list`);
                after.rivers = before.rivers.filter(n => !gone.includes(n));
            } else
                assert.fail(`rivers: ${value} is no list`);
        } else {
            after[field] = value;
        }
    }
    return after;
}

// Whether the page has attached to the form its file brings, and may be
// played; runs in the page.
export function attached() {
    const form = document.querySelector('main');
    return form !== null && !form.inert && form.querySelectorAll('[role=option]').length > 0;
}

// Reads the six fields from the page, as a person reads them; runs in the page.
export function readPage() {
    const box = document.querySelector('textarea');
    const list = document.querySelector('[role=listbox]');
    const rows = [...list.querySelectorAll('[role=option]')];
    const framedId = list.getAttribute('aria-activedescendant');
    const framed = framedId ? document.getElementById(framedId) : null;
    const caption = radio => radio.closest('label').textContent;
    const on = [...document.querySelectorAll('input[type=radio]')].find(radio => radio.checked);
    const selected = rows.find(row => row.getAttribute('aria-selected') === 'true');
    const active = document.activeElement;
    let focus = 'none';
    // The message box counts as focused as the table means it only with
    // nothing in it selected and its first line at the top.
    if (active === box)
        focus = box.selectionStart === box.selectionEnd && box.scrollTop === 0 ? 'message' : 'message, moved';
    else if (active === list)
        focus = 'list';
    else if (active && active.tagName === 'BUTTON')
        focus = 'clear';
    else if (active && active.type === 'radio')
        focus = `type ${caption(active)}`;
    return { message: box.value, rivers: rows.map(row => row.textContent), selected: selected ? selected.textContent : 'none',
        framed: framed ? framed.textContent : 'none', on: on ? caption(on) : 'none', focus };
}

// Where a control stands on the page, and the list's edges; a row of the
// list is brought into view first unless `inSight` asks for it where it is,
// as the held pointer finds it, and the page is scrolled up or down to the
// control where it is longer than the screen. Runs in the page.
export function centreOf(what, name, inSight = false) {
    let element;
    if (what === 'type')
        element = [...document.querySelectorAll('label')].find(label => label.textContent === name);
    else if (what === 'river') {
        element = [...document.querySelectorAll('[role=option]')].find(row => row.textContent === name);
        if (element && !inSight) {
            const list = element.parentElement;
            if (element.offsetTop < list.scrollTop)
                list.scrollTop = element.offsetTop;
            else if (element.offsetTop + element.offsetHeight > list.scrollTop + list.clientHeight)
                list.scrollTop = element.offsetTop + element.offsetHeight - list.clientHeight;
        }
    } else if (what === 'clear')
        element = document.querySelector('button');
    else if (what === 'message')
        element = document.querySelector('textarea');
    if (!element)
        return null;
    const { top, bottom } = (what === 'river' ? element.parentElement : element).getBoundingClientRect();
    if (top < 0 || bottom > innerHeight)
        scrollBy(0, top < 0 ? top : Math.min(top, bottom - innerHeight));
    const box = element.getBoundingClientRect();
    const list = document.querySelector('[role=listbox]').getBoundingClientRect();
    return { x: box.left + box.width / 2, y: box.top + box.height / 2, height: box.height, listRight: list.right,
        listTop: list.top, listBottom: list.bottom };
}

// How long a slide beyond the list holds the button, as the table's header says.
const HeldBeyondTheListMs = 2500;

const keyNames = { Up: 'ArrowUp', Down: 'ArrowDown', Left: 'ArrowLeft', Right: 'ArrowRight', Space: ' ' };

// Plays one action on the page through the driver; with `tap`, a click is a
// finger's tap.
export async function act(driver, action, where, tap = false) {
    const words = action.split(' ');
    if (words[0] === 'key') {
        for (const key of words.slice(1)) {
            if (key === 'Shift+Tab')
                await driver.key('Tab', { shift: true });
            else
                await driver.key(keyNames[key] ?? key);
        }
        return;
    }
    const centre = async (what, name) => {
        const point = await driver.run(centreOf, what, name);
        assert.ok(point, `${where}: no ${what} ${name ?? ''} on the page`);
        return point;
    };
    // The pointer slides from one place to another in steps of at most
    // a third of a row, so that it passes over every row on the way.
    const slideTo = (from, to) => {
        const steps = Math.max(1, Math.ceil(Math.abs(to.y - from.y) / (from.height / 3)));
        return Array.from({ length: steps }, (_, i) => ({
            move: { x: from.x + (to.x - from.x) * (i + 1) / steps, y: from.y + (to.y - from.y) * (i + 1) / steps } }));
    };
    const slide = action.match(/^slide river (.+?) to (?:river (.+?)( then out(?: to river (.+))?)?|(above|below) the list)$/);
    if (slide) {
        const [, first, second, out, third, edge] = slide;
        const from = await centre('river', first);
        await driver.pointer([{ move: from }, { down: true }]);
        if (edge) {
            const beyond = { x: from.x, y: edge === 'above' ? from.listTop - 3 : from.listBottom + 3 };
            return driver.pointer([...slideTo(from, beyond), { pause: HeldBeyondTheListMs }, { up: true }]);
        }
        const to = await centre('river', second);
        const moves = slideTo(from, { x: from.x, y: to.y });
        if (out) {
            const beside = { ...to, x: to.listRight + 4 };
            moves.push({ move: beside });
            if (third) {
                // Level with the third row as it stands once the pointer is beside the list.
                await driver.pointer(moves);
                const level = await driver.run(centreOf, 'river', third, true);
                assert.ok(level, `${where}: no river ${third} on the page`);
                return driver.pointer([...slideTo(beside, { x: beside.x, y: level.y }), { up: true }]);
            }
        }
        return driver.pointer([...moves, { up: true }]);
    }
    const click = action.match(/^click (type|river|clear|message) ?(.*)$/);
    assert.ok(click, `${where}: unknown action "${action}"`);
    const point = await centre(click[1], click[2] || undefined);
    if (tap)
        return driver.touch([{ start: point }, { end: true }]);
    return driver.pointer([{ move: point }, { down: true }, { up: true }]);
}

// Plays every play of the table, each on the page just opened, and compares
// all six fields after every step. With `tap`, the clicks are taps; the
// slides stay the mouse's, since a finger's slide scrolls the list.
export async function playTable(driver, tablePath, assignment, { viewport, tap = false } = {}) {
    for (const play of readTable(tablePath)) {
        await driver.open({ viewport });
        let expected = openingState(assignment);
        assert.deepEqual(await driver.run(readPage), expected, `play "${play.title}": the page as it opens`);
        for (const step of play.steps) {
            await act(driver, step.action, step.line, tap);
            expected = applyChanges(expected, step.changes, assignment);
            assert.deepEqual(await driver.run(readPage), expected, `play "${play.title}", ${step.line}`);
        }
    }
}
