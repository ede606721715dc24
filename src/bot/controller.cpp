// Trials of every way out, the bomb and warp escapes, and the give-up when nothing moves on.
#include "bot/controller.h"

#include "actors/actor.h"
#include "bot/bomb_tactics.h"
#include "bot/bot_platform.h"
#include "bot/route_policy.h"
#include "bot/sandbox.h"
#include "core/game_state.h"

#include <algorithm>
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
// After this long without a dot, the bot fetches a power item to get past the enemies.
constexpr int32_t powerHuntFrames = 300;

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
        if (!trialStep(box, walkKey(static_cast<Direction>(way)))) {
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
        if (!trialStep(box, walkKey(static_cast<Direction>(first)))) {
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
        seekPowerItems(false);
        return;
    }
    seekPowerItems(++framesWithoutDot >= powerHuntFrames);
    if (framesWithoutDot < stuckFrames) {
        return;
    }
    // Walking gets nowhere: a warp lands somewhere new, and a lost life starts afresh.
    framesWithoutDot = 0;
    seekPowerItems(false);
    pressKeyFor(player.warps > 0 ? Command::Warp : Command::GiveUp);
}

void Controller::playFrame() {
    if (player.state != Active) {
        holdArrow(None);
        return;
    }
    watchProgress();
    // One press of the bomb key a frame: a second would set off the bomb just dropped.
    bool bombKeyPressed = false;
    if (blastWouldCatch() || (nearestThreat(threatDistances()) <= onHeels && bombKeyDrops())) {
        // A bomb left in the path of an enemy on the player's heels goes off under it.
        pressKeyFor(Command::Bomb);
        bombKeyPressed = true;
    }
    if (player.warps > 0 && ediblesLeft > 0 && stepsToNearestDot() >= unreachable) {
        // No dot can be walked to from here: only a warp gets there.
        pressKeyFor(Command::Warp);
        return;
    }
    const bool threatClose = nearestThreat(threatDistances()) <= closeThreat;
    if (!onCellCorner(player) && !threatClose && heading == player.direction) {
        holdArrow(heading);
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
        const bool bomb = !bombKeyPressed && bombKeyDrops();
        for (int32_t way : bomb ? playerExits() : std::vector<int32_t>{}) {
            const double value = tryHeading(way, true);
            if (value > bestValue) {
                best = way;
                bestValue = value;
            }
        }
        if (bomb && bestValue >= caughtBelow) {
            pressKeyFor(Command::Bomb);
        } else if (player.warps > 0) {
            pressKeyFor(Command::Warp);
        }
    }
    heading = best;
    holdArrow(heading);
}

} // namespace autopilot
