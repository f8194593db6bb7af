// Plays the browser build in headless Chromium: loads the page, presses "Hrát", sees the title,
// leaves it by a click, reaches the Start screen, picks a face and carries the cap onto it by
// finger, reaches the learning garden, walks on to Garden1 and wins the frogs' counting game
// (sticker 7) with the answers the trace asks for, every other one by finger; then reloads the
// page and finds the child's profile and sticker kept in the browser's storage, and the album
// opened again. Writes screenshots and the measured times and sizes into the output folder.
// Usage: node --experimental-websocket first_screens.mjs SITE OUT
import { spawn } from 'node:child_process';
import { mkdirSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Browser, sleep } from './browser.mjs';

const [site, out] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const port = 8000 + Math.floor(Math.random() * 900) + 100;
const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
  '--directory', site], { stdio: 'ignore' });
let browser;

function fail(message) {
  console.error('FAIL: ' + message);
  if (browser) console.error(browser.console.slice(-30).join('\n'));
  process.exitCode = 1;
}

// Page coordinates of a game pixel, wherever the canvas stands.
async function pagePoint(x, y) {
  const r = await browser.evaluate(
    'JSON.stringify(Module.canvas.getBoundingClientRect())').then(JSON.parse);
  return { x: r.left + ((x + 0.5) * r.width) / 640, y: r.top + ((y + 0.5) * r.height) / 480 };
}

// The n-th trace line (from 0) that matches, once it has come.
async function nthTraceLine(pattern, n, timeoutMs = 20000) {
  // The pattern's source is a regular expression literal's text already: it goes in as it is.
  return browser.waitFor(
    `window.rufoTrace.filter((l) => /${pattern.source}/.test(l))[${n}]`, timeoutMs);
}

async function traceLine(pattern, timeoutMs = 20000) {
  return nthTraceLine(pattern, 0, timeoutMs);
}

// From the title to the learning garden: the Start screen's introduction cut short, a face and
// the cap onto it by finger, RUFO's introduction cut short.
async function arriveAtTheHub(shoot) {
  await clickAt(600, 40);
  await traceLine(/ screen 0x5 0x4/);
  await traceLine(/ speak MLUVI Sounds\\Start\\sp_intro$/);
  if (shoot) writeFileSync(join(out, 'start.png'), await browser.screenshot());
  await clickAt(600, 40);
  await sleep(500);
  for (const [x, y] of [[116, 283], [203, 297], [116, 283]]) {
    await tapAt(x, y);
    await sleep(1000);
  }
  await traceLine(/ screen 0x101 /);
  await traceLine(/ speak MLUVI Sounds\\LearnG\\sp_intro$/);
  await clickAt(320, 20);
  await sleep(1000);
}

async function clickAt(x, y) {
  const p = await pagePoint(x, y);
  await browser.click(p.x, p.y);
}

async function tapAt(x, y) {
  const p = await pagePoint(x, y);
  await browser.tap(p.x, p.y);
}

try {
  await sleep(300);
  browser = await Browser.launch({ width: 1024, height: 768 });
  const started = Date.now();
  await browser.navigate(`http://localhost:${port}/?trace=1`);
  await browser.waitFor('!document.getElementById("play").disabled', 60000);
  const ready = Date.now() - started;
  const button = await browser.evaluate(
    'JSON.stringify(document.getElementById("play").getBoundingClientRect())').then(JSON.parse);
  await browser.click(button.left + button.width / 2, button.top + button.height / 2);
  await traceLine(/ screen 0x4 /);
  const title = Date.now() - started;
  await sleep(500);
  writeFileSync(join(out, 'title.png'), await browser.screenshot());

  await arriveAtTheHub(true);
  if (!(await traceLine(/ save$/))) throw new Error('the new profile was not saved');

  // On to Garden1 and into the frogs' game, its introduction cut short.
  await clickAt(620, 300);
  await traceLine(/ screen 0x201 0x101$/);
  await sleep(1000);
  await clickAt(370, 300);
  await traceLine(/ speak MLUVI Sounds\\Garden1\\NUM\\sp_intro$/);
  await clickAt(320, 20);
  // Each question names the number of frogs; its button is the one to press.
  for (let i = 0; i < 10; ++i) {
    const line = await nthTraceLine(/ question 0x202 hit \d+$/, i);
    const value = Number(/hit (\d+)$/.exec(line)[1]);
    await sleep(300);
    const at = [22 + (value % 10) * 61 + 28, 361];
    await (i % 2 ? tapAt(...at) : clickAt(...at));
    const verdict = await nthTraceLine(/ answer 0x202 /, i);
    if (!/ good /.test(verdict)) throw new Error('answer ' + i + ' not taken: ' + verdict);
  }
  await traceLine(/ sticker 7$/);
  await traceLine(/ screen 0x801 /);
  await sleep(1500);
  writeFileSync(join(out, 'sticker.png'), await browser.screenshot());

  // The profile outlives the page: slot 0 in use with face 1 and sticker 7.
  await sleep(500);
  await browser.navigate(`http://localhost:${port}/?trace=1`);
  await browser.waitFor('!document.getElementById("play").disabled', 60000);
  const slot = await browser.evaluate(
    'Array.from(FS.readFile("/home/web_user/.local/share/rufo/rufo_usr.dat").slice(28, 56))');
  if (slot[0] !== 1 || slot[54 - 28] !== 1) fail('profile not kept: ' + JSON.stringify(slot));
  if (slot[32 + 7 - 28] !== 1) fail('sticker 7 not kept: ' + JSON.stringify(slot));

  // The same child again, by finger, and the album from the toolbar.
  await browser.click(button.left + button.width / 2, button.top + button.height / 2);
  await traceLine(/ screen 0x4 /);
  await sleep(500);
  await arriveAtTheHub(false);
  const tab = await pagePoint(330, 470);
  await browser.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: tab.x, y: tab.y });
  await sleep(800);
  await clickAt(330, 446);
  await traceLine(/ screen 0x801 /);
  await sleep(1500);
  writeFileSync(join(out, 'album.png'), await browser.screenshot());

  const bytes = (name) => statSync(join(site, name)).size;
  const beforeTitle = ['index.html', 'page.css', 'page.js', 'rufo-web.js', 'rufo-web.wasm',
    'data-start.js', 'data-start.data'].reduce((sum, f) => sum + bytes(f), 0);
  const total = readdirSync(site).reduce((sum, f) => sum + bytes(f), 0);
  const report = { readyMs: ready, titleMs: title, wasmBytes: bytes('rufo-web.wasm'),
    beforeTitleBytes: beforeTitle, totalBytes: total };
  writeFileSync(join(out, 'measures.json'), JSON.stringify(report, null, 2) + '\n');
  console.log(JSON.stringify(report));
} catch (error) {
  fail(error.message);
} finally {
  server.kill();
  if (browser) await browser.close();
  process.exit();
}
