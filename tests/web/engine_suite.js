// The page's tests on one engine: the shared table of play, the two rounds,
// the look, a phone turned, the zoom, axe-core and what the page asks for and
// keeps.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { assignment, designText } from './answer_key.js';
import { NothingStored, axe, cannotRun, errorListener, keyboardRound, look, mouseRound, pageWithFirst, shownInstead,
    storage, touch, turn, zoom } from './checks.js';
import { playTable } from './table.js';

export const root = fileURLToPath(new URL('../..', import.meta.url));
export const pagePath = process.env.RMQ_PAGE ?? `${root}/build/web/river-mouth-quiz.html`;

// startDriver(pageUrl) gives a driver; withTouch where its driver has a touch
// screen to offer, withZoom where it can set the device pixels to a CSS pixel.
export function engineSuite(name, startDriver,
    { pageUrl = pathToFileURL(pagePath).href, withTouch = false, withZoom = false } = {}) {
    const phone = { width: 360, height: 640, hasTouch: withTouch, isMobile: withTouch };
    let driver;
    // Copies of the page with a script of the test's own run first.
    const copies = mkdtempSync(join(tmpdir(), 'rmq-page-copies-'));
    before(async () => {
        assert.ok(statSync(pagePath).size <= 150 * 1024, 'the page is at most 150 KB');
        driver = await startDriver(pageUrl);
    });
    after(async () => {
        await driver?.close();
        rmSync(copies, { recursive: true, force: true });
    });

    test(`${name}: the shared table of play`, () => playTable(driver, `${root}/tests/play/table.txt`, assignment(root)));
    if (withTouch) {
        test(`${name}: the shared table of play by taps, on a phone`, () =>
            playTable(driver, `${root}/tests/play/table.txt`, assignment(root), { viewport: phone, tap: true }));
    }
    test(`${name}: a whole round by mouse, and nothing kept after it`, async () => {
        await mouseRound(driver);
        assert.deepEqual(await storage(driver), NothingStored);
    });
    test(`${name}: a whole round by keyboard`, () => keyboardRound(driver));
    test(`${name}: the look on phones and tablets, and with a mouse about the form's own size and on a large screen`,
        async () => {
            for (const [width, height] of [[320, 568], [360, 640], [412, 915], [768, 1024], [1024, 768]])
                await look(driver, width, height, { finger: withTouch });
            for (const [width, height] of [[461, 345], [460, 345], [461, 344], [844, 390], [1920, 1080]])
                await look(driver, width, height);
            // A phone on its side, and a small tablet about where its rows reach 24 pixels.
            for (const [width, height] of withTouch ? [[844, 390], [614, 460], [615, 460]] : [])
                await look(driver, width, height, { finger: true });
        });
    test(`${name}: a phone turned keeps the game`, () => turn(driver));
    if (withZoom)
        test(`${name}: the text grows with the browser's zoom`, () => zoom(driver));
    if (withTouch)
        test(`${name}: a tap answers, a slide scrolls the list`, () => touch(driver));
    test(`${name}: axe-core finds nothing, in the form or in one column`, async () => {
        // The form last: taking the phone's touch screen away reloads the
        // page, a request that the next test would hear.
        await axe(driver, phone);
        await axe(driver);
    });
    test(`${name}: it opens with no error in the console and nothing blocked by its security policy`, async () => {
        await driver.open({ url: pageWithFirst(pagePath, copies, 'heard', errorListener) });
        assert.deepEqual((await driver.run(shownInstead)).heard, []);
        assert.deepEqual(driver.errors ?? [], []);
    });
    test(`${name}: without script, the page says why in place of the form`, async t => {
        if (!driver.canTurnScriptOff)
            return t.skip('its driver cannot turn script off');
        return cannotRun(driver, { script: false }, designText(root, 'NoScriptNote'));
    });
    test(`${name}: without WebAssembly, the page says why in place of the form, and throws nothing`, () => {
        const url = pageWithFirst(pagePath, copies, 'no-webassembly', `delete globalThis.WebAssembly;${errorListener}`);
        return cannotRun(driver, { url }, designText(root, 'NoWebAssemblyNote'));
    });
    test(`${name}: served by a plain web server, the page asks for nothing but itself`, async () => {
        const heard = [];
        const server = createServer((request, response) => {
            heard.push(request.url);
            if (request.url !== '/river-mouth-quiz.html') {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' }).end(readFileSync(pagePath));
        });
        await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
        try {
            const served = `http://127.0.0.1:${server.address().port}/river-mouth-quiz.html`;
            driver.requests?.splice(0);
            await mouseRound(driver, served);
            assert.deepEqual(heard, ['/river-mouth-quiz.html']);
            // What the browser itself tells of its requests, where its driver
            // hears them; WebKit's does not, and its page blocks any other
            // request by its content security policy all the same.
            if (driver.requests) {
                assert.ok(driver.requests.includes(served));
                assert.deepEqual(driver.requests.filter(url => url !== served && !url.startsWith('data:')), []);
            }
        } finally {
            server.close();
        }
    });
}
