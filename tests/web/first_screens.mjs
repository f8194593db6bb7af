// Plays the browser build in headless Chromium: loads the page, presses "Hrát", sees the title,
// leaves it by a click, reaches the Start screen, picks a face and carries the cap onto it by
// finger, reaches the learning garden, walks on to Garden1 and wins the frogs' counting game
// (sticker 7) with the answers the trace asks for, every other one by finger; then reloads the
// page and finds the child's profile and sticker kept in the browser's storage, and the album
// opened again. The Start screen and the frogs' first question look as the native program
// draws them at the same moment of the same play. Writes screenshots and the measured times
// and sizes into the output folder.
// Usage: node --experimental-websocket first_screens.mjs SITE OUT NATIVE_BUILD
import { mkdirSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { sleep } from './browser.mjs';
import { GamePage } from './game_page.mjs';
import { NativeGame } from './native_game.mjs';
import { decodePng, differingShare } from './png.mjs';

const [site, out, native] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const seed = 11;

// The page's picture of a moment, with the canvas's place on it.
async function shoot(page, name) {
  const shot = await page.browser.screenshot();
  writeFileSync(join(out, name + '.png'), shot);
  return { shot: decodePng(shot), rect: await page.canvasRect(), name };
}

// The same play by the native program: its frames from the moment the page's picture was
// taken at (the line awaited then) over the next 1.5 s, one of which must look the same. The
// random draws follow the moments of the input, so the pictures are taken before any.
function compareWithNative(shots) {
  const game = new NativeGame({ program: join(native, 'rufo'), data: resolve(native, 'data'),
    seed, folder: join(resolve(out), 'native') });
  const moments = {};
  return (async () => {
    await game.awaitTitle();
    await game.arriveAtTheHub({ atStart: async () => { moments.start = game.now; } });
    await game.enterFrogs({ atIntro: async () => { moments.frogs = game.now; } });
    for (const { shot, rect, name } of shots) {
      const times = Array.from({ length: 31 }, (_, i) => moments[name] + 50 * i);
      const shares = game.frames(times).map((f) => differingShare(decodePng(f), shot, rect));
      const best = Math.min(...shares);
      console.log(`${name}: ${(100 * best).toFixed(2)} % of the pixels differ from the native frame`);
      if (best > 0.01) throw new Error(`the ${name} picture differs from the native one`);
    }
  })();
}

// The share of one processor's time the whole browser takes over ten seconds in which the
// screen shown rests, once its introduction is surely over.
async function restingCpu(page) {
  await sleep(12000);
  const before = page.browser.cpuSeconds();
  const lines = await page.browser.evaluate('window.rufoTrace.length');
  await sleep(10000);
  const share = (page.browser.cpuSeconds() - before) / 10;
  const events = await page.browser.evaluate(`window.rufoTrace.slice(${lines})`);
  if (events.length) console.log('while resting: ' + events.join(' | '));
  return share;
}

// How long after the first wake of the page's sound, noted by watchSound, the first block
// with sound in it came: the block right after the wake must carry the sound already.
async function firstSoundAfterRest(page) {
  const log = await page.soundLog();
  const wake = log.findIndex((entry) => entry.resting === false);
  const block = log.slice(wake + 1).find((entry) => entry.peak !== undefined);
  if (wake < 0 || !block) throw new Error('no sound after the rest: ' + JSON.stringify(log));
  const ms = Math.round(block.at - log[wake].at);
  console.log(`the first block after the rest: ${ms} ms after the wake, peak ${block.peak}`);
  if (block.peak === 0 || ms > 150) throw new Error('the sound after the rest came late');
  return ms;
}

await GamePage.run(site, { width: 1024, height: 768 }, async (page) => {
  const started = Date.now();
  await page.load(seed);
  const ready = Date.now() - started;
  await page.play();
  const title = Date.now() - started;
  writeFileSync(join(out, 'title.png'), await page.browser.screenshot());

  const shots = [];
  await page.arriveAtTheHub({ atStart: async () => shots.push(await shoot(page, 'start')) });
  if (!(await page.traceLine(/ save$/))) throw new Error('the new profile was not saved');

  // Into the frogs' game; each question names the number of frogs, its button is the answer.
  await page.enterFrogs({ atIntro: async () => shots.push(await shoot(page, 'frogs')) });
  for (let i = 0; i < 10; ++i) await page.answerFrogs(i, i % 2 === 1);
  await page.traceLine(/ sticker 7$/);
  await page.traceLine(/ screen 0x801 /);
  await sleep(1500);
  writeFileSync(join(out, 'sticker.png'), await page.browser.screenshot());

  // The profile outlives the page: slot 0 in use with face 1 and sticker 7.
  await sleep(500);
  await page.load(seed);
  const slot = await page.browser.evaluate(
    'Array.from(FS.readFile("/home/web_user/.local/share/rufo/rufo_usr.dat").slice(28, 56))');
  if (slot[0] !== 1 || slot[54 - 28] !== 1) throw new Error('profile not kept: ' + slot);
  if (slot[32 + 7 - 28] !== 1) throw new Error('sticker 7 not kept: ' + slot);

  // The same child again, by finger, and the album from the toolbar. On the way, the Start
  // screen rests after its introduction, and the browser's processor time is measured; the
  // browser asks the game for no sound there, and the next sound is heard at once.
  await page.play();
  let restCpu, restingBlocks;
  await page.arriveAtTheHub({ atStart: async () => {
    restCpu = await restingCpu(page);
    await page.watchSound();
    await sleep(500);
    restingBlocks = (await page.soundLog()).length;
  } });
  if (restingBlocks !== 0) throw new Error('the resting page mixes sound');
  const soundAfterRest = await firstSoundAfterRest(page);
  const tab = await page.pagePoint(330, 470);
  await page.browser.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...tab });
  await sleep(800);
  await page.clickAt(330, 446);
  await page.traceLine(/ screen 0x801 /);
  await sleep(1500);
  writeFileSync(join(out, 'album.png'), await page.browser.screenshot());

  await compareWithNative(shots);

  const bytes = (name) => statSync(join(site, name)).size;
  const beforeTitle = ['index.html', 'page.css', 'page.js', 'rufo-web.js', 'rufo-web.wasm',
    'data-start.js', 'data-start.data'].reduce((sum, f) => sum + bytes(f), 0);
  const total = readdirSync(site).reduce((sum, f) => sum + bytes(f), 0);
  const report = { readyMs: ready, titleMs: title, restingCpuShare: restCpu,
    soundAfterRestMs: soundAfterRest, wasmBytes: bytes('rufo-web.wasm'), beforeTitleBytes: beforeTitle, totalBytes: total };
  writeFileSync(join(out, 'measures.json'), JSON.stringify(report, null, 2) + '\n');
  console.log(JSON.stringify(report));
});
