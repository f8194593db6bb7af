// Drives Debian's Chromium headless through the DevTools protocol (node's WebSocket, no
// packages): opens a page, evaluates in it, clicks and taps at page coordinates, and takes
// screenshots.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export class Browser {
  static async launch({ width = 1024, height = 768, port = 9333 } = {}) {
    const profile = mkdtempSync(join(tmpdir(), 'rufo-web-'));
    const chromium = spawn('chromium', [
      '--headless=new', '--no-sandbox', '--disable-gpu', '--mute-audio',
      '--no-first-run', '--no-default-browser-check', `--remote-debugging-port=${port}`,
      `--user-data-dir=${profile}`, `--window-size=${width},${height}`, 'about:blank',
    ], { stdio: 'ignore' });
    let pageUrl;
    for (let i = 0; i < 100 && !pageUrl; ++i) {
      await sleep(100);
      try {
        const targets = await (await fetch(`http://127.0.0.1:${port}/json/list`)).json();
        pageUrl = targets.find((t) => t.type === 'page')?.webSocketDebuggerUrl;
      } catch {}
    }
    if (!pageUrl) throw new Error('chromium did not start');
    const browser = new Browser(chromium, profile);
    await browser.connect(pageUrl);
    await browser.send('Page.enable');
    await browser.send('Runtime.enable');
    await browser.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
    await browser.send('Emulation.setDeviceMetricsOverride',
      { width, height, deviceScaleFactor: 1, mobile: false });
    return browser;
  }

  constructor(process, profile) {
    this.process = process;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.console = [];
  }

  connect(url) {
    this.socket = new WebSocket(url);
    this.socket.onmessage = (message) => {
      const data = JSON.parse(message.data);
      if (data.id && this.pending.has(data.id)) {
        const { resolve, reject } = this.pending.get(data.id);
        this.pending.delete(data.id);
        data.error ? reject(new Error(data.error.message)) : resolve(data.result);
      } else if (data.method === 'Runtime.consoleAPICalled') {
        this.console.push(data.params.args.map((a) => a.value).join(' '));
      } else if (data.method === 'Runtime.exceptionThrown') {
        this.console.push('exception: ' + JSON.stringify(data.params.exceptionDetails));
      }
    };
    return new Promise((resolve, reject) => {
      this.socket.onopen = resolve;
      this.socket.onerror = reject;
    });
  }

  send(method, params = {}) {
    const id = this.nextId++;
    this.socket.send(JSON.stringify({ id, method, params }));
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
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

  // A finger put down at one point, moved in steps to another and lifted.
  async drag(from, to, { touch = false, steps = 10 } = {}) {
    const at = (i) => ({ x: from.x + ((to.x - from.x) * i) / steps,
                         y: from.y + ((to.y - from.y) * i) / steps });
    if (touch) {
      await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
      for (let i = 1; i <= steps; ++i) {
        await sleep(30);
        await this.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [at(i)] });
      }
      await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
      return;
    }
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...from });
    await this.send('Input.dispatchMouseEvent',
      { type: 'mousePressed', ...from, button: 'left', clickCount: 1 });
    for (let i = 1; i <= steps; ++i) {
      await sleep(30);
      await this.send('Input.dispatchMouseEvent',
        { type: 'mouseMoved', ...at(i), button: 'left', buttons: 1 });
    }
    await this.send('Input.dispatchMouseEvent',
      { type: 'mouseReleased', ...to, button: 'left', clickCount: 1 });
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }

  async close() {
    await Promise.race([this.send('Browser.close').catch(() => {}), sleep(2000)]);
    this.socket.close();
    if (this.process.exitCode === null) {
      const exited = new Promise((resolve) => this.process.once('exit', resolve));
      this.process.kill('SIGKILL');
      await Promise.race([exited, sleep(5000)]);
    }
    rmSync(this.profile, { recursive: true, force: true });
  }
}

export { sleep };
