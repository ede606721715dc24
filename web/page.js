// The page around the game: loading the game and its files (the late sounds after the first
// picture), keeping the site for playing offline, sound after the first gesture, full screen,
// replays of demos (index.html?replay=NAME), a player's own mazes from a link
// (index.html#mazes=CODE~CODE..., with &won=autopilot or &won=player from the editor), their
// win recorded, and the end of the game.
'use strict';

(function () {
  const canvas = document.getElementById('canvas');
  const loading = document.getElementById('loading');
  const statusLine = document.getElementById('status');
  // The figures of the download and the start, in a line of their own below the bar, smaller
  // than the status line: the status line, drawn first and never changed, stays the page's
  // largest text.
  const figures = document.createElement('p');
  figures.id = 'figures';
  document.getElementById('progress').after(figures);
  const progress = document.getElementById('progress');
  const ended = document.getElementById('ended');
  const endedText = document.getElementById('ended-text');

  // Browsers start sound only after the player touched the page: every audio context the game
  // makes is resumed on the first click, tap or key press.
  const audioContexts = [];
  const NativeAudioContext = window.AudioContext || window.webkitAudioContext;
  // Making one can take a tenth of a second: the page makes the game's at once (below), and
  // hands it over when the game asks for one.
  let premadeAudio = null;
  if (NativeAudioContext) {
    window.AudioContext = class extends NativeAudioContext {
      constructor(...options) {
        if (premadeAudio && options.length === 0) {
          const context = premadeAudio;
          premadeAudio = null;
          return context;
        }
        super(...options);
        audioContexts.push(this);
      }
    };
    window.webkitAudioContext = window.AudioContext;
    // The first audio context of a page starts the browser's sound system, which holds the page
    // up: that is done before the page is first drawn, while no player waits on it yet.
    premadeAudio = new window.AudioContext();
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
  // The touch controls' Full screen button does the same, and also turns a phone sideways where
  // the browser can lock it, which shows the picture largest.
  function toggleFullScreen(landscape) {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
      return;
    }
    document.documentElement.requestFullscreen()
      .then(() => landscape && screen.orientation && screen.orientation.lock('landscape'))
      .catch(() => {});
  }
  document.getElementById('full-screen').addEventListener('click', () => toggleFullScreen(true));
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
    toggleFullScreen(false);
  }, true);
  window.addEventListener('keyup', (event) => {
    if (!fullScreenKeys.delete(event.code)) return;
    event.preventDefault();
    event.stopImmediatePropagation();
  }, true);

  // The browser's SDL listens for the page's unload to tell the game it quits, and a page with
  // an unload listener is never kept for going back and forth. The game keeps nothing at its
  // end, so that listener is left out: the only one the page would have.
  const addWindowListener = window.addEventListener;
  window.addEventListener = function (type, ...rest) {
    if (type !== 'unload') addWindowListener.call(this || window, type, ...rest);
  };

  // The browser's SDL keeps every picture in a canvas of its own and reads its pixels back, and
  // the game draws into the screen's pixels, read and written at each present: such canvases
  // live in memory (the browser's willReadFrequently), not in the graphics card, from which
  // each read would be a slow copy.
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (type, attributes) {
    return getContext.call(this, type,
      type === '2d' ? { willReadFrequently: true, ...attributes } : attributes);
  };

  function showEnd(text) {
    loading.hidden = true;
    endedText.textContent = text;
    ended.hidden = false;
  }
  // Once a link's mazes were refused, the button offers the game's own instead.
  let ownMazesNext = false;
  document.getElementById('again').addEventListener('click',
    () => (ownMazesNext ? location.replace(location.pathname) : location.reload()));

  function fail(error) {
    console.error(String(error));
    showEnd('Could not load the game: ' + (error.message || error));
  }

  const replay = new URLSearchParams(location.search).get('replay');
  // A link to a player's own mazes, index.html#mazes=CODE~CODE..., plays them as a set: the
  // game checks them as it checks any set, and says why it cannot play them.
  const linkParts = new URLSearchParams(location.hash.slice(1));
  const mazes = linkParts.get('mazes');
  // Such a link may say who has won its mazes (the editor writes it): a note beside the picture.
  const wonNotes = { autopilot: 'The autopilot has won this maze',
    player: 'A player has beaten this maze' };
  const wonNote = document.getElementById('won-note');
  if (mazes && wonNotes[linkParts.get('won')]) {
    wonNote.textContent = wonNotes[linkParts.get('won')];
    wonNote.hidden = false;
  }
  const gameErrors = [];
  let gameEnded = false;

  // The progress counts the bytes of the code and the data the game waits for as they come
  // over the network: a compressed response says its length on the wire, and the share of it
  // received is the share of its uncompressed bytes (its size in the site's list) read so far.
  const received = { wasm: 0, data: 0 };
  const onWire = {};
  let sizes = null;
  function showProgress() {
    if (!sizes || gameEnded || loading.hidden || figures.textContent === 'Starting…') return;
    let total = 0;
    let loaded = 0;
    for (const name of Object.keys(received)) {
      const wire = onWire[name] || sizes[name];
      total += wire;
      loaded += (wire * Math.min(received[name], sizes[name])) / sizes[name];
    }
    progress.max = total;
    progress.value = loaded;
    const megabytes = (total / 1e6).toFixed(1);
    figures.textContent = `${Math.floor((100 * loaded) / total)} % of ${megabytes} MB`;
  }

  function fetchOk(url) {
    return fetch(url).then((response) => {
      if (!response.ok) throw new Error(`${url}: HTTP ${response.status}`);
      return response;
    });
  }

  // Counts a response's bytes under a name as they come, from a copy of its body: the body
  // itself goes on to the browser (the compiler reads the code as it arrives) untouched by the
  // page's scripts, which may be busy meanwhile.
  function counting(response, name) {
    onWire[name] = Number(response.headers.get('Content-Length')) || 0;
    const reader = response.clone().body.getReader();
    (function read() {
      reader.read().then(({ done, value }) => {
        if (done) return;
        received[name] += value.length;
        showProgress();
        read();
      }).catch(() => {});
    })();
    return response;
  }

  // Everything the first picture needs is asked for at once: the code, the data package with
  // every picture and the intro's track, the site's list, the fonts and a replay's demo. The
  // game starts once all of it is in.
  // The loading panel is drawn before anything is asked for: what comes first is what the
  // page shows (Lighthouse takes every request begun before that paint as holding it up).
  const painted = new Promise((resolve) => {
    requestAnimationFrame(() => setTimeout(resolve));
    setTimeout(resolve, 100);
  });
  const fetchAfterPaint = (url) => painted.then(() => fetchOk(url));
  const wasm = fetchAfterPaint('tamberlo-adventure.wasm')
    .then((response) => counting(response, 'wasm'));
  const site = fetchAfterPaint('site-files.json').then((response) => response.json())
    .then((listing) => {
      sizes = { wasm: listing.wasm.size, data: listing.data.size };
      showProgress();
      return listing;
    });
  // The package is read as it comes, and each picture decoded as soon as it is in (below).
  const decodings = [];
  const data = Promise.all([fetchAfterPaint('tamberlo-adventure.data'), site])
    .then(async ([response, listing]) => {
      onWire.data = Number(response.headers.get('Content-Length')) || 0;
      const bytes = new Uint8Array(listing.data.size);
      const pictures = listing.data.files.filter(([name]) => name.endsWith('.png'));
      const reader = response.body.getReader();
      for (let piece = await reader.read(); !piece.done; piece = await reader.read()) {
        bytes.set(piece.value, received.data);
        received.data += piece.value.length;
        showProgress();
        while (pictures.length > 0 && pictures[0][2] <= received.data) {
          const [, start, end] = pictures.shift();
          decodings.push(decodePicture(bytes.subarray(start, end)));
        }
      }
      if (received.data !== bytes.length) throw new Error('the game\'s data came incomplete');
      return bytes;
    });
  // The game measures and draws its text at once: the fonts must be ready before it starts.
  const fonts = painted.then(() => Promise.all(['actionj.ttf', 'indigo.ttf'].map(
    (family) => document.fonts.load('16px "' + family + '"'))));
  // A replay's demo comes from the page's folder and goes into the game's files before main.
  const demo = !replay ? Promise.resolve(null)
    : !/^[\w.-]+$/.test(replay) ? Promise.reject(new Error('not a demo file name: ' + replay))
      : fetchAfterPaint(replay).then((response) => response.arrayBuffer());

  // Writes a file into the game's files at its path in the site (the game runs in /).
  function writeGameFile(name, bytes) {
    const folder = name.slice(0, name.lastIndexOf('/') + 1);
    if (folder) Module.FS.mkdirTree('/' + folder);
    Module.FS.writeFile('/' + name, bytes);
  }

  // The game hands each picture's bytes to stb_image (the browser's SDL calls it as
  // Module._stbi_load_from_memory) and copies the pixels it gives into a canvas, one by one for
  // a picture without alpha. The browser decodes pictures in a worker of the page instead, every
  // PNG of the package while the code compiles, and the page gives the game those pixels, as
  // red, green, blue and alpha bytes, when it asks for the very same bytes. A picture not
  // decoded so, or with see-through pixels (a canvas would round their colours), goes to
  // stb_image as before.
  function pictureDecoder() {
    onmessage = async ({ data: { number, file } }) => {
      try {
        const bitmap = await createImageBitmap(new Blob([file], { type: 'image/png' }),
          { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
        const context = new OffscreenCanvas(bitmap.width, bitmap.height)
          .getContext('2d', { willReadFrequently: true });
        context.drawImage(bitmap, 0, 0);
        const { data: pixels, width, height } = context.getImageData(0, 0, bitmap.width,
          bitmap.height);
        for (let alpha = 3; alpha < pixels.length; alpha += 4) {
          if (pixels[alpha] !== 255) throw new Error('see-through');
        }
        postMessage({ number, pixels, width, height }, [pixels.buffer]);
      } catch {
        postMessage({ number });
      }
    };
  }
  const decoded = new Map();
  const waiting = [];
  let decoder = null;
  function decodePicture(file) {
    if (!decoder) {
      decoder = new Worker(URL.createObjectURL(new Blob([`(${pictureDecoder})()`],
        { type: 'text/javascript' })));
      decoder.onmessage = ({ data: { number, pixels, width, height } }) => {
        if (pixels) {
          const alike = decoded.get(waiting[number].file.length) || [];
          alike.push({ file: waiting[number].file, pixels, width, height });
          decoded.set(waiting[number].file.length, alike);
        }
        waiting[number].done();
      };
    }
    return new Promise((done) => {
      waiting.push({ file: file.slice(), done });
      // A copy of the picture's bytes alone: a part of the package would take all of it along.
      const copy = file.slice();
      decoder.postMessage({ number: waiting.length - 1, file: copy }, [copy.buffer]);
    });
  }
  const pictures = data.then(() => Promise.all(decodings))
    .then(() => decoder && decoder.terminate());
  // The same bytes, compared four at a time where both start on a multiple of four (the game's
  // memory always does, and the page's copies of the pictures start at 0).
  function sameBytes(ours, pointer) {
    const theirs = Module.HEAPU8.subarray(pointer, pointer + ours.length);
    const words = pointer % 4 === 0 ? ours.length >> 2 : 0;
    const ourWords = new Uint32Array(ours.buffer, ours.byteOffset, words);
    const theirWords = new Uint32Array(theirs.buffer, theirs.byteOffset, words);
    for (let i = 0; i < words; i++) {
      if (ourWords[i] !== theirWords[i]) return false;
    }
    for (let i = words * 4; i < ours.length; i++) {
      if (ours[i] !== theirs[i]) return false;
    }
    return true;
  }
  function decodedPicture(pointer, length) {
    return (decoded.get(length) || []).find(({ file }) => sameBytes(file, pointer));
  }
  function takePicturesDecoded() {
    const stbLoad = Module._stbi_load_from_memory;
    const load = (pointer, length, width, height, channels, wanted) => {
      const picture = (wanted === 0 || wanted === 4) && decodedPicture(pointer, length);
      if (!picture) {
        const pixels = stbLoad(pointer, length, width, height, channels, wanted);
        // Emscripten's first call puts the export itself in its place.
        Module._stbi_load_from_memory = load;
        return pixels;
      }
      const pixels = Module._malloc(picture.pixels.length);
      Module.HEAPU8.set(picture.pixels, pixels);
      Module.HEAP32.set([picture.width], width >> 2);
      Module.HEAP32.set([picture.height], height >> 2);
      Module.HEAP32.set([4], channels >> 2);
      return pixels;
    };
    Module._stbi_load_from_memory = load;
  }

  // The first present of the game's screen: the first picture is on the canvas.
  const firstPicture = new Promise((resolve) => {
    const prototype = CanvasRenderingContext2D.prototype;
    const put = prototype.putImageData;
    prototype.putImageData = function (...args) {
      const result = put.apply(this, args);
      if (this.canvas === canvas) {
        prototype.putImageData = put;
        window.tamberloFirstPicture = performance.now();
        resolve();
      }
      return result;
    };
  });

  // The late sounds come after the first picture, in two batches: the effects and the first
  // level's track (what PLAY needs first), then the other tracks. Each file is written into the
  // game's files and the game told to load it in a task of its own, so the page never stops
  // answering the player for long.
  async function fetchLateSounds(listing) {
    const names = listing.late.map(([name]) => name);
    const first = names.filter((name) => /^sounds\/sfx\/|\/level1\./.test(name));
    for (const batch of [first, names.filter((name) => !first.includes(name))]) {
      const files = await Promise.all(batch.map((name) => fetchOk(name)
        .then((response) => response.arrayBuffer())
        .then((bytes) => [name, new Uint8Array(bytes)])));
      if (gameEnded) return;
      for (const [name, bytes] of files) {
        writeGameFile(name, bytes);
        if (Module._tamberloFilesArrived) Module._tamberloFilesArrived();
        await new Promise((resolve) => setTimeout(resolve));
        if (gameEnded) return;
      }
    }
    window.tamberloLateSounds = 'arrived';
  }

  // Once the page holds every file it will use, the service worker keeps the site for playing
  // offline. A newer build waiting behind the one this page runs may take over then: the page
  // asks nothing more of the site, so it never mixes files of two builds.
  function keepSiteOffline() {
    if (!('serviceWorker' in navigator)) return;
    navigator.serviceWorker.register('sw.js').then((registration) => {
      const takeOver = (worker) => {
        if (worker && navigator.serviceWorker.controller) worker.postMessage('take over');
      };
      takeOver(registration.waiting);
      registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        worker.addEventListener('statechange', () => {
          if (worker.state === 'installed') takeOver(worker);
        });
      });
    }).catch((error) => console.warn('the site is not kept offline: ' + error));
  }

  const Module = {
    canvas: canvas,
    arguments: replay ? ['--replay', replay, '--pictures'] : mazes ? ['--maze', mazes] : [],
    print: (text) => console.log(text),
    printErr: (text) => {
      gameErrors.push(text.replace(/^tamberlo-adventure: /, ''));
      console.error(text);
    },
    // Emscripten says 'Running...' as main is about to run, then '': the loading panel goes.
    setStatus: (text) => {
      if (!text) {
        loading.hidden = true;
      } else if (/^Running/.test(text)) {
        figures.textContent = 'Starting…';
      }
    },
    // The effects and the music are decoded from the bytes the game reads: there are no
    // preloaded copies to look for.
    noAudioDecoding: true,
    // The code is compiled while it downloads (it comes with its type), or else from its bytes.
    instantiateWasm: (imports, receive) => {
      wasm.then((response) => (response.headers.get('Content-Type') === 'application/wasm'
        ? WebAssembly.instantiateStreaming(response, imports)
        : response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports))))
        .then((result) => receive(result.instance, result.module))
        .catch(fail);
      return {};
    },
    // The game's files are written before main, which waits for them and for the fonts.
    preRun: [() => {
      // The browser's SDL numbers its streams from 0, and renumbers from 0 once all are closed,
      // while the game takes a stream numbered 0 for none at all (a track's memory stream
      // opened first would be refused): number 0 stays taken.
      SDL.rwops.push({});
      Module.addRunDependency('tamberlo-files');
      Promise.all([site, data, demo, fonts, pictures]).then(([listing, bytes, demoBytes]) => {
        for (const [name, start, end] of listing.data.files) {
          writeGameFile(name, bytes.subarray(start, end));
        }
        takePicturesDecoded();
        if (demoBytes) Module.FS.writeFile(replay, new Uint8Array(demoBytes));
        Module.removeRunDependency('tamberlo-files');
      }).catch(fail);
    }],
    onExit: (status) => {
      gameEnded = true;
      window.tamberloExitStatus = status;
      if (replay) {
        document.getElementById('again').textContent = 'Replay again';
        showEnd('The replay of ' + replay + ' ended (status ' + status + ').');
      } else if (mazes && status === 1) {
        document.getElementById('again').textContent = "Play the game's own mazes";
        ownMazesNext = true;
        showEnd('These mazes cannot be played: ' + gameErrors.join('; '));
      } else {
        showEnd(status === 0 ? 'You left Tamberlo Adventure. Thanks for playing!'
          : 'Tamberlo Adventure stopped (status ' + status + ').');
      }
    },
    // The game reached its victory screen: a link's mazes are recorded as beaten in this
    // browser, under their codes, which the editor reads.
    onVictory: () => {
      if (!mazes || replay) return;
      try {
        localStorage.setItem('tamberlo-won:' + mazes, new Date().toISOString());
      } catch {
        // A browser that keeps nothing forgets the win.
      }
    },
    onAbort: (what) => {
      gameEnded = true;
      showEnd('Tamberlo Adventure stopped: ' + what);
    },
  };
  window.Module = Module;

  Promise.all([site, firstPicture]).then(([listing]) => fetchLateSounds(listing))
    .then(keepSiteOffline).catch(fail);
  wasm.catch(fail);

  painted.then(() => {
    window.tamberloStarted = performance.now();
    const script = document.createElement('script');
    script.src = 'tamberlo-adventure.js';
    script.onerror = () => showEnd('Could not load the game.');
    document.body.appendChild(script);
  });
})();
