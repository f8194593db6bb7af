// The game's page in headless Chromium, seen as the tests see it: served from the site folder,
// the "Hrát" button pressed, input given at game coordinates (mouse or finger) wherever the
// canvas stands, and the trace lines of ?trace=1 awaited.
import { spawn } from 'node:child_process';
import { Browser, sleep } from './browser.mjs';
import { Player } from './player.mjs';

export class GamePage extends Player {
  // Serves `site` on a free-looking port and opens a browser of the size given.
  static async open(site, { width = 1024, height = 768 } = {}) {
    const port = 8000 + Math.floor(Math.random() * 900) + 100;
    const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
      '--directory', site], { stdio: 'ignore' });
    await sleep(300);
    try {
      return new GamePage(server, port, await Browser.launch({ width, height }));
    } catch (error) {
      server.kill();
      throw error;
    }
  }

  // A whole test: `play` gets the page opened as `open` does; a failure is printed with the
  // page's last console lines and fails the process; the browser and the server end in any case.
  static async run(site, options, play) {
    let page;
    try {
      page = await GamePage.open(site, options);
      await play(page);
    } catch (error) {
      console.error('FAIL: ' + error.message);
      if (page) console.error(page.browser.console.slice(-30).join('\n'));
      process.exitCode = 1;
    } finally {
      if (page) await page.close();
      process.exit();
    }
  }

  constructor(server, port, browser) {
    super();
    this.server = server;
    this.port = port;
    this.browser = browser;
  }

  // Loads the page with the trace on (and a fixed seed when given) and waits for "Hrát".
  async load(seed) {
    const query = seed === undefined ? '?trace=1' : `?trace=1&seed=${seed}`;
    await this.browser.navigate(`http://localhost:${this.port}/${query}`);
    await this.browser.waitFor('!document.getElementById("play").disabled', 60000);
  }

  // The canvas's place on the page.
  async canvasRect() {
    return this.browser.evaluate('JSON.stringify(Module.canvas.getBoundingClientRect())')
      .then(JSON.parse);
  }

  // Page coordinates of the middle of a game pixel.
  async pagePoint(x, y) {
    const r = await this.canvasRect();
    return { x: r.left + ((x + 0.5) * r.width) / 640, y: r.top + ((y + 0.5) * r.height) / 480 };
  }

  async clickAt(x, y) {
    const p = await this.pagePoint(x, y);
    await this.browser.click(p.x, p.y);
  }

  async tapAt(x, y) {
    const p = await this.pagePoint(x, y);
    await this.browser.tap(p.x, p.y);
  }

  // Held down at the first game point, carried through the others and let go at the last; by
  // finger when `touch`.
  async dragAt(points, touch) {
    const pagePoints = [];
    for (const p of points) pagePoints.push(await this.pagePoint(...p));
    await this.browser.drag(pagePoints, { touch });
  }

  // Presses "Hrát" and waits for the title.
  async play() {
    const b = await this.browser.evaluate(
      'JSON.stringify(document.getElementById("play").getBoundingClientRect())').then(JSON.parse);
    await this.browser.click(b.left + b.width / 2, b.top + b.height / 2);
    await this.awaitTitle();
  }

  // The n-th trace line (from 0) that matches, once it has come.
  async nthTraceLine(pattern, n, timeoutMs = 20000) {
    // The pattern's source is a regular expression literal's text already: it goes in as it is.
    return this.browser.waitFor(
      `window.rufoTrace.filter((l) => /${pattern.source}/.test(l))[${n}]`, timeoutMs);
  }

  async traceLine(pattern, timeoutMs = 20000) {
    return this.nthTraceLine(pattern, 0, timeoutMs);
  }

  async pause(ms) {
    await sleep(ms);
  }

  // A click, or a tap when `touch`.
  async pressAt(x, y, touch) {
    await (touch ? this.tapAt(x, y) : this.clickAt(x, y));
  }

  // The toolbar's back button, once the toolbar has slid open under the pointer (or the finger
  // put on its tab).
  async back(touch = false) {
    if (touch) {
      await this.tapAt(394, 470);
    } else {
      const tab = await this.pagePoint(394, 470);
      await this.browser.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...tab });
    }
    await sleep(800);
    await this.pressAt(394, 445, touch);
  }

  // Answers the frogs' n-th question (from 0) where the trace asks; by finger when `touch`.
  async answerFrogs(n, touch) {
    const line = await this.nthTraceLine(/ question 0x202 hit \d+$/, n);
    const value = Number(/hit (\d+)$/.exec(line)[1]);
    await sleep(300);
    const at = [22 + (value % 10) * 61 + 28, 361];
    await this.pressAt(...at, touch);
    const verdict = await this.nthTraceLine(/ answer 0x202 /, n);
    if (!/ good /.test(verdict)) throw new Error('frogs answer ' + n + ' not taken: ' + verdict);
  }

  // From now on, notes when the game rests or wakes the page's sound, and for each block of
  // sound the browser asks the game for, when it came and its loudest sample.
  async watchSound() {
    await this.browser.evaluate(`(() => {
      const log = window.rufoSound = [];
      const node = Module.SDL2.audio.scriptProcessorNode;
      const fill = node.onaudioprocess;
      node.onaudioprocess = (event) => {
        fill(event);
        const samples = event.outputBuffer.getChannelData(0);
        let peak = 0;
        for (let i = 0; i < samples.length; ++i) peak = Math.max(peak, Math.abs(samples[i]));
        log.push({ at: performance.now(), peak });
      };
      const rest = Module.restSound;
      Module.restSound = (resting) => {
        log.push({ at: performance.now(), resting });
        rest(resting);
      };
      return true;
    })()`);
  }

  // What watchSound noted.
  async soundLog() {
    return this.browser.evaluate('JSON.stringify(window.rufoSound)').then(JSON.parse);
  }

  async close() {
    this.server.kill();
    await this.browser.close();
  }
}
