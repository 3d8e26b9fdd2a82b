// The web site in headless Chromium, used as a student uses it, and checked
// against the desktop program for the same actions: the page loads without
// an error; the window has its designed size in the middle of the page; F2
// closes the key and the meters read as on the desktop; a measurement button
// fills its row with the desktop's texts; the table downloaded as CSV is the
// desktop's file byte for byte; the line fit shows the desktop's k and b for
// ten seconds; the page asks before it is left while rows are recorded; the
// help opens in a new tab; a teacher's link gives the desktop's variant,
// language, zoom and error messages.
//
//   node page.mjs SITE_FOLDER DCSIM CHILD OUTPUT_FOLDER
// DCSIM and CHILD are the desktop program and the tests' child program of
// the Linux build.
import { Browser, sleep } from './chromium.mjs';
import { spawnSync } from 'node:child_process';
import { serve } from './serve.mjs';
import { mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

const [site, dcsim, child, out] = process.argv.slice(2);
rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'downloads'), { recursive: true });
const task = resolve(site, 'example-task.ini');

let failed = 0;
function check(ok, what) {
    console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
    failed += !ok;
}
const same = (got, want, what) =>
    check(JSON.stringify(got) === JSON.stringify(want), `${what}: ${JSON.stringify(got)}` +
          (JSON.stringify(got) === JSON.stringify(want) ? '' : ` (the desktop: ${JSON.stringify(want)})`));

// The desktop program, in Russian with a Russian locale, as the browser is.
function desktop(program, args, env = {}) {
    const run = spawnSync(program, args, { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen',
        LANG: 'ru_RU.UTF-8', LC_ALL: '', LANGUAGE: '', DCSIM_CALLER_DIR: '', ...env } });
    return { status: run.status, lines: run.stdout.split('\n'), errors: run.stderr.split('\n') };
}

const { server, base } = await serve(site);

const browser = new Browser({ language: 'ru', downloads: join(out, 'downloads') });
await browser.send('Target.setDiscoverTargets', { discover: true });

// The page's window: its named controls (as the page's function tells
// them), where the canvas stands, and where a control's centre is.
async function look(tab) {
    const controls = JSON.parse(await tab.evaluate('window.module.dcsimControls()'));
    const canvas = await tab.evaluate('(r => ({ left: r.left, top: r.top, width: r.width, height: r.height }))' +
                                      '(document.getElementById("qtcanvas").getBoundingClientRect())');
    const find = name => controls.find(c => c.name === name);
    const zoom = canvas.width / find('Form1').width;
    const centre = name => [canvas.left + (find(name).x + find(name).width / 2) * zoom,
                            canvas.top + (find(name).y + find(name).height / 2) * zoom];
    return { controls, canvas, find, centre };
}

async function openPage(query) {
    const tab = await browser.open(`${base}/index.html${query}`);
    await tab.until('window.module && window.module.dcsimControls && window.module.dcsimControls().includes("surface")',
                    `the page ${query} to start`);
    await sleep(500);
    return tab;
}

// Waits until `test` holds of the page's window; returns the look.
async function until(tab, test, what, ms = 10000) {
    for (const end = Date.now() + ms; Date.now() < end; await sleep(100)) {
        const seen = await look(tab);
        if (test(seen))
            return seen;
    }
    check(false, `in time: ${what} (the page then: failed-${failed}.png)`);
    writeFileSync(join(out, `failed-${failed}.png`), await tab.screenshot());
    return look(tab);
}

// The first item of the File menu, by mouse and keyboard: the document in
// a new tab, opened as the student's own doing (no blocker stops it).
async function openHelp(tab, menu, url, what) {
    const canvas = (await look(tab)).canvas;
    await tab.mouse(canvas.left + 20, canvas.top + menu / 2);
    await until(tab, w => w.find('mnuFile'), 'the File menu');
    const opened = browser.waitFor(m => m.method === 'Page.windowOpen' && m.params.url === url, url, 10000).catch(() => null);
    await tab.key('ArrowDown');
    await tab.key('Enter');
    check((await opened)?.params.userGesture, `${what} opens ${url} in a new tab`);
}

const download = (suggested) => browser.waitFor(m => m.method === 'Browser.downloadProgress' &&
    m.params.state === 'completed', 'a download').then(() => readdirSync(join(out, 'downloads')).find(suggested));

// The table's menu, from the keyboard: "Копировать таблицу", then "Сохранить
// таблицу (CSV)…"; the name of the file downloaded.
async function saveTable(tab, w, suggested) {
    await tab.mouse(...w.centre('lblU(1)'), 'right');
    await until(tab, w => w.find('exportMenu'), 'the table\'s menu');
    const saved = download(suggested);
    for (const key of ['ArrowDown', 'ArrowDown', 'Enter'])
        await tab.key(key);
    return saved;
}

