// Trials of every way out, the bomb and warp escapes, and the give-up when nothing moves on.
#include "controller.h"

#include "bomb_tactics.h"
#include "bot_platform.h"
#include "route_policy.h"
#include "sandbox.h"
#include "shell/game_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace autopilot {

namespace {

// Frames each trial looks ahead: long enough to see a corridor close at both ends.
constexpr int32_t horizonFrames = 96;
// A caught trial is worth far less than any other, and less the sooner it is caught.
constexpr double caughtValue = -1e6;
constexpr double perFrameSurvived = 1000.0;
// Caught within this many frames whatever the bot does: it is cornered. Later catches in a
// trial say more about the trial's simple steering than about the player's position.
constexpr int32_t corneredFrames = 48;
constexpr double caughtBelow = caughtValue + perFrameSurvived * corneredFrames;
// The end of a trial: distance from the threats is worth more than being close to a dot.
constexpr double safetyWeight = 2.0;
constexpr double dotDistanceWeight = 3.0;
constexpr int32_t safeEnough = 5;
// Keeping the way already chosen wins ties and stops dithering.
constexpr double keepBonus = 0.5;
// Mid-cell turns are weighed only when a threat is this close.
constexpr int32_t closeThreat = 2;
// An enemy this close behind gets a bomb dropped in its path.
constexpr int32_t onHeels = 2;
// With no dot eaten for this long, the bot warps, then gives up a life.
constexpr int32_t stuckFrames = 900;

double caught(int32_t frame) {
    return caughtValue + perFrameSurvived * frame;
}

// Points scored early count more than points at the horizon.
double discount(int32_t frame) {
    return 1.0 - 0.5 * frame / horizonFrames;
}

double endValue() {
    const int32_t safety = std::min(nearestThreat(threatDistances()), safeEnough);
    const int32_t toDot = std::min(stepsToNearestDot(), mazeCells);
    return safetyWeight * safety - dotDistanceWeight * toDot;
}

// One frame of a trial, setting off a bomb when it would catch a threat.
bool trialStep(Sandbox& box, SDLKey arrow) {
    if (blastWouldCatch()) {
        box.pressBomb();
    }
    return box.step(arrow);
}

} // namespace

double Controller::finishTrial(int32_t first, int32_t frame) {
    Sandbox box;
    int32_t way = first;
    double points = 0;
    bool leftCorner = false;
    while (frame < horizonFrames) {
        if (leftCorner && onCellCorner(player)) {
            way = routeHeading();
        }
        leftCorner = true;
        const int32_t scoreBefore = player.score;
        if (!trialStep(box, arrowFor(way))) {
            return caught(frame);
        }
        points += (player.score - scoreBefore) * discount(frame);
        ++frame;
    }
    return points + endValue();
}

double Controller::tryHeading(int32_t first, bool dropBomb) {
    Sandbox box;
    if (dropBomb) {
        box.pressBomb();
    }
    const int32_t scoreBefore = player.score;
    int32_t frame = 0;
    // Walk the first way up to the next cell corner, where the second choice is made.
    do {
        if (!trialStep(box, arrowFor(first))) {
            return caught(frame);
        }
        ++frame;
    } while (!onCellCorner(player) && frame < horizonFrames);
    const double points = (player.score - scoreBefore) * discount(0);
    double best = -std::numeric_limits<double>::infinity();
    for (int32_t second : playerExits()) {
        best = std::max(best, finishTrial(second, frame));
    }
    if (best == -std::numeric_limits<double>::infinity()) {
        best = finishTrial(None, frame);
    }
    return points + best;
}

