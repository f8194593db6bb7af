// What a child does in the game, step by step, the same for the page in the browser and for the
// native program: a subclass gives pressAt (a click, or a tap when `touch`), traceLine (the
// first trace line that matches, once it has come) and pause (time passing).
export class Player {
  // The title shown, and the short while it takes no click.
  async awaitTitle() {
    await this.traceLine(/ screen 0x5 0x4$/);
    await this.pause(500);
  }

  // From the title to the learning garden: the Start screen's introduction cut short, the face
  // and the cap carried onto it by finger, RUFO's introduction cut short; everything by finger
  // when `touch`. `atStart` runs while the Start screen's introduction plays.
  async arriveAtTheHub({ atStart, touch = false } = {}) {
    await this.pressAt(600, 40, touch);
    await this.traceLine(/ screen 0x1 0x5$/);
    await this.traceLine(/ speak MLUVI Sounds\\Start\\sp_intro$/);
    if (atStart) await atStart();
    await this.pressAt(600, 40, touch);
    await this.pause(500);
    for (const [x, y] of [[116, 283], [203, 297], [116, 283]]) {
      await this.pressAt(x, y, true);
      await this.pause(1000);
    }
    await this.traceLine(/ screen 0x101 /);
    await this.traceLine(/ speak MLUVI Sounds\\LearnG\\sp_intro$/);
    await this.pressAt(320, 20, touch);
    await this.pause(1000);
  }

  // Over the scene's right edge into the next one, whose "screen" line is awaited.
  async walkRight(screen, touch = false) {
    await this.pressAt(620, 300, touch);
    await this.traceLine(screen);
    await this.pause(1000);
  }

  // Into a game from its scene by a press at (x, y), its introduction (awaited by the pattern
  // given) cut short; `atIntro` runs as it begins.
  async enterGame(x, y, intro, { atIntro, touch = false } = {}) {
    await this.pressAt(x, y, touch);
    await this.traceLine(intro);
    if (atIntro) await atIntro();
    await this.pressAt(320, 20, touch);
  }

  // From the learning garden into Garden1 and the frogs' game.
  async enterFrogs(options = {}) {
    await this.walkRight(/ screen 0x201 0x101$/, options.touch);
    await this.enterGame(370, 300, / speak MLUVI Sounds\\Garden1\\NUM\\sp_intro$/, options);
  }
}
