// The intro menu: a picture that follows the pointer, play and controls buttons, and the red
// enemy chasing the player along the bottom of the window.
#include "assets/front_end.h"
#include "assets/image_loader.h"
#include "maze/level_build.h"
#include "screens/intro_regions.h"
#include "screens/menu_layout.h"
#include "screens/screen_events.h"
#include "shell/game_state.h"
#include "shell/pacing.h"
#include "shell/platform.h"

namespace {

constexpr Sint16 pagePlayX = 300;
constexpr Sint16 pagePlayY = 500;
constexpr int32_t runnerWrapX = 800;
constexpr int32_t laneHeights[] = {500, 400, 350};
constexpr int32_t laneCount = 3;

// A runner that has left the window on the right comes back at the left, on the next lane.
void keepRunning(Actor& runner, int32_t& lane) {
    if (runner.getX() > runnerWrapX) {
        runner.setX(0);
        runner.setY(laneHeights[lane]);
        lane = (lane + 1) % laneCount;
    }
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
    soundBank.playSound(MusicIntro);
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
    while (!finished) {
        finished = drainEventsForQuit();
        int x = 0;
        int y = 0;
        platform.getMouseState(&x, &y);
        switch (menuRegionAt(x, y, leftButtonHeld())) {
        case PlayZone:
            if (playZoneSound) {
                soundBank.playSound(SfxPageTurn);
                playZoneSound = false;
            }
            blitAt(introBackgroundLeft, 0, 0);
            if (pointerOnButton(x, y, menuPlayX, menuButtonY, buttonWidth, buttonHeight)) {
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
            if (pointerOnButton(x, y, menuControlsX, menuButtonY, buttonWidth, buttonHeight)) {
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
        keepRunning(player, playerLane);
        keepRunning(redEnemy, redEnemyLane);
        player.moveRight();
        redEnemy.moveRight();
        player.drawWalking();
        redEnemy.drawWalking();
        presentScreen();
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
        if (firstPass) {
            blitAt(optionsImage, 0, 0);
            firstPass = false;
        }
        int x = 0;
        int y = 0;
        platform.getMouseState(&x, &y);
        // On this page the button lights up at rest and dims under the pointer.
        if (pointerOnButton(x, y, pagePlayX, pagePlayY, buttonWidth, buttonHeight)) {
            blitAt(playImage, pagePlayX, pagePlayY);
            if (leftButtonHeld()) {
                soundBank.playSound(SfxButtonPush);
                finished = true;
            }
        } else {
            blitAt(play2Image, pagePlayX, pagePlayY);
        }
        presentScreen();
    }
}