try {
    // ---------------------------------------------------------------- a student, no link
    const plain = desktop(child, [], { DCSIM_ROWS: '100:1', DCSIM_TABLE: join(out, 'desktop.csv') });
    const [title, heading] = desktop(child, []).lines;
    const variantTitle = desktop(child, ['--task', task, '--variant', '7']).lines[0];
    let tab = await openPage('');
    let w = await look(tab);
    const menu = w.find('surface').y;
    same(await tab.evaluate('document.title'), title, 'the page is named as the window');
    same([w.canvas.width, w.canvas.height - menu], [549, 439], 'the window below its menu bar');
    same([w.find('surface').x, w.find('surface').width, w.find('surface').height], [0, 549, 439], 'its client area');
    check(Math.abs(w.canvas.left - (1000 - w.canvas.width) / 2) <= 0.5 &&
          Math.abs(w.canvas.top - (800 - w.canvas.height) / 2) <= 0.5, `the window in the middle of the page: ${JSON.stringify(w.canvas)}`);
    same(w.find('Lblnazvan').text, heading, 'Russian');
    writeFileSync(join(out, 'page.png'), await tab.screenshot());

    // A value out of bounds: its message, and the box set back once the message is closed.
    await tab.mouse(...w.centre('TxtEdc'));
    await tab.key('a', 2);
    for (const key of '300')
        await tab.key(key);
    w = await until(tab, w => w.find('qt_msgbox_label'), 'the error message');
    same([w.find('qt_msgbox_label').text, w.find('TxtEdc').text], ['Опасно для жизни!', '300'], 'E 300 refused');
    await tab.key('Enter');
    w = await until(tab, w => !w.find('qt_msgbox_label'), 'the message to close');
    same(w.find('TxtEdc').text, ' 16', 'E set back');

    await tab.key('F2');
    w = await until(tab, w => w.find('N_S(1)'), 'F2 to close the key');
    same(`${w.find('Picture2').description} ${w.find('Picture1').description}`, plain.lines[0], 'the meters after F2');

    await tab.mouse(...w.centre('N_S(1)'));
    w = await until(tab, w => w.find('lblI(1)').text.trim(), 'row 1 to be recorded');
    const row = n => ['lblI', 'lblU', 'lblP0', 'lblPv', 'lblKPD'].map(c => w.find(`${c}(${n})`).text).join('\t');
    same(row(1), plain.lines[1], 'row 1');
    writeFileSync(join(out, 'row.png'), await tab.screenshot());

    const name = await saveTable(tab, w, name => name.endsWith('.csv'));
    check(/^таблица-\d{4}-\d\d-\d\d-\d{4}\.csv$/.test(name || ''), `the CSV's name: ${name}`);
    check(name && readFileSync(join(out, 'downloads', name)).equals(readFileSync(join(out, 'desktop.csv'))),
          'the CSV equals the desktop\'s byte for byte');

    await tab.mouse(...w.centre('Picture3'));
    w = await until(tab, w => w.find('txtK'), 'the fit');
    same(`${w.find('txtK').text} ${w.find('txtB').text}`, plain.lines[2], 'k and b of the fit');
    const fitted = Date.now();
    w = await until(tab, w => !w.find('txtK'), 'the fit\'s boxes to go', 15000);
    check(Date.now() - fitted > 8000, `k and b shown for ten seconds (${Date.now() - fitted} ms seen)`);

    // The help, in a new tab.
    await openHelp(tab, menu, `${base}/spravka1.pdf`, 'Справка 1');
    // Leaving with a row recorded: the browser asks, and the page stays.
    const leave = browser.waitFor(m => m.method === 'Page.javascriptDialogOpening', 'the leave question', 10000);
    tab.send('Page.navigate', { url: 'about:blank' }).catch(() => {});
    const asked = await leave.catch(() => null);
    same(asked?.params.type, 'beforeunload', 'the page asks before it is left');
    if (asked)
        await tab.send('Page.handleJavaScriptDialog', { accept: false });
    await sleep(300);
    check((await tab.evaluate('location.pathname')) === '/index.html', 'and stays when told No');

    // A task file from the student's disk (Файл › Открыть задание…), then variant 7: with a row recorded the
    // exit question comes first, answered Yes (its default), and the window starts again with the task.
    await tab.send('Page.setInterceptFileChooserDialog', { enabled: true });
    const chooser = browser.waitFor(m => m.method === 'Page.fileChooserOpened', 'the file chooser', 10000);
    await tab.mouse(w.canvas.left + 20, w.canvas.top + menu / 2);
    await until(tab, w => w.find('mnuFile'), 'the File menu');
    for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter'])
        await tab.key(key);
    await tab.send('DOM.setFileInputFiles', { files: [task], backendNodeId: (await chooser).params.backendNodeId });
    await until(tab, w => w.find('variantDialog'), 'the variant\'s question');
    await tab.key('a', 2);
    await tab.key('7');
    await tab.key('Enter');
    await until(tab, w => w.find('exitBox'), 'the exit question');
    await tab.key('Enter');
    w = await until(tab, w => w.find('Form1').text === variantTitle, 'the window of variant 7');
    same(w.find('TxtEdc').text.replace(/[^0-9]/g, ''), '', 'E hidden');

    same(tab.errors(), [], 'no error in the page');

    // ---------------------------------------------------------------- a teacher's link
    const variant = desktop(child, ['--task', task, '--variant', '7'],
                            { DCSIM_ROWS: '100:1 60:2', DCSIM_TABLE: join(out, 'desktop-7.csv') });
    tab = await openPage('?task=example-task.ini&variant=7');
    w = await look(tab);
    same(await tab.evaluate('document.title'), variantTitle, 'the task\'s title');
    same(w.find('TxtEdc').text.replace(/[^0-9]/g, ''), '', 'E hidden');
    await tab.key('F2');
    w = await until(tab, w => w.find('N_S(1)'), 'F2 to close the key');
    await tab.mouse(...w.centre('N_S(1)'));
    // Forty steps to the left: clicks on the rheostat's left arrow.
    const [, bar] = w.centre('HScroll1');
    for (let i = 0; i < 40; ++i)
        await tab.mouse(w.canvas.left + w.find('HScroll1').x + 4, bar);
    await tab.mouse(...w.centre('N_S(2)'));
    w = await until(tab, w => w.find('lblI(2)').text.trim(), 'row 2 to be recorded');
    same([row(1), row(2)], variant.lines.slice(1, 3), 'rows 1 and 2 of variant 7');
    // Ctrl+S: the report, as a PDF.
    const pdf7 = download(name => name.endsWith('.pdf'));
    await tab.key('s', 2);
    const report7 = await pdf7;
    check(/^отчёт-вариант-7-.*\.pdf$/.test(report7 || '') &&
          readFileSync(join(out, 'downloads', report7)).subarray(0, 5).toString() === '%PDF-', `the report: ${report7}`);
    const name7 = await saveTable(tab, w, name => name.endsWith('.csv') && /вариант-7/.test(name));
    check(/^таблица-вариант-7-/.test(name7 || ''), `the CSV's name: ${name7}`);
    const file7 = join(out, 'downloads', name7 || 'none');
    check(name7 && readFileSync(file7).equals(readFileSync(join(out, 'desktop-7.csv'))), 'the CSV of variant 7 equals the desktop\'s');
    same(desktop(dcsim, ['--task', task, '--variant', '7', '--check', file7]).status, 0,
         'the desktop program finds every row genuine for variant 7');
    same(desktop(dcsim, ['--task', task, '--variant', '8', '--check', file7]).status, 1, 'and not for variant 8');
    same(tab.errors(), [], 'no error in the page');

    // ---------------------------------------------------------------- English, enlarged
    tab = await openPage('?lang=en&zoom=1.5');
    w = await look(tab);
    same(w.find('Lblnazvan').text, desktop(child, ['--lang', 'en']).lines[1], 'English');
    same([w.canvas.width, w.canvas.height], [Math.round(549 * 1.5), Math.round((439 + w.find('surface').y) * 1.5)],
         'the zoomed window');
    await openHelp(tab, w.find('surface').y * 1.5, `${base}/en/spravka1.pdf`, 'Help 1');
    writeFileSync(join(out, 'page-en.png'), await tab.screenshot());
    same(tab.errors(), [], 'no error in the page');

    // ---------------------------------------------------------------- a German browser that reads English
    tab = await browser.open('about:blank');
    await tab.send('Emulation.setUserAgentOverride', { userAgent: await tab.evaluate('navigator.userAgent'),
                                                      acceptLanguage: 'de-DE,en' });
    await tab.navigate(`${base}/index.html`);
    await tab.until('window.module && window.module.dcsimControls().includes("surface")', 'the page to start');
    same(await tab.evaluate('document.title'), desktop(child, ['--lang', 'en']).lines[0],
         'the browser\'s first language the program ships');

    // ---------------------------------------------------------------- a browser without WebAssembly
    tab = await browser.open('about:blank');
    await tab.send('Page.addScriptToEvaluateOnNewDocument', { source: 'delete window.WebAssembly' });
    await tab.navigate(`${base}/index.html`);
    check(await tab.until('/WebAssembly/.test(document.getElementById("message").textContent)', 'the page\'s message',
                          10000).catch(() => false), 'without WebAssembly the page says so');

    // ---------------------------------------------------------------- a link with a mistake
    tab = await openPage('?task=example-task.ini&variant=abc');
    w = await until(tab, w => w.find('qt_msgbox_label'), 'the error message');
    const said = desktop(dcsim, ['--task', task, '--variant', 'abc']);
    same(said.status, 2, 'the desktop program refuses the variant');
    same(w.find('qt_msgbox_label').text, said.errors[0].replace(/^dcsim: /, ''), 'the page says what the command line says');
    writeFileSync(join(out, 'error.png'), await tab.screenshot());
    same(tab.errors(), [], 'no error in the page');
} catch (error) {
    check(false, String(error.stack || error));
} finally {
    await browser.close();
    server.close();
}
console.log(failed ? `${failed} failed` : 'all passed');
process.exit(failed ? 1 : 0);
