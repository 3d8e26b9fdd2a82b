// The web figures, side by side in one run of one headless Chromium:
// - what a first visit downloads, as it lies and gzip-compressed (budget:
//   6 MB gzip in all);
// - navigation to the first painted frame, the simulator against an empty Qt
//   Widgets window built with the same Qt in the same page (goal: 1.2x);
// - a measurement button's click to the frame that paints its row (goal:
//   one 16.7-ms frame).
// A frame is painted when an animation frame of the page has drawn with
// WebGL, which is how Qt's page shows its windows; its time is the end of
// that animation frame, on the page's clock (from navigation start).
//
//   node bench/web.mjs SITE_FOLDER EMPTY_FOLDER [--quick]
// EMPTY_FOLDER holds web_empty.js and web_empty.wasm (build-web/bench).
import { Browser, sleep } from '../tests/web/chromium.mjs';
import { serve } from '../tests/web/serve.mjs';
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const [site, empty] = process.argv.slice(2);
const runs = process.argv.includes('--quick') ? 3 : 7;
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const mb = bytes => (bytes / 1e6).toFixed(2) + ' MB';
const ms = value => value.toFixed(1) + ' ms';

// ---------------------------------------------------------------- sizes
const firstVisit = ['index.html', 'qtloader.js', 'dcsim.js', 'dcsim.wasm', 'dcsim.svg'];
let raw = 0, gzipped = 0;
const sizes = firstVisit.map(name => {
    const bytes = readFileSync(join(site, name));
    const gz = gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    gzipped += gz;
    return [name, bytes.length, gz];
});
const emptyWasm = statSync(join(empty, 'web_empty.wasm')).size;

// ---------------------------------------------------------------- the pages
// The empty window comes in the simulator's own page, its module's name changed.
const page = readFileSync(join(site, 'index.html'), 'utf8');
const { server, base } = await serve(site, path =>
    path === '/empty.html' ? page.replace("loadEmscriptenModule('dcsim')", "loadEmscriptenModule('web_empty')")
    : path.startsWith('/web_empty.') ? readFileSync(join(empty, path)) : undefined);

// Every animation frame that drew with WebGL, and the mouse's releases.
const watch = `(() => {
    window.dcsimFrames = []; window.dcsimReleases = [];
    let drawn = 0;
    for (const gl of [WebGLRenderingContext, WebGL2RenderingContext])
        for (const name of ['drawArrays', 'drawElements']) {
            const draw = gl.prototype[name];
            gl.prototype[name] = function (...args) { ++drawn; return draw.apply(this, args); };
        }
    const request = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = callback => request(time => {
        const before = drawn;
        callback(time);
        if (drawn > before) dcsimFrames.push(performance.now());
    });
    addEventListener('pointerup', event => dcsimReleases.push(event.timeStamp), true);
})()`;

const browser = new Browser();
const results = { empty: [], simulator: [], click: [] };
try {
    const tab = await browser.open('about:blank');
    await tab.send('Page.addScriptToEvaluateOnNewDocument', { source: watch });
    await tab.send('Network.enable');
    await tab.send('Network.setCacheDisabled', { cacheDisabled: true }); // every load a first visit
    async function firstFrame(url) {
        await tab.navigate(url);
        return tab.until('window.dcsimFrames && window.dcsimFrames[0]', `the first frame of ${url}`);
    }
    for (let i = 0; i < runs; ++i) {
        results.empty.push(await firstFrame(`${base}/empty.html`));
        results.simulator.push(await firstFrame(`${base}/index.html`));
    }
    // The key closed, then each measurement button in turn.
    await tab.until('window.module && window.module.dcsimControls().includes("surface")', 'the simulator');
    await tab.key('F2');
    await sleep(500);
    const canvas = await tab.evaluate('(r => [r.left, r.top])(document.getElementById("qtcanvas").getBoundingClientRect())');
    for (let n = 1; n <= 10; ++n) {
        const button = JSON.parse(await tab.evaluate('window.module.dcsimControls()')).find(c => c.name === `N_S(${n})`);
        await tab.evaluate('window.dcsimFrames = []; window.dcsimReleases = []; 0');
        await tab.mouse(canvas[0] + button.x + button.width / 2, canvas[1] + button.y + button.height / 2);
        await sleep(300);
        const [release, frames, row] = await tab.evaluate(`[dcsimReleases[0], dcsimFrames,
            JSON.parse(window.module.dcsimControls()).find(c => c.name === 'lblI(${n})').text]`);
        const painted = frames.find(t => t > release);
        if (!row.trim() || painted === undefined)
            throw new Error(`button ${n}: no row painted`);
        results.click.push(painted - release);
    }
} finally {
    await browser.close();
    server.close();
}

const [e, s] = [median(results.empty), median(results.simulator)];
console.log(`Headless Chromium, software WebGL, served from 127.0.0.1 with the cache off; medians of ${runs} loads each.\n`);
console.log('| What a first visit downloads | As it lies | gzip -9 |\n|---|---|---|');
for (const [name, bytes, gz] of sizes)
    console.log(`| ${name} | ${mb(bytes)} | ${mb(gz)} |`);
console.log(`| in all (budget 6 MB gzip) | ${mb(raw)} | ${mb(gzipped)} ${gzipped <= 6e6 ? 'met' : 'NOT MET'} |`);
console.log(`\nThe empty window's module: ${mb(emptyWasm)}.\n`);
console.log('| Measure | Median | Range | Goal | Met |\n|---|---|---|---|---|');
const range = values => `${ms(Math.min(...values))} to ${ms(Math.max(...values))}`;
console.log(`| Navigation to first frame, empty Qt window | ${ms(e)} | ${range(results.empty)} | (baseline) | |`);
console.log(`| Navigation to first frame, simulator | ${ms(s)} | ${range(results.simulator)} | | |`);
console.log(`| Ratio simulator / empty | ${(s / e).toFixed(2)}x | | <= 1.2x | ${s / e <= 1.2 ? 'yes' : 'no'} |`);
const c = median(results.click);
console.log(`| Measurement button, click to painted row | ${ms(c)} | ${range(results.click)} | < 16.7 ms | ${c < 16.7 ? 'yes' : 'no'} |`);
