// The autopilot's page (autopilot.html#maze=CODE~CODE...): the game's bot plays the mazes of the
// link, headless in the page, and says whether it wins them. It shows its progress and its
// verdict, and tells them to the page that embeds it (the maze editor, in a hidden frame) as
// {source: 'tamberlo-autopilot', state, level, frames, dotsLeft, dotsTotal, text}, state being
// 'running' while it plays, then 'won', 'lost' (not won within the frame limit) or 'refused'
// (the game's own reason in text).
'use strict';

(function () {
  const verdict = document.getElementById('verdict');
  const stateLine = document.getElementById('state');
  const detail = document.getElementById('detail');
  const dots = document.getElementById('dots');
  const levels = document.getElementById('levels');
  const link = new URLSearchParams(location.hash.slice(1));
  const codes = link.get('maze') || '';
  const mazeCount = codes ? codes.split('~').length : 0;
  // The frames of play each maze is given (#maze=CODE&frames=N): by default as many as
  // tamberlo-levelcheck --autopilot gives, about 14 minutes of play.
  const framesPerMaze = Number(link.get('frames')) > 0 ? Math.floor(Number(link.get('frames')))
    : 30000;
  const report = { level: 0, frames: 0, dotsLeft: 0, dotsTotal: 0 };
  const errors = [];
  let finished = false;

  // Another link in the same frame is another run: the game runs once per page.
  window.addEventListener('hashchange', () => location.reload());

  function tell(state, text) {
    verdict.className = state;
    stateLine.textContent = {
      running: 'Playing…', won: 'The autopilot wins.', lost: 'The autopilot does not win.',
      refused: mazeCount > 1 ? 'These mazes cannot be played.' : 'This maze cannot be played.',
    }[state];
    detail.textContent = text;
    dots.max = Math.max(report.dotsTotal, 1);
    dots.value = report.dotsTotal - report.dotsLeft;
    if (window.parent !== window) {
      window.parent.postMessage({ source: 'tamberlo-autopilot', state, ...report, text }, '*');
    }
  }
  function finish(state, text) {
    if (finished) return;
    finished = true;
    tell(state, text);
    if (state !== 'refused') {
      const play = document.getElementById('play');
      play.href = 'index.html#mazes=' + codes;
      play.textContent = mazeCount > 1 ? 'Play these mazes yourself' : 'Play this maze yourself';
      play.hidden = false;
    }
  }

  function mazeOf(level) {
    return mazeCount > 1 ? `maze ${level} of ${mazeCount}` : 'the maze';
  }

  // The autopilot's lines: its progress, a report line per maze played, its total and verdict.
  function readLine(line) {
    let match = /^progress: level (\d+), frame (\d+), dots (\d+) of (\d+)$/.exec(line);
    if (match) {
      [report.level, report.frames, report.dotsLeft, report.dotsTotal] = match.slice(1).map(Number);
      tell('running', `On ${mazeOf(report.level)}: frame ${report.frames}, ` +
        `${report.dotsLeft} of ${report.dotsTotal} dots left.`);
      return;
    }
    match = /^level (\d+): (cleared|not cleared) in (\d+) frames, lives lost (\d+)/.exec(line);
    if (match) {
      const item = document.createElement('li');
      item.textContent = `Maze ${match[1]}: ${match[2]} in ${match[3]} frames, ` +
        `${match[4]} ${match[4] === '1' ? 'life' : 'lives'} lost.`;
      levels.appendChild(item);
      report.level = Number(match[1]);
      if (match[2] === 'cleared') report.dotsLeft = 0;
      return;
    }
    match = /^total: (\d+) frames, lives lost (\d+)/.exec(line);
    if (match) {
      report.frames = Number(match[1]);
      report.livesLost = Number(match[2]);
    }
  }

  function fetchOk(url) {
    return fetch(url).then((response) => {
      if (!response.ok) throw new Error(`${url}: HTTP ${response.status}`);
      return response;
    });
  }

  if (!codes) {
    finish('refused', 'No maze was given: open autopilot.html#maze=CODE, a share code as the ' +
      'game reads it (several joined by ~).');
    return;
  }
  document.getElementById('maze-count').textContent = mazeCount > 1
    ? `It plays the ${mazeCount} mazes of the link and says whether they can be won.`
    : 'It plays the maze of the link and says whether it can be won.';
  tell('running', 'Loading the game\'s pictures…');

  // The game's files are the site's own package (site-files.json says where each file lies in
  // tamberlo-adventure.data), the very files the game's page uses: a visit to either brings
  // them for both. The late sounds are left out: the autopilot plays silently.
  const files = fetchOk('site-files.json').then((response) => response.json())
    .then((listing) => fetchOk(listing.data.name).then((response) => response.arrayBuffer())
      .then((bytes) => [listing, new Uint8Array(bytes)]));

  // The status leaves the game's code as an exception once onExit has heard it.
  window.addEventListener('unhandledrejection', (event) => {
    if (event.reason && event.reason.name === 'ExitStatus') event.preventDefault();
  });

  const Module = {
    canvas: document.getElementById('canvas'),
    arguments: ['--maze', codes, '--progress', '--max-frames', String(framesPerMaze * mazeCount)],
    print: readLine,
    printErr: (text) => {
      errors.push(text.replace(/^tamberlo-adventure: /, ''));
      console.error(text);
    },
    preRun: [() => {
      // As in the game's page: stream number 0 stays taken, which the game reads as none.
      SDL.rwops.push({});
      Module.addRunDependency('tamberlo-files');
      files.then(([listing, bytes]) => {
        for (const [name, start, end] of listing.data.files) {
          const folder = name.slice(0, name.lastIndexOf('/') + 1);
          if (folder) Module.FS.mkdirTree('/' + folder);
          Module.FS.writeFile('/' + name, bytes.subarray(start, end));
        }
        tell('running', 'Starting…');
        Module.removeRunDependency('tamberlo-files');
      }).catch((error) => finish('refused', 'The game\'s files did not come: ' + error.message));
    }],
    onExit: (status) => {
      const lives = report.livesLost === 1 ? '1 life' : `${report.livesLost} lives`;
      if (status === 0) {
        finish('won', `It won ${mazeCount > 1 ? `all ${mazeCount} mazes` : 'the maze'} in ` +
          `${report.frames} frames (${lives} lost).`);
      } else if (status === 1) {
        finish('lost', `It did not win within ${framesPerMaze * mazeCount} frames.`);
      } else {
        finish('refused', errors.join('; ') || `The autopilot stopped (status ${status}).`);
      }
    },
    onAbort: (what) => finish('refused', 'The autopilot stopped: ' + what),
  };
  window.Module = Module;
  const script = document.createElement('script');
  script.src = 'tamberlo-autopilot.js';
  script.onerror = () => finish('refused', 'The autopilot could not be loaded.');
  document.body.appendChild(script);
})();
