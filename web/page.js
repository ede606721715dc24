// The page around the game: loading progress, the fonts, sound after the first gesture, full
// screen, replays of demos (index.html?replay=NAME), and the end of the game.
'use strict';

(function () {
  const canvas = document.getElementById('canvas');
  const loading = document.getElementById('loading');
  const statusLine = document.getElementById('status');
  const progress = document.getElementById('progress');
  const ended = document.getElementById('ended');
  const endedText = document.getElementById('ended-text');

  // Browsers start sound only after the player touched the page: every audio context the game
  // makes is resumed on the first click, tap or key press.
  const audioContexts = [];
  const NativeAudioContext = window.AudioContext || window.webkitAudioContext;
  if (NativeAudioContext) {
    window.AudioContext = class extends NativeAudioContext {
      constructor(...options) {
        super(...options);
        audioContexts.push(this);
      }
    };
    window.webkitAudioContext = window.AudioContext;
  }
  function resumeAudio() {
    for (const context of audioContexts) {
      if (context.state === 'suspended') context.resume();
    }
  }
  // A touch counts as the player's gesture only when the finger lifts.
  for (const type of ['pointerdown', 'pointerup', 'touchend', 'keydown']) {
    window.addEventListener(type, resumeAudio, true);
  }

  // F11 and Alt+Enter switch the whole page in and out of full screen. The game never sees
  // these keys (it would ask the browser's SDL for a full screen of its own), nor does the
  // browser (its full screen would leave the page unaware).
  const fullScreenKeys = new Set();
  function isFullScreenKey(event) {
    return event.key === 'F11' || (event.altKey && event.key === 'Enter');
  }
  window.addEventListener('keydown', (event) => {
    if (!isFullScreenKey(event)) return;
    event.preventDefault();
    event.stopImmediatePropagation();
    fullScreenKeys.add(event.code);
    if (event.repeat) return;
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else {
      document.documentElement.requestFullscreen().catch(() => {});
    }
  }, true);
  window.addEventListener('keyup', (event) => {
    if (!fullScreenKeys.delete(event.code)) return;
    event.preventDefault();
    event.stopImmediatePropagation();
  }, true);

  // Emscripten reports the download of the game's data as "... (loaded/total)".
  function setStatus(text) {
    if (!text) {
      loading.hidden = true;
      return;
    }
    loading.hidden = false;
    const counts = /\((\d+)\/(\d+)\)/.exec(text);
    if (counts) {
      const loaded = Number(counts[1]);
      const total = Number(counts[2]);
      progress.max = total;
      progress.value = loaded;
      statusLine.textContent = 'Loading Tamberlo Adventure… ' +
        Math.floor((100 * loaded) / total) + ' % of ' + (total / 1048576).toFixed(1) + ' MB';
    } else if (/^Running/.test(text)) {
      statusLine.textContent = 'Starting…';
    } else {
      statusLine.textContent = 'Loading Tamberlo Adventure…';
    }
  }

  function showEnd(text) {
    loading.hidden = true;
    endedText.textContent = text;
    ended.hidden = false;
  }
  document.getElementById('again').addEventListener('click', () => location.reload());

  const replay = new URLSearchParams(location.search).get('replay');

  const Module = {
    canvas: canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    setStatus: setStatus,
    // The effects and the music are decoded from the bytes the game reads: there are no
    // preloaded copies to look for.
    noAudioDecoding: true,
    onExit: (status) => {
      window.tamberloExitStatus = status;
      if (replay) {
        document.getElementById('again').textContent = 'Replay again';
        showEnd('The replay of ' + replay + ' ended (status ' + status + ').');
      } else {
        showEnd(status === 0 ? 'You left Tamberlo Adventure. Thanks for playing!'
          : 'Tamberlo Adventure stopped (status ' + status + ').');
      }
    },
    onAbort: (what) => showEnd('Tamberlo Adventure stopped: ' + what),
  };
  window.Module = Module;

  // A replay's demo comes from the page's folder and goes into the game's files before main.
  async function prepareReplay() {
    if (!replay) return;
    if (!/^[\w.-]+$/.test(replay)) throw new Error('not a demo file name: ' + replay);
    const response = await fetch(replay);
    if (!response.ok) throw new Error('cannot load the demo ' + replay + ': ' + response.status);
    const bytes = new Uint8Array(await response.arrayBuffer());
    Module.arguments = ['--replay', replay, '--pictures'];
    Module.preRun = [() => Module.FS.writeFile(replay, bytes)];
  }

  // The game measures and draws its text at once: the fonts must be ready before it starts.
  function loadFonts() {
    return Promise.all(['actionj.ttf', 'indigo.ttf'].map(
      (family) => document.fonts.load('16px "' + family + '"')));
  }

  Promise.all([loadFonts(), prepareReplay()]).then(() => {
    window.tamberloStarted = performance.now();
    const script = document.createElement('script');
    script.src = 'tamberlo-adventure.js';
    script.onerror = () => showEnd('Could not load the game.');
    document.body.appendChild(script);
  }).catch((error) => {
    console.error(String(error));
    showEnd(String(error.message || error));
  });
})();
