#include "support/game_fixture.h"

#include "assets/image_loader.h"
#include "maze/map_legend.h"
#include "platform/gamepad.h"
#include "platform/platform.h"
#include "platform/video.h"

#include <SDL_mixer.h>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

bool started = false;

void reloadIfReleased(SDL_Surface*& image, const char* path) {
    if (image == nullptr) {
        image = loadImage(path, screenPicture);
    }
}

} // namespace

void startHeadlessGame() {
    // A test that ran the game's own shutdown leaves the assets released: load them again.
    if (started && tileBank.openSpace != nullptr && frontEnd.smallFont != nullptr) {
        return;
    }
    started = true;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(TAMBERLO_GAME_DIR) != 0) {
        ADD_FAILURE() << "cannot enter the run directory " << TAMBERLO_GAME_DIR;
    }
    scripted::install();
    initVideo(&loadWindowIcon);
    tileBank.loadTiles();
    soundBank.loadSounds();
    frontEnd.initFrontEnd();
    loadActorSprites();
}

void resetGameState() {
    resetPadState();
    scripted::install();
    resetForNewGame();
    player.attachSprites(&playerSet, screen, nullptr, nullptr);
    redEnemy.attachSprites(&redSet, screen, &scaredGreySet, &scaredWhiteSet);
    purpleEnemy.attachSprites(&purpleSet, screen, &scaredGreySet, &scaredWhiteSet);
    blueEnemy.attachSprites(&blueSet, screen, &scaredGreySet, &scaredWhiteSet);
    yellowEnemy.attachSprites(&yellowSet, screen, &scaredGreySet, &scaredWhiteSet);
    reloadIfReleased(frontEnd.introBackgroundLeft, "images/introbgleft.png");
    reloadIfReleased(frontEnd.introBackgroundRight, "images/introbgright.png");
    reloadIfReleased(frontEnd.introBackgroundPushed, "images/introbgpushed.png");
    if (soundBank.isOpen()) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    SDL_FillRect(screen, nullptr, 0);
    forgetDrawnCells();
}

void setMaze(const std::vector<std::string>& rows) {
    mazeGrid = MazeGrid{};
    for (int32_t row = 0; row < mazeRows && row < static_cast<int32_t>(rows.size()); ++row) {
        for (int32_t column = 0; column < mazeColumns && column < std::ssize(rows[row]); ++column) {
            // The maps' own legend; a blank is open floor and every wall one straight piece.
            const char symbol = rows[row][column];
            mazeGrid.set(row, column,
                         symbol == wallSymbol ? WallEastWest
                                              : codeForSymbol(symbol).value_or(Open));
        }
    }
}

void place(Actor& actor, int32_t x, int32_t y, int32_t heading) {
    actor.x = x;
    actor.y = y;
    actor.direction = heading == -1 ? actor.direction : heading;
}

void reopenAudioWith(const char* driver) {
    soundBank.closeSounds();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", driver, 1);
    soundBank.loadSounds();
}
