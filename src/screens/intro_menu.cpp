// The intro menu: a picture that follows the pointer, play and controls buttons (also pressed by
// keys and pad buttons), and the red enemy chasing the player along the bottom of the window.
#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/image_loader.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "screens/intro_regions.h"
#include "screens/menu_layout.h"
#include "screens/screen_button.h"
#include "screens/screen_events.h"

#include <algorithm>

namespace {

constexpr int32_t laneHeights[] = {500, 400, 350};
constexpr int32_t laneCount = 3;

// A runner that has left the window on the right comes back at the left, on the next lane.
void keepRunning(Actor& runner, int32_t& lane) {
    if (runner.getX() > windowWidth) {
        runner.setX(0);
        runner.setY(laneHeights[lane]);
        lane = (lane + 1) % laneCount;
    }
}

// Where a runner's picture covers the window, clipped to it (empty once it has run off).
SDL_Rect runnerArea(const Actor& runner) {
    SDL_Rect area{static_cast<Sint16>(runner.getX()), static_cast<Sint16>(runner.getY()),
                  static_cast<Uint16>(tileSize), static_cast<Uint16>(tileSize)};
    SDL_Rect visible{};
    const SDL_Rect window{0, 0, windowWidth, windowHeight};
    const int left = std::max<int>(area.x, window.x);
    const int top = std::max<int>(area.y, window.y);
    const int right = std::min<int>(area.x + area.w, window.w);
    const int bottom = std::min<int>(area.y + area.h, window.h);
    if (right > left && bottom > top) {
        visible = SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                           static_cast<Uint16>(right - left), static_cast<Uint16>(bottom - top)};
    }
    return visible;
}

// The smallest rectangle holding both; an empty one adds nothing.
SDL_Rect unite(SDL_Rect a, SDL_Rect b) {
    if (a.w == 0 || a.h == 0) {
        return b;
    }
    if (b.w == 0 || b.h == 0) {
        return a;
    }
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.w, b.x + b.w);
    const int bottom = std::max(a.y + a.h, b.y + b.h);
    return SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                    static_cast<Uint16>(right - left), static_cast<Uint16>(bottom - top)};
}

} // namespace

MenuRegion menuRegionAt(int x, int y, bool leftHeld) {
    if (x < 300 && y > 400) {
        return PlayZone;
    }
    if (x > 300 && y > 400) {
        return ControlsZone;
    }
    return leftHeld ? Pressed : Idle;
}

void FrontEnd::runIntroMenu() {
    player.setX(50);
    player.setY(550);
    player.setDirection(East);
    redEnemy.setX(0);
    redEnemy.setY(550);
    redEnemy.setDirection(East);
    bool finished = false;
    bool controlsChosen = false;
    // Each zone's sound plays once until the pointer is next in no zone.
    bool playZoneSound = true;
    bool controlsZoneSound = true;
    bool pressedSound = true;
    // What the last pass showed besides the runners; -1 before the first pass.
    int lastLook = -1;
    while (!finished) {
        const bool firstPass = lastLook < 0;
        finished = drainEventsForQuit();
        int x = 0;
        int y = 0;
        platform.getMouseState(&x, &y);
        const MenuRegion region = menuRegionAt(x, y, leftButtonHeld());
        // While the background and the buttons stay as they were, only the runners' old and new
        // places are drawn (clipped) and presented: the picture is the same as a full redraw.
        const bool onPlay =
            pointerOnButton(x, y, menuPlayX, menuButtonY, buttonWidth, buttonHeight);
        const bool onControls =
            pointerOnButton(x, y, menuControlsX, menuButtonY, buttonWidth, buttonHeight);
        const int look = region * 4 + (onPlay ? 1 : 0) + (onControls ? 2 : 0);
        SDL_Rect area = unite(runnerArea(player), runnerArea(redEnemy));
        keepRunning(player, playerLane);
        keepRunning(redEnemy, redEnemyLane);
        player.moveRight();
        redEnemy.moveRight();
        area = unite(area, unite(runnerArea(player), runnerArea(redEnemy)));
        if (look != lastLook) {
            area = SDL_Rect{0, 0, windowWidth, windowHeight};
            lastLook = look;
        }
        clipScreen(&area);
        switch (region) {
        case PlayZone:
            if (playZoneSound) {
                soundBank.playSound(SfxPageTurn);
                playZoneSound = false;
            }
            blitAt(introBackgroundLeft, 0, 0);
            if (onPlay) {
                blitAt(play2Image, menuPlayX, menuButtonY);
                if (leftButtonHeld()) {
                    soundBank.playSound(SfxButtonPush);
                    finished = true;
                }
            } else {
                blitAt(playImage, menuPlayX, menuButtonY);
            }
            break;
        case ControlsZone:
            if (controlsZoneSound) {
                soundBank.playSound(SfxPageTurn);
                controlsZoneSound = false;
            }
            blitAt(introBackgroundRight, 0, 0);
            if (onControls) {
                blitAt(controls2Image, menuControlsX, menuButtonY);
                if (leftButtonHeld()) {
                    soundBank.playSound(SfxButtonPush);
                    finished = true;
                    controlsChosen = true;
                }
            } else {
                blitAt(controls1Image, menuControlsX, menuButtonY);
            }
            break;
        case Pressed:
            if (pressedSound) {
                soundBank.playSound(SfxStretch);
                pressedSound = false;
            }
            blitAt(introBackgroundPushed, 0, 0);
            blitAt(play2Image, menuPlayX, menuButtonY);
            blitAt(controls2Image, menuControlsX, menuButtonY);
            break;
        case Idle:
            playZoneSound = true;
            controlsZoneSound = true;
            pressedSound = true;
            blitAt(introBackground, 0, 0);
            break;
        }
        // Enter, Space or the pad's A or Start press PLAY, and C or the pad's Y press CONTROLS,
        // wherever the pointer is.
        if (!finished && (confirmPressed() || controlsPressed())) {
            soundBank.playSound(SfxButtonPush);
            finished = true;
            controlsChosen = !confirmPressed();
        }
        player.drawWalking();
        redEnemy.drawWalking();
        clipScreen(nullptr);
        presentScreenArea(area);
        // The intro's music starts once the first picture is up: loading its synthesizer takes
        // longer than everything else before that picture. It starts even when this pass ends
        // the menu, so every game loads the same tracks in the same order.
        if (firstPass) {
            soundBank.playSound(MusicIntro);
        }
    }
    if (controlsChosen) {
        runControlsPage();
    }
    releaseSurface(introBackgroundLeft);
    releaseSurface(introBackgroundRight);
    releaseSurface(introBackgroundPushed);
    soundBank.stopMusic();
}

void FrontEnd::runControlsPage() {
    bool finished = false;
    bool firstPass = true;
    while (!finished) {
        finished = drainEventsForQuit();
        // After the page itself, only the button ever changes.
        SDL_Rect area{screenButtonX, screenButtonY, static_cast<Uint16>(buttonWidth),
                      static_cast<Uint16>(buttonHeight)};
        if (firstPass) {
            blitAt(optionsImage, 0, 0);
            firstPass = false;
            area = SDL_Rect{0, 0, windowWidth, windowHeight};
        }
        // On this page the button lights up at rest and dims under the pointer.
        if (passScreenButton(playImage, play2Image, finished)) {
            finished = true;
        }
        presentScreenArea(area);
    }
}
