// The page's touch controls: a swipe over the game steers as a held arrow key does, on-screen
// buttons give the play commands of the game's controls table, and both show once the page
// sees a touch. The game reads them as the events of a pad, so a game played by touch records
// and replays like any other.
'use strict';

(function () {
  const root = document.documentElement;
  const stage = document.getElementById('stage');
  // A touch steers once it has travelled this far (CSS pixels) from where it started or last
  // steered: shorter ones are taps, which the game reads as clicks.
  const swipeDistance = 24;
  // SDL's d-pad bits.
  const hat = { centred: 0, up: 1, right: 2, down: 4, left: 8 };
  let held = hat.centred;
  const swipes = new Map();

  function game() {
    const module = window.Module;
    return module && module._tamberloTouchHold ? module : null;
  }

  function hold(way) {
    const module = game();
    if (!module || way === held) return;
    held = way;
    module._tamberloTouchHold(way);
  }

  function press(command, down) {
    const module = game();
    if (module) module.ccall('tamberloTouchCommand', null, ['string', 'number'], [command, down]);
  }

  // A touch screen shows the controls from the start; elsewhere the first touch shows them once
  // it is over (the picture shrinks for them, and the touch must land where it was aimed). A key
  // pressed afterwards hides them again and lets go of the swipe, so the arrows steer alone.
  if (matchMedia('(any-pointer: coarse)').matches) root.classList.add('touch');
  window.addEventListener('touchend', () => root.classList.add('touch'),
    { capture: true, passive: true });
  window.addEventListener('keydown', (event) => {
    if (!event.isTrusted) return;
    root.classList.remove('touch');
    hold(hat.centred);
  }, true);

  // A swipe steers the way it went furthest: the game sees that way held until the next swipe,
  // so one made before a junction turns there.
  stage.addEventListener('touchstart', (event) => {
    for (const touch of event.changedTouches) {
      swipes.set(touch.identifier, { x: touch.clientX, y: touch.clientY });
    }
  }, { passive: true });
  stage.addEventListener('touchmove', (event) => {
    for (const touch of event.changedTouches) {
      const from = swipes.get(touch.identifier);
      if (!from) continue;
      const dx = touch.clientX - from.x;
      const dy = touch.clientY - from.y;
      if (Math.max(Math.abs(dx), Math.abs(dy)) < swipeDistance) continue;
      if (Math.abs(dx) > Math.abs(dy)) {
        hold(dx > 0 ? hat.right : hat.left);
      } else {
        hold(dy > 0 ? hat.down : hat.up);
      }
      swipes.set(touch.identifier, { x: touch.clientX, y: touch.clientY });
    }
  }, { passive: true });
  for (const type of ['touchend', 'touchcancel']) {
    stage.addEventListener(type, (event) => {
      for (const touch of event.changedTouches) swipes.delete(touch.identifier);
    }, { passive: true });
  }

  // Each button holds its command's pad button down for as long as the finger stays on it.
  for (const button of document.querySelectorAll('#touch-controls [data-command]')) {
    const command = button.dataset.command;
    button.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      button.setPointerCapture(event.pointerId);
      press(command, 1);
    });
    for (const type of ['pointerup', 'pointercancel']) {
      button.addEventListener(type, () => press(command, 0));
    }
    // Activated without a pointer (a screen reader, a switch): a press and its release.
    button.addEventListener('click', (event) => {
      if (event.detail !== 0) return;
      press(command, 1);
      press(command, 0);
    });
  }
  // The Full screen button is the page's own (page.js), as F11 is.
})();