void Controller::watchProgress() {
    if (ediblesLeft != lastEdibles) {
        lastEdibles = ediblesLeft;
        framesWithoutDot = 0;
        return;
    }
    if (std::getenv("AP_TRACE") && framesWithoutDot > 600 && framesWithoutDot % 8 == 0) {
        std::fprintf(stderr, "  p %d,%d d%d |", player.x/32, player.y/32, player.direction);
        for (auto* e : enemies) std::fprintf(stderr, " %d,%d s%d t%d", e->x/32, e->y/32, e->state, e->stateTimer);
        for (int c = 0; c < mazeCells; ++c) if (isDotCode(mazeGrid.cells[c])) std::fprintf(stderr, " dot %d,%d", c%25, c/25);
        std::fprintf(stderr, "\n");
    }
    if (++framesWithoutDot < stuckFrames) {
        return;
    }
    // Walking gets nowhere: a warp lands somewhere new, and a lost life starts afresh.
    framesWithoutDot = 0;
    if (std::getenv("AP_TRACE")) std::fprintf(stderr, "STUCK level %d at %d,%d left %d\n", levelNumber, player.x, player.y, ediblesLeft);
    pressKey(player.warps > 0 ? SDLK_z : SDLK_k);
}

void Controller::playFrame() {
    if (player.state != Active) {
        holdArrow(SDLK_UNKNOWN);
        return;
    }
    watchProgress();
    if (blastWouldCatch()) {
        pressKey(SDLK_SPACE);
    } else if (nearestThreat(threatDistances()) <= onHeels && bombKeyDrops()) {
        // A bomb left in the path of an enemy on the player's heels goes off under it.
        pressKey(SDLK_SPACE);
    }
    if (player.warps > 0 && ediblesLeft > 0 && stepsToNearestDot() >= unreachable) {
        // No dot can be walked to from here: only a warp gets there.
        if (std::getenv("AP_TRACE")) std::fprintf(stderr, "UNREACHABLE level %d at %d,%d\n", levelNumber, player.x, player.y);
        pressKey(SDLK_z);
        return;
    }
    const bool threatClose = nearestThreat(threatDistances()) <= closeThreat;
    if (!onCellCorner(player) && !threatClose && heading == player.direction) {
        holdArrow(arrowFor(heading));
        return;
    }
    int32_t best = None;
    double bestValue = -std::numeric_limits<double>::infinity();
    for (int32_t way : playerExits()) {
        const double value = tryHeading(way, false) + (way == heading ? keepBonus : 0.0);
        if (value > bestValue) {
            best = way;
            bestValue = value;
        }
    }
    if (bestValue < caughtBelow) {
        // Cornered: a bomb dropped here may stop the chase; failing that, warp away.
        const bool bomb = bombKeyDrops();
        for (int32_t way : bomb ? playerExits() : std::vector<int32_t>{}) {
            const double value = tryHeading(way, true);
            if (value > bestValue) {
                best = way;
                bestValue = value;
            }
        }
        if (std::getenv("AP_DUMP")) {
            for (int r = 0; r < mazeRows; ++r) {
                for (int c = 0; c < mazeColumns; ++c) {
                    char ch = isWallCode(mazeGrid.at(r, c)) ? '#' : isDotCode(mazeGrid.at(r, c)) ? '.' : mazeGrid.at(r,c) == PowerItem ? 'o' : ' ';
                    if (actorCell(player) == r * 25 + c) ch = 'P';
                    for (int k = 0; k < 4; ++k) if (actorCell(*enemies[k]) == r * 25 + c) ch = enemies[k]->state == Active ? "ABCD"[k] : "abcd"[k];
                    std::fputc(ch, stderr);
                }
                std::fputc('\n', stderr);
            }
            for (auto* e : enemies) std::fprintf(stderr, " %d,%d d%d s%d", e->x, e->y, e->direction, e->state);
            std::fprintf(stderr, " player %d,%d d%d\n", player.x, player.y, player.direction);
        }
        if (std::getenv("AP_TRACE")) std::fprintf(stderr, "CORNERED level %d at %d,%d bomb %d value %f\n", levelNumber, player.x, player.y, bomb, bestValue);
        if (bomb && bestValue >= caughtBelow) {
            pressKey(SDLK_SPACE);
        } else if (player.warps > 0) {
            pressKey(SDLK_z);
        }
    }
    heading = best;
    holdArrow(arrowFor(heading));
}

} // namespace autopilot
