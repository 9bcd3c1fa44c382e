// The web page's start against a plain page with one line of text in the same
// font, both opened from file:// in headless Chromium, taking turns: the time
// from navigation to the page ready for the first click (the river list
// filled; the line there) and to its first paint with content, medians; and
// the page's size.
//
//   node bench/page_bench.mjs BUILD_DIR [PAIRS]
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

// The page tests' own packages (tests/web/install.sh installs them).
const puppeteer = createRequire(new URL('../tests/web/package.json', import.meta.url))('puppeteer-core');

const build = resolve(process.argv[2] ?? 'build/web');
const pairs = Number(process.argv[3] ?? 15);
const quiz = join(build, 'river-mouth-quiz.html');

const work = mkdtempSync(join(tmpdir(), 'rmq-page-bench-'));
// The page's own shell, with its font, showing one line instead of the form.
const plain = join(work, 'plain.html');
writeFileSync(plain, readFileSync(join(build, 'web', 'page.html'), 'utf8').replace('{{{ SCRIPT }}}',
    '<p style="font:16px \'Times New Roman\',\'Quiz Serif\',serif">Имена на реки</p>'));

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

async function open(path) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => {
        new MutationObserver((records, observer) => {
            if (document.querySelector('[role=option], p')) {
                window.readyAt = performance.now();
                observer.disconnect();
            }
        }).observe(document, { childList: true, subtree: true });
    });
    await page.goto(pathToFileURL(path).href, { waitUntil: 'load' });
    await page.waitForFunction(() => window.readyAt !== undefined
        && performance.getEntriesByName('first-contentful-paint').length > 0);
    const times = await page.evaluate(() => [window.readyAt,
        performance.getEntriesByName('first-contentful-paint')[0].startTime]);
    await page.close();
    return times;
}

const took = { quiz: { ready: [], paint: [] }, plain: { ready: [], paint: [] } };
try {
    // One of each first, unmeasured: the browser's own start.
    await open(quiz);
    await open(plain);
    for (let i = 0; i < pairs; ++i) {
        for (const name of i % 2 ? ['plain', 'quiz'] : ['quiz', 'plain']) {
            const [ready, paint] = await open(name === 'quiz' ? quiz : plain);
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
    const q = median(took.quiz[key]);
    const p = median(took.plain[key]);
    return `| ${what} | ${q.toFixed(1)} ms | ${p.toFixed(1)} ms | ${(q / p).toFixed(2)}x |`;
};
console.log(`The page in headless Chromium from file://, ${pairs} pairs, medians:\n`);
console.log('| From navigation to | the quiz | a plain page, one line | ratio |');
console.log('|---|---|---|---|');
console.log(row('ready for the first click', 'ready'));
console.log(row('first paint with content', 'paint'));
console.log(`\nThe page: ${statSync(quiz).size} bytes (at most 153600).`);
