// The three browser engines behind one small interface, so that each test,
// and each of the page's timings (web/bench.mjs), is written once. Chromium and Firefox are driven by puppeteer (CDP
// and WebDriver BiDi), WebKit by a few W3C WebDriver calls to WebKitWebDriver, whose MiniBrowser needs an X display
// (xvfb-run gives one). Each engine reports a navigator.language that is no language tag, "C".
//
//   const browser = await launch('chromium' | 'firefox' | 'webkit');
//   const tab = await browser.open(url, {width, locale, before, watch, scripts});
//   await tab.evaluate(f or a script's text, ...args);
//   await tab.waitFor(f, ...args);
//   await tab.keys(['Tab', 'Control+a']);
//   await tab.shot(selector);  // the element's picture, as base64 PNG
//   await tab.done();  // closes, and fails on any request, policy violation or error seen
//   browser.can: what this engine's driver can do here.
import {spawn} from 'node:child_process';
import {once} from 'node:events';
import {createServer} from 'node:net';
import {setTimeout as sleep} from 'node:timers/promises';
import puppeteer from 'puppeteer-core';

// The watchers a tab starts with, before the page's own scripts.
function watchers()
{
    window.longTasks = [];  // from the first report on the screen, for the timings
    const since = () => performance.getEntriesByName('shown')[0]?.startTime ?? Infinity;
    if (PerformanceObserver.supportedEntryTypes.includes('longtask')) {
        new PerformanceObserver(
            (list) => longTasks.push(...list.getEntries().filter((task) => task.startTime >= since())))
            .observe({type: 'longtask'});
    }
    document.addEventListener('securitypolicyviolation', (e) => console.error(`policy: ${e.violatedDirective}`));
}

// What every tab does alike; the driver gives evaluate, keys and close.
function tab(driver)
{
    return Object.assign(driver, {
        async waitFor(f, ...args) {
            for (const deadline = Date.now() + 60000; Date.now() < deadline; await sleep(20)) {
                const value = await driver.evaluate(f, ...args);
                if (value) {
                    return value;
                }
            }
            throw new Error(`waited a minute for ${f}`);
        },
        // Closes the tab; whatever it saw go wrong fails the test, the page's own word of a failure included.
        async done() {
            const said = await driver.evaluate(() => document.getElementById('status').textContent);
            await driver.close();
            driver.faults.push(...(/ failed: /.test(said) ? [said] : []));
            if (driver.faults.length) {
                throw new Error(`the page went wrong:\n${driver.faults.join('\n')}`);
            }
        },
    });
}

async function puppeteerEngine(name)
{
    const firefox = {
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        extraPrefsFirefox: {'intl.accept_languages': 'C'}
    };
    // Without its omnibox popup, a page of browser UI that each new headless
    // window loads in a process of its own, which took a core from every page
    // the tests open on a machine of two.
    const chromium = {
        executablePath: '/usr/bin/chromium',
        args: [
            '--no-sandbox', '--accept-lang=C', '--enable-precise-memory-info',
            '--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup'
        ]
    };
    const browser = await puppeteer.launch(name === 'firefox' ? firefox : chromium);
    const cdp = name === 'chromium';
    return {
        can: {requests: true, before: true, narrow: true, longTasks: cdp, locale: cdp, scriptsOff: cdp, paste: cdp},
        async open(url, {width = 1280, locale, before, watch = true, scripts = true} = {}) {
            const context = await browser.createBrowserContext();
            const page = await context.newPage();
            await page.setViewport({width, height: 900});
            const faults = [];
            if (watch) {
                // A data: address leaves nothing: Firefox loads its own list bullets' font so.
                const own = (address) => address.startsWith('data:') || address.split('?')[0] === url.split('?')[0];
                page.on('request', (r) => own(r.url()) || faults.push(`request ${r.url()}`));
                page.on('pageerror', (error) => faults.push(`error ${error.message}`));
                page.on('console', (message) => message.type() === 'error' && faults.push(`console ${message.text()}`));
                await page.evaluateOnNewDocument(watchers);
            }
            if (before) {
                await page.evaluateOnNewDocument(before);
            }
            if (locale) {
                const cdp = await page.createCDPSession();
                await cdp.send(
                    'Emulation.setUserAgentOverride', {userAgent: await browser.userAgent(), acceptLanguage: locale});
            }
            if (!scripts) {
                await page.setJavaScriptEnabled(false);
            }
            await page.goto(url);
            return tab({
                faults,
                evaluate: (f, ...args) => page.evaluate(f, ...args),
                async keys(keys) {
                    for (const names of keys.map((key) => key.split('+'))) {
                        for (const name of names) {
                            await page.keyboard.down(name);
                        }
                        for (const name of names.reverse()) {
                            await page.keyboard.up(name);
                        }
                    }
                },
                // Pastes text over all of the focused field's, by way of the clipboard, as Control+V does
                // (can.paste).
                async paste(text) {
                    await page.evaluate((text) => {
                        const field = document.activeElement;
                        const holder = Object.assign(document.createElement('textarea'), {value: text});
                        document.body.append(holder);
                        holder.select();
                        document.execCommand('copy');
                        holder.remove();
                        field.focus();
                        field.select();
                    }, text);
                    await page.keyboard.down('Control');
                    await page.keyboard.press('KeyV', {commands: ['Paste']});
                    await page.keyboard.up('Control');
                },
                shot: async (selector) => Buffer.from(await (await page.$(selector)).screenshot()).toString('base64'),
                close: () => context.close(),
            });
        },
        close: () => browser.close(),
    };
}

