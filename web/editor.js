// The maze editor: a map of 25 × 18 characters painted with the legend's tiles, drawn with the
// game's own pictures from its data package and checked, after every change, by the game's own
// code (loaded without running the game: src/app/editor_calls_web.cpp); a maze that passes can be
// played, shared, and played by the autopilot (autopilot.html) in a hidden frame.
'use strict';

(function () {
  const columns = 25;
  const rows = 18;
  const tile = 32;
  // What the editor calls each map character, and the order of its tools.
  const toolNames = {
    '#': 'Wall', '_': 'Floor', '.': 'Dot', o: 'Power item', '-': 'Pen door',
    P: "Tamberlo's start", R: "Red enemy's home", 1: "Purple enemy's home",
    2: "Blue enemy's home", 3: "Yellow enemy's home", B: 'Bomb site',
    '*': 'Dot on a seek mark', '^': 'Dot on a north mark', v: 'Dot on a south mark',
    '<': 'Dot on a west mark', '>': 'Dot on an east mark', k: 'Seek mark', n: 'North mark',
    s: 'South mark', w: 'West mark', e: 'East mark',
  };
  const toolOrder = '#_.o-PR123B*^v<>knswe';
  // How the editor shows a steering mark, by the mark's map character.
  const markGlyphs = { n: '↑', s: '↓', w: '←', e: '→', k: '✱' };
  // An autopilot run starts once the maze has stayed as it is this long.
  const autopilotDelay = 800;
  const playerWinKey = (code) => 'tamberlo-won:' + code;
  const autopilotWinKey = (code) => 'tamberlo-autopilot-won:' + code;
  // This browser's storage, if it keeps any.
  function kept(key) {
    try {
      return localStorage.getItem(key);
    } catch {
      return null;
    }
  }
  function keep(key, value) {
    try {
      localStorage.setItem(key, value);
    } catch {
      // A browser that keeps nothing still edits; it only forgets.
    }
  }

  const $ = (id) => document.getElementById(id);
  const canvas = $('grid');
  const context = canvas.getContext('2d');
  const toolsBox = $('tools');

  let game = null;
  // The length of the game's frames, which the autopilot counts.
  let frameMs = 0;
  let tiles = [];
  const pictures = new Map();
  let levelFiles = null;
  let grid = [];
  let cells = null;
  let problems = [];
  let passes = false;
  let code = '';
  let levelText = '';
  let tool = '#';
  let cursor = { row: 0, column: 0, shown: false };
  const undoStack = [];
  const redoStack = [];

  // The game's code: its runtime starts, its main does not.
  const loaded = new Promise((resolve, reject) => {
    window.Module = {
      noInitialRun: true,
      print: () => {},
      printErr: (text) => console.warn(text),
      onRuntimeInitialized: () => resolve(window.Module),
      onAbort: (what) => reject(new Error('the game\'s code stopped: ' + what)),
    };
    const script = document.createElement('script');
    script.src = 'tamberlo-adventure.js';
    script.onerror = () => reject(new Error('could not load the game\'s code'));
    document.body.appendChild(script);
  });
  // The game's data package (the pictures and the levels), found by the site's list.
  const fetchOk = (url) => fetch(url).then((response) => {
    if (!response.ok) throw new Error(`${url}: HTTP ${response.status}`);
    return response;
  });
  const siteData = fetchOk('site-files.json').then((response) => response.json())
    .then(async (listing) => {
      const bytes = new Uint8Array(await (await fetchOk(listing.data.name)).arrayBuffer());
      const files = new Map();
      for (const [name, start, end] of listing.data.files) {
        files.set(name, bytes.subarray(start, end));
      }
      return files;
    });

  // Calls into the game's code one at a time: a call that awaits the browser's compression
  // must be over before the next begins.
  let calls = Promise.resolve();
  function call(name, args = [], async = false) {
    const types = args.map((arg) => (typeof arg === 'number' ? 'number' : 'string'));
    const result = calls.then(() => game.ccall(name, 'string', types, args,
      async ? { async: true } : undefined));
    calls = result.catch(() => {});
    return result;
  }

  // A picture of the package; one whose magenta stands for see-through is keyed first.
  async function decodePicture(files, name, keyed) {
    const bytes = files.get(name);
    if (!bytes) throw new Error('the game\'s data lacks ' + name);
    const bitmap = await createImageBitmap(new Blob([bytes]));
    if (!keyed) return bitmap;
    const picture = document.createElement('canvas');
    picture.width = bitmap.width;
    picture.height = bitmap.height;
    const drawing = picture.getContext('2d');
    drawing.drawImage(bitmap, 0, 0);
    const image = drawing.getImageData(0, 0, bitmap.width, bitmap.height);
    const pixels = image.data;
    for (let i = 0; i < pixels.length; i += 4) {
      if (pixels[i] > 240 && pixels[i + 1] < 16 && pixels[i + 2] > 240) pixels[i + 3] = 0;
    }
    drawing.putImageData(image, 0, 0);
    return picture;
  }

  // A tile as the editor shows it: its picture (an actor over the floor) and the steering mark
  // it holds, large on bare floor and small in the corner of a dot.
  function drawTile(target, code, x, y, size = tile) {
    const info = tiles[code];
    if (!info) return;
    if (info.keyed || info.mark !== '_') {
      target.drawImage(pictures.get(tiles[0].picture), x, y, size, size);
    }
    if (info.picture !== tiles[0].picture || info.mark === '_') {
      target.drawImage(pictures.get(info.picture), x, y, size, size);
    }
    if (info.mark !== '_') {
      const bare = info.picture === tiles[0].picture;
      target.font = `bold ${Math.round(size * (bare ? 0.7 : 0.4))}px sans-serif`;
      target.textAlign = 'center';
      target.textBaseline = 'middle';
      target.fillStyle = bare ? '#ffd84a' : '#ffffff';
      const at = bare ? [x + size / 2, y + size / 2] : [x + size * 0.78, y + size * 0.24];
      target.fillText(markGlyphs[info.mark] || info.mark, ...at);
    }
  }

  function mapText(lines = grid) {
    return lines.map((line) => line.join('')).join('\n') + '\n';
  }

  function draw() {
    context.fillStyle = '#000';
    context.fillRect(0, 0, canvas.width, canvas.height);
    if (!cells) return;
    // Row 0 of the level is the status line's: the map starts below it.
    for (let row = 0; row < rows; row++) {
      for (let column = 0; column < columns; column++) {
        drawTile(context, cells[(row + 1) * columns + column], column * tile, row * tile);
      }
    }
    context.lineWidth = 4;
    problems.forEach((problem, index) => {
      if (problem.row < 1) return;
      const x = problem.column * tile;
      const y = (problem.row - 1) * tile;
      context.strokeStyle = '#ff3040';
      context.strokeRect(x + 2, y + 2, tile - 4, tile - 4);
      context.fillStyle = '#ff3040';
      context.fillRect(x, y, 14, 14);
      context.fillStyle = '#fff';
      context.font = 'bold 11px sans-serif';
      context.textAlign = 'center';
      context.textBaseline = 'middle';
      context.fillText(String(index + 1), x + 7, y + 7);
    });
    if (cursor.shown) {
      context.strokeStyle = '#6fd6c8';
      context.lineWidth = 2;
      context.strokeRect(cursor.column * tile + 1, cursor.row * tile + 1, tile - 2, tile - 2);
    }
  }

  // The game's answer about a map: the level it makes (or a drawing of it), then its problems.
  function readAnswer(answer) {
    const [level, list] = answer.split('problems\n');
    return {
      level,
      cells: level ? level.trim().split(/\s+/).map(Number) : null,
      problems: list.split('\n').filter(Boolean).map((line) => {
        const [row, column, ...message] = line.split('\t');
        return { row: Number(row), column: Number(column), message: message.join('\t') };
      }),
    };
  }

  // While the player paints the maze is drawn from the converter alone, which answers at once.
  let drawQueued = false;
  function redrawSoon() {
    if (drawQueued) return;
    drawQueued = true;
    requestAnimationFrame(async () => {
      drawQueued = false;
      const answer = readAnswer(await call('tamberloEditorCheck', [mapText(), 0]));
      if (answer.cells) cells = answer.cells;
      draw();
    });
  }

  // Every check the game runs on a set, then what the verdict allows.
  let checkNumber = 0;
  async function checkMaze() {
    const number = ++checkNumber;
    const text = mapText();
    const answer = readAnswer(await call('tamberloEditorCheck', [text, 1]));
    if (number !== checkNumber) return;
    cells = answer.cells;
    problems = answer.problems;
    passes = problems.length === 0;
    levelText = passes ? answer.level : '';
    // The code of the maze before is no longer this one's.
    code = '';
    draw();
    showProblems();
    const made = await call('tamberloEditorCodeOfMap', [text], true);
    if (number !== checkNumber) return;
    code = made;
    history.replaceState(null, '', '#maze=' + code);
    keep('tamberlo-editor-map', text);
    showWins();
    if (passes) startAutopilotSoon();
    else stopAutopilot('');
  }

  function showProblems() {
    const list = $('problems');
    list.replaceChildren(...problems.map((problem, index) => {
      const item = document.createElement('li');
      item.textContent = problem.row < 1 ? problem.message
        : `${index + 1}. Row ${problem.row}, column ${problem.column}: ${problem.message}`;
      return item;
    }));
    $('summary').textContent = passes ? 'This maze passes every check of the game.'
      : `The game would refuse this maze: ${problems.length} ` +
        (problems.length === 1 ? 'problem.' : 'problems.');
    $('summary').className = passes ? 'good' : 'bad';
    $('play').disabled = !passes;
    $('share').disabled = !passes;
    $('download-level').disabled = !passes;
    if (!passes) $('share-row').hidden = true;
  }

  // Who has won this maze: the player, after Play (the game's page records it), or the
  // autopilot. The share link says the better of the two.
  function wonBy() {
    if (!code) return '';
    if (kept(playerWinKey(code))) return 'player';
    return kept(autopilotWinKey(code)) ? 'autopilot' : '';
  }
  function gameLink() {
    const won = wonBy();
    return new URL('index.html', location.href).href + '#mazes=' + code +
      (won ? '&won=' + won : '');
  }
  function showWins() {
    $('beaten').hidden = !(passes && wonBy() === 'player');
    $('share-link').value = passes ? gameLink() : '';
  }

  // The autopilot plays a maze that passes, once it has stayed unchanged a moment, in a frame
  // of its own that tells its progress and its verdict in messages.
  let autopilotTimer = 0;
  let frame = null;
  let autopilotPresent = null;
  function stopAutopilot(text) {
    clearTimeout(autopilotTimer);
    if (frame) frame.remove();
    frame = null;
    $('autopilot').textContent = text;
  }
  function startAutopilotSoon() {
    const won = kept(autopilotWinKey(code));
    stopAutopilot(won ? 'The autopilot wins this maze' : 'The autopilot will try this maze…');
    if (won) return;
    const maze = code;
    autopilotTimer = setTimeout(async () => {
      if (autopilotPresent === null) {
        autopilotPresent = await fetch('autopilot.html')
          .then((response) => response.ok, () => false);
      }
      if (maze !== code) return;
      if (!autopilotPresent) {
        $('autopilot').textContent = 'The autopilot is not part of this site.';
        return;
      }
      frame = document.createElement('iframe');
      frame.title = 'The autopilot playing the maze';
      frame.hidden = true;
      frame.tabIndex = -1;
      frame.setAttribute('aria-hidden', 'true');
      frame.src = 'autopilot.html#maze=' + maze;
      frame.dataset.maze = maze;
      document.body.appendChild(frame);
      $('autopilot').textContent = 'The autopilot is starting…';
    }, autopilotDelay);
  }
  window.addEventListener('message', (event) => {
    const message = event.data;
    if (!frame || event.source !== frame.contentWindow || !message ||
      message.source !== 'tamberlo-autopilot') return;
    const maze = frame.dataset.maze;
    const detail = message.text ? '. ' + message.text : '';
    if (message.state === 'running') {
      // Until the maze is under way the autopilot's page counts no dots.
      const total = Number(message.dotsTotal) || 0;
      const seconds = Math.round(((Number(message.frames) || 0) * frameMs) / 1000);
      $('autopilot').textContent = total === 0 ? 'The autopilot is starting…'
        : `The autopilot is playing: ${total - (Number(message.dotsLeft) || 0)} of ${total} ` +
          `dots eaten, ${seconds} s of play`;
    } else if (message.state === 'won') {
      keep(autopilotWinKey(maze), new Date().toISOString());
      stopAutopilot('The autopilot wins this maze' + detail);
      showWins();
    } else if (message.state === 'lost') {
      stopAutopilot('The autopilot could not win this maze' + detail);
    } else if (message.state === 'refused') {
      stopAutopilot('The autopilot refused this maze' + detail);
    }
  });
  // The game's page records the player's win in this browser's storage.
  window.addEventListener('storage', showWins);
  window.addEventListener('pageshow', showWins);

  // A change of the whole maze, which undo takes back.
  function remember() {
    undoStack.push(mapText());
    redoStack.length = 0;
    showHistory();
  }
  function showHistory() {
    $('undo').disabled = undoStack.length === 0;
    $('redo').disabled = redoStack.length === 0;
  }
  function setMap(text) {
    grid = text.split('\n').slice(0, rows).map((line) => [...line]);
    redrawSoon();
    checkMaze();
  }
  function undoOrRedo(from, to) {
    if (from.length === 0) return;
    to.push(mapText());
    setMap(from.pop());
    showHistory();
  }
  $('undo').addEventListener('click', () => undoOrRedo(undoStack, redoStack));
  $('redo').addEventListener('click', () => undoOrRedo(redoStack, undoStack));
  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.target.matches('input, select')) return;
    const key = event.key.toLowerCase();
    if (key === 'z' && !event.shiftKey) undoOrRedo(undoStack, redoStack);
    else if (key === 'y' || (key === 'z' && event.shiftKey)) undoOrRedo(redoStack, undoStack);
    else return;
    event.preventDefault();
  });

  // Opens a map's text: one that is not 18 lines of 25 characters is refused with the game's
  // own words. A character of more than one byte counts as one, as '?', which no legend holds.
  async function openMap(text) {
    const clean = text.replace(/\r\n?/g, '\n').replace(/\n*$/, '\n')
      .replace(/[^\x20-\x7e\n]/gu, '?');
    const answer = readAnswer(await call('tamberloEditorCheck', [clean, 0]));
    if (!answer.cells && answer.problems.length > 0) {
      $('open-error').textContent = answer.problems.map((p) => p.message).join('; ');
      return false;
    }
    $('open-error').textContent = '';
    if (grid.length) remember();
    setMap(clean);
    return true;
  }
  async function openLevel(text) {
    const map = await call('tamberloEditorMapOfLevel', [text]);
    if (!map) {
      $('open-error').textContent = 'This is not a level file of the game.';
      return false;
    }
    return openMap(map);
  }
  // A code alone, or a link of the game's (#mazes=) or of the editor's (#maze=).
  async function openCode(text) {
    const found = /[#&?]mazes?=([^&\s]+)/.exec(text);
    const map = await call('tamberloEditorMapOfCode', [found ? found[1] : text.trim()], true);
    if (map.startsWith('!')) {
      $('open-error').textContent = 'This code does not open: ' + map.slice(1);
      return false;
    }
    return openMap(map);
  }
  function emptyMaze() {
    const wall = '#'.repeat(columns);
    const inside = '#' + '_'.repeat(columns - 2) + '#';
    return [wall, ...Array(rows - 2).fill(inside), wall].join('\n') + '\n';
  }
  $('start').addEventListener('change', (event) => {
    const choice = event.target.value;
    event.target.value = '';
    if (choice === 'empty') openMap(emptyMaze());
    else if (choice) openLevel(new TextDecoder().decode(levelFiles.get(`level${choice}.txt`)));
  });
  $('open-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    if (!file) return;
    const text = await file.text();
    const lines = text.replace(/\r/g, '').split('\n').filter(Boolean);
    const looksLikeMap = lines.length === rows && lines.every((line) => line.length === columns);
    await (looksLikeMap || file.name.endsWith('.map') ? openMap(text) : openLevel(text));
    event.target.value = '';
  });
  $('open-code').addEventListener('submit', (event) => {
    event.preventDefault();
    openCode($('code').value);
  });

  // Painting: a press paints its cell, a drag every cell it crosses; the stroke is one change.
  let stroke = null;
  function cellAt(event) {
    const box = canvas.getBoundingClientRect();
    const column = Math.floor(((event.clientX - box.left) / box.width) * columns);
    const row = Math.floor(((event.clientY - box.top) / box.height) * rows);
    return { row: Math.max(0, Math.min(rows - 1, row)),
      column: Math.max(0, Math.min(columns - 1, column)) };
  }
  function paint({ row, column }) {
    if (grid[row][column] === tool) return;
    grid[row][column] = tool;
    stroke.changed = true;
    redrawSoon();
  }
  function paintLine(from, to) {
    const steps = Math.max(Math.abs(to.row - from.row), Math.abs(to.column - from.column));
    for (let step = 1; step <= steps; step++) {
      paint({ row: Math.round(from.row + ((to.row - from.row) * step) / steps),
        column: Math.round(from.column + ((to.column - from.column) * step) / steps) });
    }
  }
  // The checks take a moment (the chase plays the enemies from every cell): strokes in quick
  // succession are checked once, after the last.
  let checkTimer = 0;
  function endStroke() {
    if (!stroke) return;
    if (stroke.changed) {
      undoStack.push(stroke.before);
      redoStack.length = 0;
      showHistory();
      clearTimeout(checkTimer);
      checkTimer = setTimeout(checkMaze, 150);
    }
    stroke = null;
  }
  canvas.addEventListener('pointerdown', (event) => {
    if (!cells || event.button > 0) return;
    event.preventDefault();
    canvas.setPointerCapture(event.pointerId);
    const at = cellAt(event);
    $('open-error').textContent = '';
    stroke = { before: mapText(), last: at, changed: false };
    paint(at);
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!stroke) return;
    const at = cellAt(event);
    paintLine(stroke.last, at);
    stroke.last = at;
  });
  canvas.addEventListener('pointerup', endStroke);
  canvas.addEventListener('pointercancel', endStroke);
  // By keys: the arrows move a cursor over the grid, Space or Enter paints its cell.
  canvas.addEventListener('focus', () => { cursor.shown = true; draw(); });
  canvas.addEventListener('blur', () => { cursor.shown = false; draw(); });
  canvas.addEventListener('keydown', (event) => {
    const moves = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };
    if (moves[event.key]) {
      cursor.row = Math.max(0, Math.min(rows - 1, cursor.row + moves[event.key][0]));
      cursor.column = Math.max(0, Math.min(columns - 1, cursor.column + moves[event.key][1]));
      draw();
    } else if (event.key === ' ' || event.key === 'Enter') {
      $('open-error').textContent = '';
      stroke = { before: mapText(), changed: false };
      paint(cursor);
      endStroke();
    } else {
      return;
    }
    event.preventDefault();
    // Rows are counted as the game's messages count them, from the first row below the panel.
    $('cell').textContent = `Row ${cursor.row + 1}, column ${cursor.column}: ` +
      (toolNames[grid[cursor.row][cursor.column]] || 'unknown');
  });

  function makeTools() {
    const symbols = [...new Set(tiles.map((info) => info.symbol))].filter((s) => s !== '?')
      .sort((a, b) => (toolOrder.indexOf(a) + 99) % 99 - (toolOrder.indexOf(b) + 99) % 99);
    for (const symbol of symbols) {
      const button = document.createElement('button');
      button.type = 'button';
      button.setAttribute('role', 'radio');
      button.setAttribute('aria-checked', String(symbol === tool));
      button.dataset.symbol = symbol;
      const name = toolNames[symbol] || `Tile ${symbol}`;
      button.setAttribute('aria-label', name);
      // The title also gives the tile's character in a map file.
      button.title = `${name} (${symbol})`;
      const icon = document.createElement('canvas');
      icon.width = tile;
      icon.height = tile;
      drawTile(icon.getContext('2d'),
        tiles.findIndex((info) => info.symbol === symbol && info.tool), 0, 0);
      button.append(icon);
      button.tabIndex = symbol === tool ? 0 : -1;
      button.addEventListener('click', () => {
        tool = symbol;
        $('tool-name').textContent = 'Painting: ' + name;
        for (const other of toolsBox.children) {
          other.setAttribute('aria-checked', String(other === button));
          other.tabIndex = other === button ? 0 : -1;
        }
      });
      // The tools are one stop of the Tab key; the arrows pick among them.
      button.addEventListener('keydown', (event) => {
        const step = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 }[event.key];
        if (!step) return;
        event.preventDefault();
        const buttons = [...toolsBox.children];
        const next = buttons[(buttons.indexOf(button) + step + buttons.length) % buttons.length];
        next.focus();
        next.click();
      });
      toolsBox.append(button);
    }
  }

  $('play').addEventListener('click', () => {
    if (passes && code) location.href = 'index.html#mazes=' + code;
  });
  $('share').addEventListener('click', async () => {
    $('share-row').hidden = false;
    $('share-link').value = gameLink();
    $('share-link').select();
    try {
      await navigator.clipboard.writeText(gameLink());
      $('copied').textContent = 'Copied';
    } catch {
      $('copied').textContent = 'Select the link to copy it';
    }
  });
  function download(name, text) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
  $('download-level').addEventListener('click', () => passes && download('level1.txt', levelText));
  $('download-map').addEventListener('click', () => download('maze.map', mapText()));

  Promise.all([loaded, siteData]).then(async ([module, files]) => {
    game = module;
    frameMs = game._tamberloEditorFrameMs();
    levelFiles = files;
    const legend = await call('tamberloEditorLegend');
    tiles = legend.split('\n').filter(Boolean).map((line) => {
      const [, symbol, picture, mark, keyed, shown] = line.split('\t');
      return { symbol, picture, mark, keyed: keyed === '1', tool: shown === '1' };
    });
    await Promise.all([...new Set(tiles.map((info) => info.picture))].map(async (name) => {
      const info = tiles.find((other) => other.picture === name);
      pictures.set(name, await decodePicture(files, name, info.keyed));
    }));
    makeTools();
    $('tool-name').textContent = 'Painting: ' + toolNames[tool];
    $('loading').hidden = true;
    canvas.tabIndex = 0;
    const asked = /[#&]maze=([^&]+)/.exec(location.hash);
    const saved = kept('tamberlo-editor-map');
    if (!(asked && (await openCode(asked[1])))) {
      // The link's maze did not open: the last one drawn here, or level 1, with the reason.
      const refusal = $('open-error').textContent;
      if (!(saved && (await openMap(saved)))) {
        await openLevel(new TextDecoder().decode(files.get('level1.txt')));
      }
      $('open-error').textContent = refusal;
    }
    undoStack.length = 0;
    showHistory();
    // The service worker keeps the whole site, the editor with it, for working offline.
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }).catch((error) => {
    console.error(String(error));
    $('loading').textContent = 'The editor could not start: ' + (error.message || error);
  });
})();
