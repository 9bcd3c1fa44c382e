// The page's tests on one engine: the shared table of play, the two rounds,
// the look, axe-core and what the page asks for and keeps.
import assert from 'node:assert/strict';
import { statSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { assignment } from './answer_key.js';
import { NothingStored, axe, keyboardRound, look, mouseRound, storage } from './checks.js';
import { playTable } from './table.js';

export const root = fileURLToPath(new URL('../..', import.meta.url));
export const pagePath = process.env.RMQ_PAGE ?? `${root}/build/web/river-mouth-quiz.html`;

// startDriver(pageUrl) gives a driver; skip names the checks this engine
// makes another way, with the reason.
export function engineSuite(name, startDriver, { pageUrl = pathToFileURL(pagePath).href } = {}) {
    let driver;
    before(async () => {
        assert.ok(statSync(pagePath).size <= 150 * 1024, 'the page is at most 150 KB');
        driver = await startDriver(pageUrl);
    });
    after(async () => driver?.close());

    test(`${name}: the shared table of play`, () => playTable(driver, `${root}/tests/play/table.txt`, assignment(root)));
    test(`${name}: a whole round by mouse, and nothing kept after it`, async () => {
        await mouseRound(driver);
        assert.deepEqual(await storage(driver), NothingStored);
    });
    test(`${name}: a whole round by keyboard`, () => keyboardRound(driver));
    test(`${name}: on a phone held upright the form fills the width`, async () => {
        assert.ok(await look(driver, 360, 640) < 1);
    });
    test(`${name}: on a large screen the form is twice its size, in the middle`, async () => {
        assert.equal(await look(driver, 1920, 1080), 2);
    });
    test(`${name}: axe-core finds nothing`, () => axe(driver));
    test(`${name}: the page asks for nothing but itself`, () => {
        assert.ok(driver.requests.length > 0);
        assert.deepEqual(driver.requests.filter(url => url !== pageUrl && !url.startsWith('data:')), []);
    });
}
