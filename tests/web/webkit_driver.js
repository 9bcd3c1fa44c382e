// WebKitGTK, Safari's engine: its WebDriver (webkit2gtk-driver) drives its
// MiniBrowser, started with --automation, on an X display of the test's own;
// each process is ended by its id.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { Builder, Origin } from 'selenium-webdriver';

import { attached } from './table.js';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

function freePort() {
    return new Promise((resolve, reject) => {
        const server = createServer();
        server.on('error', reject);
        server.listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

// Xvfb picks a free display and writes its number to the pipe.
function startXvfb(home) {
    return new Promise((resolve, reject) => {
        const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '2000x1200x24', '-nolisten', 'tcp'],
            { stdio: ['ignore', 'ignore', 'ignore', 'pipe'], env: { ...process.env, HOME: home } });
        xvfb.on('error', reject);
        xvfb.stdio[3].once('data', data => resolve({ xvfb, display: `:${String(data).trim()}` }));
    });
}

async function waitForDriver(port) {
    for (let i = 0; i < 100; ++i) {
        try {
            if ((await fetch(`http://127.0.0.1:${port}/status`)).ok)
                return;
        } catch {
            // Not listening yet.
        }
        await new Promise(resolve => setTimeout(resolve, 100));
    }
    throw new Error('WebKitWebDriver did not start');
}

// Asks a process to end, then makes it, and waits until it has.
async function end(child) {
    if (child.exitCode !== null || child.signalCode !== null)
        return;
    const ended = new Promise(resolve => child.once('exit', resolve));
    process.kill(child.pid, 'SIGTERM');
    const late = setTimeout(() => process.kill(child.pid, 'SIGKILL'), 5000);
    await ended;
    clearTimeout(late);
}

// WebDriver's own keys: \uE006 is Enter on the main keyboard, \uE007 on the keypad.
const keys = { Tab: '\uE004', Enter: '\uE006', KeypadEnter: '\uE007', Escape: '\uE00C', ArrowLeft: '\uE012',
    ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Home: '\uE011', End: '\uE010',
    PageUp: '\uE00E', PageDown: '\uE00F', Shift: '\uE008' };

export async function startWebKit(pageUrl) {
    // A home and runtime folder of the test's own, for whatever the browser keeps.
    const home = mkdtempSync(join(tmpdir(), 'rmq-webkit-'));
    const { xvfb, display } = await startXvfb(home);
    const port = await freePort();
    const env = { ...process.env, DISPLAY: display, HOME: home, XDG_RUNTIME_DIR: home, XDG_CACHE_HOME: `${home}/cache`,
        XDG_DATA_HOME: `${home}/data`, XDG_CONFIG_HOME: `${home}/config`, TMPDIR: home, GDK_BACKEND: 'x11',
        NO_AT_BRIDGE: '1', WEBKIT_DISABLE_COMPOSITING_MODE: '1' };
    delete env.WAYLAND_DISPLAY;
    const webDriver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore', env });
    const processes = [webDriver, xvfb];
    let session;
    try {
        await waitForDriver(port);
        session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
        }).build();
    } catch (error) {
        for (const child of processes)
            await end(child);
        rmSync(home, { recursive: true, force: true });
        throw error;
    }

    // The viewport at the size asked, whatever the window's own frame takes;
    // whether the window could be made that small. The window takes a new
    // size a moment after it is asked to, and just after the start it may
    // not know its size yet: each try waits until the page sees the window
    // change, and the window counts as at its smallest only when a try
    // changes nothing.
    async function setViewport({ width, height }) {
        const window = session.manage().window();
        const inner = () => session.executeScript('return [innerWidth, innerHeight]');
        let [innerWidth, innerHeight] = await inner();
        for (let i = 0; i < 4; ++i) {
            if (innerWidth === width && innerHeight === height)
                return true;
            const rect = await window.getRect();
            const frame = (outer, inner) => (outer > inner ? outer - inner : 0);
            await window.setRect({ width: Math.round(width + frame(rect.width, innerWidth)),
                height: Math.round(height + frame(rect.height, innerHeight)) });
            const before = [innerWidth, innerHeight];
            const deadline = Date.now() + 2000;
            do {
                await new Promise(resolve => setTimeout(resolve, 25));
                [innerWidth, innerHeight] = await inner();
            } while (innerWidth === before[0] && innerHeight === before[1] && Date.now() < deadline);
            if (innerWidth === before[0] && innerHeight === before[1])
                return false;
        }
        return innerWidth === width && innerHeight === height;
    }

    let framed = false;
    return {
        requests: null,
        errors: null,
        canTurnScriptOff: false,
        async open({ viewport = { width: 461, height: 345 }, url = pageUrl, ready = attached } = {}) {
            await session.switchTo().defaultContent();
            await session.get(url);
            framed = !await setViewport(viewport);
            if (framed) {
                // The MiniBrowser's window is at least 447 pixels wide: a
                // narrower viewport is a frame of that size, as a lesson page
                // would show the quiz.
                const framing = join(home, 'frame.html');
                writeFileSync(framing, `<!doctype html><body style="margin:0"><iframe src="${url}" style="border:0;`
                    + `width:${viewport.width}px;height:${viewport.height}px"></iframe>`);
                await session.get(pathToFileURL(framing).href);
                await session.switchTo().frame(0);
            }
            if (ready)
                await session.wait(() => session.executeScript(`return (${ready})()`), 10000);
        },
        // The page as it is, in a viewport of another size: the frame's, where
        // the page stands in one, in a window that holds it whole.
        async resize({ width, height }) {
            if (!framed) {
                assert.ok(await setViewport({ width, height }), `no window of ${width} x ${height}`);
                return;
            }
            await session.switchTo().defaultContent();
            await setViewport({ width: Math.max(width, 461), height });
            await session.executeScript('const frame = document.querySelector("iframe"); '
                + 'frame.style.width = arguments[0] + "px"; frame.style.height = arguments[1] + "px"', width, height);
            await session.switchTo().frame(0);
            await session.wait(() => session.executeScript(
                'return innerWidth === arguments[0] && innerHeight === arguments[1]', width, height), 5000);
        },
        run: (fn, ...args) => session.executeScript(`return (${fn}).apply(null, arguments)`, ...args),
        inject: source => session.executeScript(source),
        async key(key, { shift = false } = {}) {
            const value = keys[key] ?? key;
            let actions = session.actions();
            if (shift)
                actions = actions.keyDown(keys.Shift);
            actions = actions.keyDown(value).keyUp(value);
            if (shift)
                actions = actions.keyUp(keys.Shift);
            await actions.perform();
        },
        // The driver cannot pause inside a chain of actions: a pause ends
        // the chain, and the next one starts after it, the button as it was.
        async pointer(steps) {
            let actions = session.actions();
            for (const step of steps) {
                if (step.move)
                    actions = actions.move({ x: Math.round(step.move.x), y: Math.round(step.move.y), origin: Origin.VIEWPORT });
                else if (step.down)
                    actions = actions.press();
                else if (step.up)
                    actions = actions.release();
                else if (step.pause) {
                    await actions.perform();
                    await new Promise(resolve => setTimeout(resolve, step.pause));
                    actions = session.actions();
                }
            }
            await actions.perform();
        },
        async close() {
            await session.quit().catch(() => {});
            for (const child of processes)
                await end(child);
            rmSync(home, { recursive: true, force: true });
        },
    };
}
