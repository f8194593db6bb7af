// The native program, headless on a data tree, driven by the same steps as the page. An awaited
// trace line is found by playing the input so far again from the start: with the virtual clock
// a run takes a fraction of a second, and the same input and seed give the same game. Frames at
// chosen game times come from RUFO_CAPTURE.
import { spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Player } from './player.mjs';

// How far past the input so far a run looks for an awaited line, in game time.
const kLookAheadMs = 30000;

export class NativeGame extends Player {
  constructor({ program, data, seed, folder }) {
    super();
    Object.assign(this, { program, data, seed, folder });
    this.now = 0;
    this.script = [];
  }

  async pause(ms) {
    this.now += ms;
  }

  // The button goes down where the pointer (or finger) comes and up a moment later, as the
  // browser's press does; a tap and a click give the same input.
  async pressAt(x, y) {
    this.script.push(`${this.now} move ${x} ${y}`, `${this.now} ldown`, `${this.now + 40} lup`);
    this.now += 40;
  }

  // The first line that matches; the game's time goes on to it when it comes later.
  async traceLine(pattern) {
    const line = this.run(this.now + kLookAheadMs).find((l) => pattern.test(l));
    if (!line) throw new Error(`native: no trace line ${pattern} by ${this.now + kLookAheadMs} ms`);
    this.now = Math.max(this.now, Number(line.split(' ')[0]));
    return line;
  }

  // The frames composed at the game times given, as PNG files' contents.
  frames(times) {
    const files = times.map((t, i) => join(this.folder, `frame${i}.png`));
    this.run(Math.max(...times) + 100, times.map((t, i) => `${t}:${files[i]}`).join(','));
    return files.map((f) => readFileSync(f));
  }

  // Plays the input so far from a fresh start until `runMs`; returns the trace's lines.
  run(runMs, capture = '') {
    rmSync(this.folder, { recursive: true, force: true });
    mkdirSync(join(this.folder, 'config'), { recursive: true });
    mkdirSync(join(this.folder, 'rt'));
    writeFileSync(join(this.folder, 'config', 'rufo.ini'),
      `[Rufo I]\nCD=${this.data}/\nHD=${this.folder}/rt/\n`);
    writeFileSync(join(this.folder, 'input.txt'), this.script.join('\n') + '\n');
    const trace = join(this.folder, 'trace.txt');
    const result = spawnSync(this.program, [], {
      env: {
        ...process.env, HOME: this.folder, XDG_RUNTIME_DIR: this.folder, RUFO_HEADLESS: '1',
        RUFO_CONFIG_DIR: join(this.folder, 'config'), RUFO_SEED: String(this.seed),
        RUFO_RUN_MS: String(runMs), RUFO_INPUT: join(this.folder, 'input.txt'),
        RUFO_TRACE: trace, ...(capture ? { RUFO_CAPTURE: capture } : {}),
      },
      encoding: 'utf8',
    });
    if (result.status !== 0) throw new Error(`native run failed (${result.status}): ${result.stderr}`);
    return readFileSync(trace, 'utf8').split('\n');
  }
}
