// Drives Debian's Chromium headless through the DevTools protocol (node's WebSocket, no
// packages): opens a page, evaluates in it, clicks and taps at page coordinates, and takes
// screenshots.
import { spawn } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export class Browser {
  // Chromium picks its own DevTools port and writes it into the profile, so that runs side by
  // side never reach each other's browser.
  static async launch({ width = 1024, height = 768 } = {}) {
    const profile = mkdtempSync(join(tmpdir(), 'rufo-web-'));
    const chromium = spawn('chromium', [
      '--headless=new', '--no-sandbox', '--disable-gpu', '--mute-audio',
      '--no-first-run', '--no-default-browser-check', '--remote-debugging-port=0',
      `--user-data-dir=${profile}`, `--window-size=${width},${height}`, 'about:blank',
    ], { stdio: 'ignore' });
    let pageUrl;
    for (let i = 0; i < 100 && !pageUrl; ++i) {
      await sleep(100);
      try {
        const port = readFileSync(join(profile, 'DevToolsActivePort'), 'utf8').split('\n')[0];
        const targets = await (await fetch(`http://127.0.0.1:${port}/json/list`)).json();
        pageUrl = targets.find((t) => t.type === 'page')?.webSocketDebuggerUrl;
      } catch {}
    }
    const browser = new Browser(chromium, profile);
    try {
      if (!pageUrl) throw new Error('chromium did not start');
      await browser.connect(pageUrl);
      await browser.send('Page.enable');
      await browser.send('Runtime.enable');
      await browser.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
      await browser.send('Emulation.setDeviceMetricsOverride',
        { width, height, deviceScaleFactor: 1, mobile: false });
    } catch (error) {
      // A browser that cannot be driven is not left running.
      await browser.close();
      throw error;
    }
    return browser;
  }

  constructor(process, profile) {
    this.process = process;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.console = [];
    this.listeners = new Map();
  }

  // Calls `handler` with the parameters of every DevTools event `method`.
  on(method, handler) {
    this.listeners.set(method, handler);
  }

  connect(url) {
    this.socket = new WebSocket(url);
    this.socket.onmessage = (message) => {
      const data = JSON.parse(message.data);
      if (data.id && this.pending.has(data.id)) {
        const { resolve, reject } = this.pending.get(data.id);
        this.pending.delete(data.id);
        data.error ? reject(new Error(data.error.message)) : resolve(data.result);
      } else if (this.listeners.has(data.method)) {
        this.listeners.get(data.method)(data.params);
      } else if (data.method === 'Runtime.consoleAPICalled') {
        this.console.push(data.params.args.map((a) => a.value).join(' '));
      } else if (data.method === 'Page.javascriptDialogOpening') {
        // A message box stops the page until it is answered: it is noted and closed.
        this.console.push('dialog: ' + data.params.message);
        this.send('Page.handleJavaScriptDialog', { accept: true }).catch(() => {});
      } else if (data.method === 'Runtime.exceptionThrown') {
        this.console.push('exception: ' + JSON.stringify(data.params.exceptionDetails));
      }
    };
    return new Promise((resolve, reject) => {
      this.socket.onopen = resolve;
      this.socket.onerror = reject;
    });
  }

  // A command's answer; a page that stopped answering (a blocked page does) fails after a minute.
  send(method, params = {}) {
    const id = this.nextId++;
    this.socket.send(JSON.stringify({ id, method, params }));
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        this.pending.delete(id);
        reject(new Error(`no answer to ${method}`));
      }, 60000);
      this.pending.set(id, {
        resolve: (value) => { clearTimeout(timer); resolve(value); },
        reject: (error) => { clearTimeout(timer); reject(error); },
      });
    });
  }

  async evaluate(expression) {
    const result = await this.send('Runtime.evaluate', { expression, returnByValue: true });
    if (result.exceptionDetails) throw new Error(JSON.stringify(result.exceptionDetails));
    return result.result.value;
  }

  async waitFor(expression, timeoutMs = 30000) {
    const end = Date.now() + timeoutMs;
    for (;;) {
      // While a page loads, its document may not have what the expression reads yet.
      const value = await this.evaluate(expression).catch(() => undefined);
      if (value) return value;
      if (Date.now() > end) throw new Error('timed out waiting for ' + expression);
      await sleep(50);
    }
  }

  async navigate(url) {
    await this.send('Page.navigate', { url });
  }

  async click(x, y) {
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    await this.send('Input.dispatchMouseEvent',
      { type: 'mousePressed', x, y, button: 'left', clickCount: 1 });
    await sleep(40);
    await this.send('Input.dispatchMouseEvent',
      { type: 'mouseReleased', x, y, button: 'left', clickCount: 1 });
  }

  async tap(x, y) {
    await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await sleep(40);
    await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  }

  // A finger (or the mouse's button) put down at the first point, moved in steps through the
  // others and lifted at the last.
  async drag(points, { touch = false, steps = 10 } = {}) {
    const path = [];
    for (let p = 1; p < points.length; ++p) {
      const [from, to] = [points[p - 1], points[p]];
      for (let i = 1; i <= steps; ++i) {
        path.push({ x: from.x + ((to.x - from.x) * i) / steps,
                    y: from.y + ((to.y - from.y) * i) / steps });
      }
    }
    const first = points[0];
    const last = points[points.length - 1];
    if (touch) {
      await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [first] });
      for (const at of path) {
        await sleep(30);
        await this.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [at] });
      }
      await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
      return;
    }
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...first });
    await this.send('Input.dispatchMouseEvent',
      { type: 'mousePressed', ...first, button: 'left', clickCount: 1 });
    for (const at of path) {
      await sleep(30);
      await this.send('Input.dispatchMouseEvent',
        { type: 'mouseMoved', ...at, button: 'left', buttons: 1 });
    }
    await this.send('Input.dispatchMouseEvent',
      { type: 'mouseReleased', ...last, button: 'left', clickCount: 1 });
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }

  // The processor time the whole browser (every process it started) has used, in seconds.
  cpuSeconds() {
    const parentOf = new Map();
    const ticks = new Map();
    for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
      try {
        // The fields after the command's name, which may hold spaces, closed by the last ')'.
        const stat = readFileSync(`/proc/${pid}/stat`, 'utf8');
        const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
        parentOf.set(Number(pid), Number(fields[1]));
        ticks.set(Number(pid), Number(fields[11]) + Number(fields[12]));
      } catch {}
    }
    const inBrowser = (pid) => {
      for (let p = pid; p > 1; p = parentOf.get(p) ?? 0) if (p === this.process.pid) return true;
      return false;
    };
    let sum = 0;
    for (const [pid, t] of ticks) if (inBrowser(pid)) sum += t;
    return sum / 100;
  }

  async close() {
    if (this.socket?.readyState === 1) {  // open
      await Promise.race([this.send('Browser.close').catch(() => {}), sleep(2000)]);
      this.socket.close();
    }
    if (this.process.exitCode === null) {
      const exited = new Promise((resolve) => this.process.once('exit', resolve));
      this.process.kill('SIGKILL');
      await Promise.race([exited, sleep(5000)]);
    }
    rmSync(this.profile, { recursive: true, force: true });
  }
}

export { sleep };
