// The web page's start against its own static form (the same HTML with its
// script taken out: the same markup, style and font, and no program) and
// against a plain page with one line of text in the same font, all opened from
// file:// in headless Chromium, taking turns: the time from navigation to the
// page ready for the first click (the river list filled and, for the page, the
// form attached, no longer inert; the line there) and to its first paint with
// content, medians; and the page's size.
//
//   node bench/page_bench.mjs BUILD_DIR [ROUNDS]
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

// The page tests' own packages (tests/web/install.sh installs them).
const puppeteer = createRequire(new URL('../tests/web/package.json', import.meta.url))('puppeteer-core');

const build = resolve(process.argv[2] ?? 'build/web');
const rounds = Number(process.argv[3] ?? 15);
const quiz = join(build, 'river-mouth-quiz.html');

const work = mkdtempSync(join(tmpdir(), 'rmq-page-bench-'));
const withoutScript = html => html.replace(/<script>[\s\S]*?<\/script>/g, '');
// The page's own shell, with its font, showing one line instead of the form.
const plain = join(work, 'plain.html');
writeFileSync(plain, readFileSync(join(build, 'web', 'page.html'), 'utf8').replace(/<body>[\s\S]*<\/body>/,
    '<body><p style="font:16px \'Times New Roman\',\'Quiz Serif\',serif">Имена на реки</p></body>'));
const staticForm = join(work, 'static.html');
const pages = {
    quiz: { path: quiz, ready: 'main:not([inert]) [role=option]' },
    static: { path: staticForm, ready: '[role=option]' },
    plain: { path: plain, ready: 'p' },
};

const median = values => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, userDataDir: join(work, 'profile'),
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
    env: { ...process.env, TMPDIR: work },
});
const pid = browser.process().pid;

async function open({ path, ready }) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(selector => {
        new MutationObserver((records, observer) => {
            if (document.querySelector(selector)) {
                window.readyAt = performance.now();
                observer.disconnect();
            }
        }).observe(document, { childList: true, subtree: true, attributes: true });
    }, ready);
    await page.goto(pathToFileURL(path).href, { waitUntil: 'load' });
    await page.waitForFunction(() => window.readyAt !== undefined
        && performance.getEntriesByName('first-contentful-paint').length > 0);
    const times = await page.evaluate(() => [window.readyAt,
        performance.getEntriesByName('first-contentful-paint')[0].startTime]);
    await page.close();
    return times;
}

// The static form: the page's file without its script where the file brings
// the form; where the script builds it, the form as the page built it, saved.
async function writeStaticForm() {
    let html = withoutScript(readFileSync(quiz, 'utf8'));
    if (!html.includes('role="option"')) {
        const page = await browser.newPage();
        await page.goto(pathToFileURL(quiz).href, { waitUntil: 'load' });
        await page.waitForSelector(pages.quiz.ready);
        html = `<!doctype html>${withoutScript(await page.evaluate(() => document.documentElement.outerHTML))}`;
        await page.close();
    }
    writeFileSync(staticForm, html);
}

const names = Object.keys(pages);
const took = Object.fromEntries(names.map(name => [name, { ready: [], paint: [] }]));
try {
    await writeStaticForm();
    // One of each first, unmeasured: the browser's own start.
    for (const name of names)
        await open(pages[name]);
    for (let i = 0; i < rounds; ++i) {
        // Each page in turn first, second and third.
        for (let j = 0; j < names.length; ++j) {
            const name = names[(i + j) % names.length];
            const [ready, paint] = await open(pages[name]);
            took[name].ready.push(ready);
            took[name].paint.push(paint);
        }
    }
} finally {
    await browser.close().catch(() => {});
    try {
        process.kill(pid, 'SIGKILL');
    } catch {
        // Ended already.
    }
    rmSync(work, { recursive: true, force: true });
}

const row = (what, key) => {
    const [q, s, p] = names.map(name => median(took[name][key]));
    return `| ${what} | ${q.toFixed(1)} ms | ${s.toFixed(1)} ms | ${p.toFixed(1)} ms | ${(q / s).toFixed(2)}x | `
        + `${(q / p).toFixed(2)}x |`;
};
console.log(`The page in headless Chromium from file://, ${rounds} rounds, medians:\n`);
console.log('| From navigation to | the quiz | its static form | a plain page, one line | quiz / static | quiz / plain |');
console.log('|---|---|---|---|---|---|');
console.log(row('ready for the first click', 'ready'));
console.log(row('first paint with content', 'paint'));
console.log(`\nThe page: ${statSync(quiz).size} bytes (at most 153600).`);