async function webkitEngine()
{
    if (!process.env.DISPLAY) {
        throw new Error('MiniBrowser needs an X display: run under xvfb-run');
    }
    // A port no one listens on now.
    const probe = createServer().listen(0, '127.0.0.1');
    await once(probe, 'listening');
    const {port} = probe.address();
    probe.close();
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], {
        stdio: 'ignore',
        // Under this locale WebKitGTK reports navigator.language as "C".
        env: {...process.env, LANG: 'C.UTF-8', LC_ALL: 'C.UTF-8'},
    });
    const call = async (method, path, body) => {
        const response = await fetch(`http://127.0.0.1:${port}${path}`, {method, body: JSON.stringify(body)});
        const {value} = await response.json();
        if (!response.ok) {
            throw new Error(`WebDriver ${path}: ${value.error}: ${value.message}`);
        }
        return value;
    };
    for (let tries = 0; !(await call('GET', '/status').catch((error) => tries > 100 && Promise.reject(error)))?.ready;
         tries++) {
        await sleep(50);
    }
    const browserOptions = {binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation']};
    const {sessionId} =
        await call('POST', '/session', {capabilities: {alwaysMatch: {'webkitgtk:browserOptions': browserOptions}}});
    const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
    // The W3C WebDriver codes of the keys the tests press, each after U+E000.
    const codes = {Tab: 4, Enter: 7, Control: 9, End: 16, Home: 17, ArrowLeft: 18, ArrowRight: 20};
    // One window, navigated for each tab; nothing can watch a page before its own scripts.
    return {
        can: {},
        async open(url, {width = 1280} = {}) {
            await session('POST', '/window/rect', {width, height: 900});
            await session('POST', '/url', {url});
            return tab({
                faults: [],
                evaluate: (f, ...args) => session(
                    'POST', '/execute/sync',
                    {script: typeof f === 'string' ? f : `return (${f}).apply(null, arguments)`, args}),
                keys: (keys) => {
                    const actions = keys.flatMap((k) => {
                        const values = k.split('+').map(
                            (name) => (name in codes ? String.fromCharCode(0xe000 + codes[name]) : name));
                        const down = values.map((value) => ({type: 'keyDown', value}));
                        return [...down, ...values.reverse().map((value) => ({type: 'keyUp', value}))];
                    });
                    return session('POST', '/actions', {actions: [{type: 'key', id: 'keyboard', actions}]});
                },
                async shot(selector) {
                    const found = await session('POST', '/element', {using: 'css selector', value: selector});
                    return session('GET', `/element/${Object.values(found)[0]}/screenshot`);
                },
                close: () => session('POST', '/url', {url: 'about:blank'}),
            });
        },
        async close() {
            await session('DELETE', '');
            driver.kill();
        },
    };
}

export const launch = (name) => (name === 'webkit' ? webkitEngine() : puppeteerEngine(name));
