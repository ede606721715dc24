#include "support/game_fixture.h"

#include "assets/image_loader.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/video.h"

#include <SDL_mixer.h>
#include <cstdlib>
#include <unistd.h>

namespace {

bool started = false;

int32_t codeFor(char symbol) {
    switch (symbol) {
    case '#':
        return WallEastWest;
    case '.':
        return Dot;
    case 'o':
        return PowerItem;
    case 'B':
        return BombSiteMark;
    case '-':
        return Door;
    case 'P':
        return PlayerStart;
    case 'R':
        return RedHome;
    case '1':
        return PurpleHome;
    case '2':
        return BlueHome;
    case '3':
        return YellowHome;
    case '*':
        return DotSeek;
    case '^':
        return DotNorth;
    case 'v':
        return DotSouth;
    case '<':
        return DotWest;
    case '>':
        return DotEast;
    case 'k':
        return SeekMark;
    case 'n':
        return NorthMark;
    case 's':
        return SouthMark;
    case 'w':
        return WestMark;
    case 'e':
        return EastMark;
    default:
        return Open;
    }
}

void reloadIfReleased(SDL_Surface*& image, const char* path) {
    if (image == nullptr) {
        image = loadImage(path);
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
    initVideo();
    tileBank.loadTiles();
    soundBank.loadSounds();
    frontEnd.initFrontEnd();
    loadActorSprites();
}

void resetGameState() {
    scripted::install();
    player = Actor(None, Active, PlayerKind);
    redEnemy = Actor(North, Active, RedKind);
    purpleEnemy = Actor(East, Penned, PurpleKind);
    blueEnemy = Actor(West, Penned, BlueKind);
    yellowEnemy = Actor(East, Penned, YellowKind);
    player.attachSprites(&playerSet, screen, nullptr, nullptr);
    redEnemy.attachSprites(&redSet, screen, &scaredGreySet, &scaredWhiteSet);
    purpleEnemy.attachSprites(&purpleSet, screen, &scaredGreySet, &scaredWhiteSet);
    blueEnemy.attachSprites(&blueSet, screen, &scaredGreySet, &scaredWhiteSet);
    yellowEnemy.attachSprites(&yellowSet, screen, &scaredGreySet, &scaredWhiteSet);
    mazeGrid = MazeGrid{};
    bombSites.clear();
    quitRequested = 0;
    levelNumber = 0;
    ediblesLeft = 0;
    levelStartTicks = 0;
    levelSeconds = 0;
    prevLives = prevBombs = prevScore = prevWarps = 0;
    keyState = nullptr;
    punchedFrames = 0;
    powerFrame = 0;
    dotFrame = 0;
    dotFrameRising = true;
    explosionFrame = 0;
    multiKillCounter = 0;
    playerLane = 0;
    redEnemyLane = 0;
    frontEnd.bannerActive = false;
    frontEnd.bannerFramesLeft = 0;
    frontEnd.bannerKind = 0;
    reloadIfReleased(frontEnd.introBackgroundLeft, "images/introbgleft.png");
    reloadIfReleased(frontEnd.introBackgroundRight, "images/introbgright.png");
    reloadIfReleased(frontEnd.introBackgroundPushed, "images/introbgpushed.png");
    if (soundBank.isOpen()) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    SDL_FillRect(screen, nullptr, 0);
}

void setMaze(const std::vector<std::string>& rows) {
    mazeGrid = MazeGrid{};
    for (int32_t row = 0; row < mazeRows && row < static_cast<int32_t>(rows.size()); ++row) {
        const std::string& line = rows[row];
        for (int32_t column = 0; column < mazeColumns && column < static_cast<int32_t>(line.size());
             ++column) {
            mazeGrid.set(row, column, codeFor(line[column]));
        }
    }
}

Uint32 surfacePixel(SDL_Surface* surface, int x, int y) {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0xFFFFFFFFu;
    }
    SDL_LockSurface(surface);
    const Uint8 bpp = surface->format->BytesPerPixel;
    const Uint8* at = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    Uint32 raw = 0;
    switch (bpp) {
    case 1:
        raw = *at;
        break;
    case 2:
        raw = *reinterpret_cast<const Uint16*>(at);
        break;
    case 3:
        raw = static_cast<Uint32>(at[0]) | (static_cast<Uint32>(at[1]) << 8) |
              (static_cast<Uint32>(at[2]) << 16);
        break;
    default:
        raw = *reinterpret_cast<const Uint32*>(at);
        break;
    }
    SDL_UnlockSurface(surface);
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    SDL_GetRGB(raw, surface->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

Uint32 screenPixel(int x, int y) {
    return surfacePixel(screen, x, y);
}

bool drawnAt(SDL_Surface* picture, int x, int y) {
    constexpr Uint32 seeThrough = 0xFF00FF;
    if (picture == nullptr) {
        return false;
    }
    const bool keyed = (picture->flags & SDL_SRCCOLORKEY) != 0;
    for (int py = 0; py < picture->h; ++py) {
        for (int px = 0; px < picture->w; ++px) {
            const Uint32 wanted = surfacePixel(picture, px, py);
            if (!(keyed && wanted == seeThrough) && screenPixel(x + px, y + py) != wanted) {
                return false;
            }
        }
    }
    return true;
}

int channelsPlaying(Mix_Chunk* chunk) {
    int count = 0;
    const int channels = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < channels; ++channel) {
        if (Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk) {
            ++count;
        }
    }
    return count;
}
