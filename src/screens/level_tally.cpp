// The tally between levels: the level's score, its time penalty and the final score (the rules
// are in core/scoring.h) count up for 15 seconds while the player and the red enemy walk by.
#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "core/scoring.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "screens/screen_events.h"

#include <initializer_list>
#include <string>

namespace {

constexpr Uint32 tallySeconds = 15;
constexpr int32_t scoreCountStep = 10;
constexpr int32_t penaltyCountStep = 2;
constexpr int32_t walkY = 120;
constexpr Uint16 numberBoxWidth = 200;
constexpr Uint16 numberBoxHeight = 100;

struct NumberBox {
    Sint16 x;
    Sint16 y;
};
constexpr NumberBox scoreBox{450, 200};
constexpr NumberBox penaltyBox{500, 330};
constexpr NumberBox finalBox{450, 460};

constexpr SDL_Color white{255, 255, 255, 0};

// Counts a shown number up toward its target without passing it; a target at or below the
// number leaves it alone.
void countToward(int32_t& shown, int32_t target, int32_t step) {
    if (shown < target) {
        shown += step;
        if (shown > target) {
            shown = target;
        }
    }
}

void restoreUnder(const Actor& walker, SDL_Surface* board) {
    blitRegion(board, static_cast<Sint16>(walker.x), static_cast<Sint16>(walker.y), tileSize,
               tileSize);
}

// A walker that has left the window on the right starts again at the left edge.
void wrapWalker(Actor& walker) {
    if (walker.x > windowWidth) {
        walker.x = 0;
    }
}

} // namespace

void FrontEnd::runLevelTally() {
    soundBank.stopMusic();
    soundBank.playSound(SfxYouWin);
    const Uint32 start = platform.getTicks();
    const int32_t score = player.score;
    const int32_t penalty = timePenalty(levelSeconds);
    const int32_t final = finalScore(score, levelSeconds);
    int32_t shownScore = 0;
    int32_t shownPenalty = 0;
    int32_t shownFinal = 0;
    bool done = false;
    blitAt(beatBoard, 0, 0);
    player.setX(50);
    player.setY(walkY);
    player.setDirection(East);
    redEnemy.setX(0);
    redEnemy.setY(walkY);
    redEnemy.setDirection(East);
    bool firstPass = true;
    // What each box shows, so that a box is erased and its number drawn only when the number
    // changes: doing it again for the same number would set the same pixels. -1: not drawn yet.
    int32_t drawn[] = {-1, -1, -1};
    const NumberBox boxes[] = {scoreBox, penaltyBox, finalBox};
    while (!done) {
        done = drainEventsForQuit();
        restoreUnder(player, beatBoard);
        restoreUnder(redEnemy, beatBoard);
        countToward(shownScore, score, scoreCountStep);
        countToward(shownPenalty, penalty, penaltyCountStep);
        countToward(shownFinal, final, scoreCountStep);
        const int32_t shown[] = {shownScore, shownPenalty, shownFinal};
        for (int i = 0; i < 3; ++i) {
            if (shown[i] != drawn[i]) {
                blitRegion(beatBoard, boxes[i].x, boxes[i].y, numberBoxWidth, numberBoxHeight);
            }
        }
        wrapWalker(player);
        wrapWalker(redEnemy);
        player.moveRight();
        redEnemy.moveRight();
        player.drawWalking();
        redEnemy.drawWalking();
        if (firstPass) {
            renderText(largeFont, "You Beat Level", white, 100, 20);
            renderText(largeFont, std::to_string(levelNumber).c_str(), white, 600, 20);
            renderText(largeFont, "!", white, 650, 20);
            renderText(largeFont, "Your Score :", white, 50, 200);
            renderText(largeFont, "Time Penalty :", white, 50, 330);
            renderText(largeFont, "Final Score :", white, 50, 460);
            firstPass = false;
        }
        for (int i = 0; i < 3; ++i) {
            if (shown[i] != drawn[i]) {
                renderText(largeFont, std::to_string(shown[i]).c_str(), white, boxes[i].x,
                           boxes[i].y);
                drawn[i] = shown[i];
            }
        }
        if ((platform.getTicks() - start) / 1000 >= tallySeconds) {
            done = true;
        }
        presentScreen();
    }
}
