// Plays the browser build in headless Chromium: loads the page, presses "Hrát", sees the title,
// leaves it by a click, reaches the Start screen, picks a face and carries the cap onto it by
// finger, reaches the learning garden, then reloads the page and finds the child's profile kept
// in the browser's storage. Writes screenshots and the measured times and sizes into the output
// folder. Usage: node --experimental-websocket first_screens.mjs SITE OUT
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

async function traceLine(pattern, timeoutMs = 20000) {
  const source = pattern.source.replace(/\\/g, '\\\\');
  return browser.waitFor(`window.rufoTrace.find((l) => /${source}/.test(l))`, timeoutMs);
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

  const leave = await pagePoint(600, 40);
  await browser.click(leave.x, leave.y);
  await traceLine(/ screen 0x5 0x4/);
  await sleep(1500);
  writeFileSync(join(out, 'start.png'), await browser.screenshot());

  // Clicks go on until the Start screen's introduction is skipped, as in the native demo.
  for (let i = 0; i < 28; ++i) {
    await browser.click(leave.x, leave.y);
    await sleep(1000);
  }
  const face = await pagePoint(116, 283);
  const cap = await pagePoint(203, 297);
  await browser.tap(face.x, face.y);
  await sleep(1000);
  await browser.tap(cap.x, cap.y);
  await sleep(1000);
  await browser.tap(face.x, face.y);
  await traceLine(/ save$/, 20000);
  await traceLine(/ screen 0x101 /, 20000);

  // The profile outlives the page: slot 0 in use with face 1.
  await sleep(500);
  await browser.navigate(`http://localhost:${port}/`);
  await browser.waitFor('!document.getElementById("play").disabled', 60000);
  const slot = await browser.evaluate(
    'Array.from(FS.readFile("/home/web_user/.local/share/rufo/rufo_usr.dat").slice(28, 56))');
  if (slot[0] !== 1 || slot[54 - 28] !== 1) fail('profile not kept: ' + JSON.stringify(slot));

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
