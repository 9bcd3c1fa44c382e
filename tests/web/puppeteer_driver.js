// Chromium and Firefox ESR, Debian's, started headless by puppeteer-core with
// a profile of the test's own, and ended by their process id.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import puppeteer from 'puppeteer-core';

import { attached } from './table.js';

const engines = {
    chromium: {
        browser: 'chrome',
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync'],
    },
    firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', args: [] },
};

export async function startBrowser(engine, pageUrl) {
    const profile = mkdtempSync(join(tmpdir(), `rmq-${engine}-`));
    const { browser: kind, executablePath, args } = engines[engine];
    const browser = await puppeteer.launch({
        browser: kind, executablePath, args, headless: true, userDataDir: profile,
        // Chromium keeps folders of its own in TMPDIR: the profile's folder it is.
        env: { ...process.env, TMPDIR: profile },
        defaultViewport: { width: 461, height: 345 },
    });
    const pid = browser.process().pid;
    const page = await browser.newPage();
    const requests = [];
    page.on('request', request => requests.push(request.url()));
    // What the browser's console shows as an error, and what is thrown and
    // not caught.
    const errors = [];
    page.on('console', message => message.type() === 'error' && errors.push(message.text()));
    page.on('pageerror', error => errors.push(`thrown: ${error.message}`));
    const cdp = kind === 'chrome' ? await page.createCDPSession() : null;
    const setViewport = viewport => page.setViewport(viewport).catch(async error => {
        // Firefox ESR 140 has no screen orientation override, which
        // puppeteer sends with every viewport: the viewport alone, through
        // the page's own browsing context.
        if (!/setScreenOrientationOverride|unknown command/.test(error.message))
            throw error;
        await page.mainFrame().browsingContext.setViewport({
            viewport: { width: viewport.width, height: viewport.height },
            devicePixelRatio: viewport.deviceScaleFactor ?? null,
        });
    });

    const driver = {
        requests,
        errors,
        // Firefox ESR's WebDriver BiDi cannot turn a page's script off.
        canTurnScriptOff: kind === 'chrome',
        // `ready` is run in the page until it answers true; with none, the
        // page counts as open once loaded.
        async open({ viewport = { width: 461, height: 345 }, url = pageUrl, script = true, ready = attached } = {}) {
            if (driver.canTurnScriptOff)
                await page.setJavaScriptEnabled(script);
            await setViewport(viewport);
            errors.splice(0);
            await page.goto(url, { waitUntil: 'load' });
            if (ready)
                await page.waitForFunction(ready);
        },
        // The page as it is, in a viewport of another size: a phone turned.
        resize: setViewport,
        run: (fn, ...args) => page.evaluate(fn, ...args),
        inject: source => page.evaluate(source),
        async key(key, { shift = false } = {}) {
            if (shift)
                await page.keyboard.down('Shift');
            if (key === 'KeypadEnter')
                await page.keyboard.press(cdp ? 'NumpadEnter' : '\uE007');
            else if (cdp && [...key].length === 1 && key.charCodeAt(0) > 0x7e) {
                // A letter of a layout other than US: typed as the keyboard would.
                await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key, text: key, unmodifiedText: key });
                await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key });
            } else
                await page.keyboard.press(key);
            if (shift)
                await page.keyboard.up('Shift');
        },
        async pointer(actions) {
            for (const action of actions) {
                if (action.move)
                    await page.mouse.move(action.move.x, action.move.y);
                else if (action.down)
                    await page.mouse.down();
                else if (action.up)
                    await page.mouse.up();
                else if (action.pause)
                    await new Promise(resolve => setTimeout(resolve, action.pause));
            }
        },
        async touch(steps) {
            for (const step of steps) {
                if (step.start)
                    await page.touchscreen.touchStart(step.start.x, step.start.y);
                else if (step.move)
                    await page.touchscreen.touchMove(step.move.x, step.move.y);
                else
                    await page.touchscreen.touchEnd();
            }
        },
        async close() {
            await browser.close().catch(() => {});
            try {
                process.kill(pid, 'SIGKILL');
            } catch {
                // Ended already, as it should have.
            }
            rmSync(profile, { recursive: true, force: true });
        },
    };
    return driver;
}
