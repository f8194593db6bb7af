// The browser build on a phone held sideways (800 x 360) on a slow network: the picture keeps
// 4:3 between bars, the Start screen plays before the gardens' data pack has come, and the
// learning garden waits for it; then a child playing only by finger reaches Garden1, answers
// the frogs once, walks on to Garden2 and carries a piece of the picture series into its gap,
// and on to Garden3 and a tool into the cart, each by a finger drag.
// Usage: node --experimental-websocket phone_size.mjs SITE OUT
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { sleep } from './browser.mjs';
import { GamePage } from './game_page.mjs';

const [site, out] = process.argv.slice(2);
// Where each of the twenty tools hangs on Garden3's shed wall (the demo data's picture).
const kToolPlaces = [[286, 342], [270, 124], [286, 342], [534, 124], [488, 342], [534, 124],
  [402, 124], [488, 342], [270, 124], [402, 124], [384, 342], [334, 124], [384, 342], [598, 124],
  [586, 342], [598, 124], [466, 124], [586, 342], [334, 124], [466, 124]];
mkdirSync(out, { recursive: true });

await GamePage.run(site, { width: 800, height: 360 }, async (page) => {
  // The gardens' pack is held back until the child has chosen a face.
  let heldPack;
  page.browser.on('Fetch.requestPaused', (request) => { heldPack = request.requestId; });
  await page.browser.send('Fetch.enable', { patterns: [{ urlPattern: '*data-rest.data' }] });
  await page.load();
  await page.play();
  const r = await page.canvasRect();
  if (r.width !== 480 || r.height !== 360 || r.left !== 160 || r.top !== 0) {
    throw new Error('the picture is not 480 x 360 between bars: ' + JSON.stringify(r));
  }
  const packWait = (async () => {
    await page.traceLine(/ speak MLUVI Sounds\\Start\\sp_intro$/);
    await sleep(10000);
    const hub = await page.browser.evaluate('window.rufoTrace.some((l) => / screen 0x101 /.test(l))');
    const shown = await page.browser.evaluate('!document.getElementById("front").hidden && ' +
      '!document.getElementById("front").classList.contains("hidden")');
    if (hub || !shown || !heldPack) {
      throw new Error(`the learning garden did not wait for its data (${hub}, ${shown})`);
    }
    await page.browser.send('Fetch.continueRequest', { requestId: heldPack });
  })();
  await Promise.all([page.arriveAtTheHub({ touch: true }), packWait]);
  await page.enterFrogs({ touch: true });
  await page.answerFrogs(0, true);

  // Out of the frogs' game and on to Garden2's bird, the picture series.
  await page.back(true);
  await page.traceLine(/ screen 0x201 0x202$/);
  await sleep(1000);
  await page.walkRight(/ screen 0x301 0x201$/, true);
  await page.enterGame(480, 200, / speak MLUVI Sounds\\Garden2\\LOG\\sp_intro$/, { touch: true });
  const question = await page.traceLine(/ question 0x304 drag \d to [\d,]+$/);
  const [, piece, left, top, right, bottom] =
    / drag (\d) to (\d+),(\d+),(\d+),(\d+)$/.exec(question).map(Number);
  await sleep(300);
  await page.dragAt([[78 + 90 * piece + 36, 341], [(left + right) / 2, (top + bottom) / 2]], true);
  const verdict = await page.traceLine(/ answer 0x304 /);
  if (!/ good /.test(verdict)) throw new Error('the dragged piece was not taken: ' + verdict);
  writeFileSync(join(out, 'phone.png'), await page.browser.screenshot());

  // Back to Garden2's scene, on to Garden3 and into the tool cart: the tool asked for, carried
  // by finger from its place on the wall over the cart and down into it.
  await page.back(true);
  await page.traceLine(/ screen 0x301 0x304$/);
  await sleep(1000);
  await page.walkRight(/ screen 0x401 0x301$/, true);
  await page.enterGame(290, 280, / speak MLUVI Sounds\\Garden3\\NOT\\sp_intro$/, { touch: true });
  const tool = Number(/ drag (\d+) to hit \d+$/.exec(
    await page.traceLine(/ question 0x402 drag \d+ to hit \d+$/))[1]);
  await sleep(300);
  await page.dragAt([kToolPlaces[tool], [(kToolPlaces[tool][0] + 132) / 2, 200], [132, 200],
    [132, 280]], true);
  const taken = await page.traceLine(/ answer 0x402 /);
  if (!/ good /.test(taken)) throw new Error('the tool carried by finger was not taken: ' + taken);
  writeFileSync(join(out, 'cart.png'), await page.browser.screenshot());
});
