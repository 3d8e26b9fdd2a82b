// Headless Chromium driven over the DevTools protocol through a pipe
// (NUL-separated JSON on file descriptors 3 and 4): plain node, no package.
// Used by the web page's test and the web benchmark.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

export class Browser {
    // A Russian browser, as the lab's are; a tab may say other languages.
    constructor({ width = 1000, height = 800, downloads } = {}) {
        this.profile = mkdtempSync(join(tmpdir(), 'dcsim-chromium-'));
        this.size = { width, height };
        this.downloads = downloads;
        // Software WebGL, which Qt's page compositor needs without a GPU; no
        // connections of the browser's own, which this machine refuses.
        this.process = spawn(process.env.CHROMIUM || 'chromium', [
            '--headless=new', '--no-sandbox', '--no-first-run', '--mute-audio', '--disable-gpu',
            '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--disable-quic',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--remote-debugging-pipe', `--user-data-dir=${this.profile}`, '--lang=ru',
            '--accept-lang=ru', `--window-size=${width},${height}`, '--force-device-scale-factor=1',
            'about:blank'], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
        this.process.stderr.on('data', () => {});
        this.nextId = 1;
        this.pending = new Map();
        this.events = [];
        this.waiters = [];
        let inbox = Buffer.alloc(0);
        this.process.stdio[4].on('data', chunk => {
            inbox = Buffer.concat([inbox, chunk]);
            for (let end; (end = inbox.indexOf(0)) >= 0; inbox = inbox.subarray(end + 1)) {
                const message = JSON.parse(inbox.subarray(0, end).toString('utf8'));
                if (message.id && this.pending.has(message.id)) {
                    const { resolve, reject } = this.pending.get(message.id);
                    this.pending.delete(message.id);
                    message.error ? reject(new Error(JSON.stringify(message.error))) : resolve(message.result);
                } else if (message.method) {
                    this.events.push(message);
                    this.waiters = this.waiters.filter(w => !(w.test(message) && (w.resolve(message), true)));
                }
            }
        });
    }

    send(method, params = {}, sessionId) {
        const id = this.nextId++;
        this.process.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
        return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
    }

    // The first event from now that passes `test`.
    waitFor(test, what, ms = 120000) {
        return new Promise((resolve, reject) => {
            const timer = setTimeout(() => reject(new Error(`timed out waiting for ${what}`)), ms);
            this.waiters.push({ test, resolve: m => { clearTimeout(timer); resolve(m); } });
        });
    }

    // A new tab, its console and errors recorded, downloads going to `downloads`.
    async open(url) {
        const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
        const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
        const tab = new Tab(this, sessionId);
        for (const domain of ['Runtime', 'Log', 'Page'])
            await tab.send(`${domain}.enable`);
        await tab.send('Emulation.setDeviceMetricsOverride', { ...this.size, deviceScaleFactor: 1, mobile: false });
        if (this.downloads)
            await this.send('Browser.setDownloadBehavior',
                            { behavior: 'allow', downloadPath: this.downloads, eventsEnabled: true });
        await tab.navigate(url);
        return tab;
    }

    async close() {
        this.process.kill();
        await sleep(300);
        rmSync(this.profile, { recursive: true, force: true });
    }
}

export class Tab {
    constructor(browser, sessionId) {
        Object.assign(this, { browser, sessionId });
        this.since = browser.events.length;
    }

    send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

    async navigate(url) {
        this.since = this.browser.events.length;
        await this.send('Page.navigate', { url });
    }

    // The value of `expression` in the page (awaited when it is a promise).
    async evaluate(expression) {
        const { result, exceptionDetails } = await this.send('Runtime.evaluate',
            { expression, returnByValue: true, awaitPromise: true });
        if (exceptionDetails)
            throw new Error(`${expression}: ${exceptionDetails.exception?.description || exceptionDetails.text}`);
        return result.value;
    }

    // Polls `expression` until it is truthy; returns its value.
    async until(expression, what, ms = 120000) {
        for (const end = Date.now() + ms; Date.now() < end; await sleep(100)) {
            const value = await this.evaluate(expression).catch(() => undefined);
            if (value)
                return value;
        }
        throw new Error(`timed out waiting for ${what}`);
    }

    // Console errors, exceptions and failed loads since the page was opened.
    errors() {
        const text = m => m.params.args.map(a => a.value ?? a.description ?? '').join(' ');
        return this.browser.events.slice(this.since).filter(m => m.sessionId === this.sessionId).flatMap(m =>
            m.method === 'Runtime.exceptionThrown' ? [`exception: ${m.params.exceptionDetails.exception?.description || m.params.exceptionDetails.text}`]
            : m.method === 'Runtime.consoleAPICalled' && m.params.type === 'error' ? [`console.error: ${text(m)}`]
            : m.method === 'Log.entryAdded' && m.params.entry.level === 'error' ? [`log: ${m.params.entry.text} ${m.params.entry.url || ''}`]
            : []);
    }

    async mouse(x, y, button = 'left') {
        await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
        const buttons = { left: 1, right: 2 }[button];
        await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y, button, buttons, clickCount: 1 });
        await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y, button, buttons: 0, clickCount: 1 });
    }

    // A key as a keyboard gives it: "F2", "ArrowDown", "Enter", or a character.
    async key(key, modifiers = 0) {
        const named = { F2: 113, F10: 121, Enter: 13, Escape: 27, ArrowDown: 40, ArrowUp: 38, ArrowLeft: 37, ArrowRight: 39, Tab: 9, Backspace: 8, End: 35, Home: 36 };
        const code = named[key] ?? key.toUpperCase().charCodeAt(0);
        const text = key in named ? (key === 'Enter' ? '\r' : '') : key;
        const event = { key, code: key in named ? key : '', windowsVirtualKeyCode: code, text, modifiers };
        await this.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', ...event });
        await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...event, text: '' });
    }

    async screenshot() {
        const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
        return Buffer.from(data, 'base64');
    }
}
