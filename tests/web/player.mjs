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

  // From the learning garden over its right edge into Garden1 and the frogs' game, their
  // introduction cut short; `atIntro` runs as it begins.
  async enterFrogs({ atIntro, touch = false } = {}) {
    await this.pressAt(620, 300, touch);
    await this.traceLine(/ screen 0x201 0x101$/);
    await this.pause(1000);
    await this.pressAt(370, 300, touch);
    await this.traceLine(/ speak MLUVI Sounds\\Garden1\\NUM\\sp_intro$/);
    if (atIntro) await atIntro();
    await this.pressAt(320, 20, touch);
  }
}
