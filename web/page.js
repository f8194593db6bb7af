// The page around the game: loads the data with a progress bar, restores the player's files from
// the browser's storage, and starts the game when the child presses "Hrát" (browsers let sound
// start only after such a press). With ?trace=1 the game's trace lines go to the console and to
// window.rufoTrace, in the format of RUFO_TRACE; ?seed=N fixes the game's random draws, as
// RUFO_SEED does.
'use strict';

const params = new URLSearchParams(location.search);
const tracing = params.get('trace') === '1';
const home = '/home/web_user';
window.rufoTrace = [];

const statusLine = document.getElementById('status');
const fill = document.getElementById('fill');
const playButton = document.getElementById('play');

function showProgress(loaded, total) {
  const percent = total > 0 ? Math.min(100, Math.round((100 * loaded) / total)) : 0;
  fill.style.width = percent + '%';
  statusLine.textContent = 'Nahrávám hru… ' + percent + ' %';
}

function loadScript(src) {
  const script = document.createElement('script');
  script.src = src;
  // In the order asked: the data pack registers itself before the game starts loading.
  script.async = false;
  document.body.appendChild(script);
}

var Module = {
  canvas: document.getElementById('canvas'),
  preRun: [
    function () {
      if (tracing) ENV.RUFO_TRACE = '/dev/stdout';
      if (/^\d+$/.test(params.get('seed') || '')) ENV.RUFO_SEED = params.get('seed');
      // The player's files (rufo.ini, rufo_usr.dat) live under the home folder, kept in IndexedDB.
      FS.mkdirTree(home);
      FS.mount(IDBFS, {}, home);
      Module.addRunDependency('user-files');
      FS.syncfs(true, function (error) {
        if (error) console.error('rufo: cannot read stored progress: ' + error);
        Module.removeRunDependency('user-files');
      });
    },
  ],
  print: function (line) {
    if (tracing) window.rufoTrace.push(line);
    console.log(line);
  },
  printErr: function (line) {
    console.warn(line);
  },
  // The data packer reports "Downloading data... (loaded/total)".
  setStatus: function (text) {
    const m = /\((\d+)\/(\d+)\)/.exec(text);
    if (m) showProgress(Number(m[1]), Number(m[2]));
  },
  onRuntimeInitialized: function () {
    fill.style.width = '100%';
    statusLine.textContent = 'Hra je připravená.';
    playButton.disabled = false;
    playButton.focus();
  },
  onGameEnd: function () {
    document.getElementById('front').classList.remove('hidden');
    statusLine.textContent = 'Hra skončila. Na shledanou!';
    playButton.disabled = true;
  },
};

playButton.addEventListener('click', function () {
  playButton.disabled = true;
  document.getElementById('front').classList.add('hidden');
  // Phones and tablets play in full screen; the press is the gesture the browser asks for.
  if (matchMedia('(pointer: coarse)').matches && document.documentElement.requestFullscreen) {
    document.documentElement.requestFullscreen().catch(function () {});
  }
  Module.canvas.focus();
  Module.callMain([]);
  loadSecondPack();
});

// The gardens' pack, loaded while the child begins. The game asks whether it has arrived when
// it wants a screen beyond the Start screen; until then the progress shows over the picture.
let secondPackArrived = false;
let waitingShown = false;
function loadSecondPack() {
  const remove = Module.removeRunDependency;
  Module.removeRunDependency = function (id) {
    if (id === 'datafile_data-rest.data') {
      secondPackArrived = true;
      document.getElementById('front').classList.add('hidden');
    }
    remove(id);
  };
  loadScript('data-rest.js');
}
Module.secondPackArrived = function () {
  if (!secondPackArrived && !waitingShown) {
    waitingShown = true;
    playButton.hidden = true;
    document.getElementById('front').classList.remove('hidden');
  }
  return secondPackArrived;
};
// A pack that cannot be fetched stops the loader with an error; the parents learn what to do.
window.addEventListener('error', function (event) {
  if (/NetworkError/.test(event.message || '')) {
    statusLine.textContent = 'Hru se nepodařilo nahrát. Zkontrolujte připojení a načtěte stránku znovu.';
  }
});

// The page's sound runs only while the page is seen and the game has something to play. A
// hidden page is silent: the browser steps the game seldom or not at all there, too seldom to
// refill the sound, which would replay what it last had; it goes on where it was when the page
// is seen again. While the game says nothing plays, the game's sound node is taken out of the
// sound's path and the sound is suspended, so that the browser neither asks for blocks of
// silence nor keeps its sound running; both come back in the step in which the game starts a
// sound, which then plays from its first sample.
let soundResting = false;
let soundConnected = true;
function settleSound() {
  const SDL2 = Module.SDL2;
  const audio = SDL2 && SDL2.audioContext;
  const node = SDL2 && SDL2.audio && SDL2.audio.scriptProcessorNode;
  if (!audio || !node) return;
  if (soundConnected === soundResting) {
    soundConnected = !soundResting;
    if (soundConnected) {
      node.connect(audio.destination);
    } else {
      node.disconnect();
    }
  }
  const silent = document.hidden || soundResting;
  if (silent && audio.state === 'running') {
    audio.suspend();
  } else if (!silent && audio.state === 'suspended') {
    audio.resume();
  }
}
Module.restSound = function (resting) {
  soundResting = resting;
  settleSound();
};
document.addEventListener('visibilitychange', settleSound);

// No scrolling, zooming or long-press menu takes a gesture away from the game.
document.addEventListener('touchmove', function (event) {
  event.preventDefault();
}, { passive: false });
document.addEventListener('gesturestart', function (event) {
  event.preventDefault();
});
for (const type of ['touchstart', 'touchend', 'dblclick', 'contextmenu']) {
  Module.canvas.addEventListener(type, function (event) {
    event.preventDefault();
  }, { passive: false });
}

loadScript('data-start.js');
loadScript('rufo-web.js');
