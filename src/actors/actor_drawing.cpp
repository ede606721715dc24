// How each actor is drawn in its state. Drawing also drives the animations and the flight of a
// flung enemy, which moves, wraps and lands back home from here.
#include "actors/actor.h"

#include "assets/sprite_set.h"
#include "core/game_random.h"
#include "core/game_state.h"
#include "platform/platform.h"
#include "platform/video.h"

namespace {

constexpr int32_t playerFramePeriodMs = 80;
constexpr int32_t enemyFramePeriodMs = 200;
constexpr Uint32 spinStepMs = 150;
constexpr Uint32 scaredFramePeriodMs = 200;
constexpr int32_t spinSteps = 4;

constexpr int32_t flightStep = 15;
constexpr int32_t flightLegFrames = 20;
constexpr int32_t flightLastFrame = 250;
constexpr int32_t flightLeftX = 0;
constexpr int32_t flightRightX = lastColumnX;
constexpr int32_t flightRightLimit = mazeColumns * tileSize;
constexpr int32_t flightTopY = 32;
constexpr int32_t flightBottomY = 568;
constexpr int32_t penAfterFlightFrames = 100;

// The headings of the knocked-out player's spin, one per step.
constexpr int32_t spinHeadings[spinSteps] = {North, South, West, East};

void stepAnimFrame(int32_t& frame) {
    ++frame;
    if (frame > framesPerHeading - 1) {
        frame = 0;
    }
}

} // namespace

void Actor::blitFrame(SpriteSet* set, int32_t heading, int32_t frame) {
    if (set == nullptr || target == nullptr) {
        return;
    }
    SDL_Surface* picture = set->frameFor(heading, frame);
    if (picture == nullptr) {
        return;
    }
    if (target == screen) {
        blitAt(picture, static_cast<Sint16>(x), static_cast<Sint16>(y));
        return;
    }
    SDL_Rect destination{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(picture, nullptr, target, &destination);
}

void Actor::draw() {
    switch (state) {
    case Punched:
        drawPunched();
        break;
    case Flung:
        drawFlung();
        break;
    case Scared:
        drawScared();
        break;
    default:
        drawWalking();
        break;
    }
}

void Actor::drawWalking() {
    framePeriod = kind == PlayerKind ? playerFramePeriodMs : enemyFramePeriodMs;
    if (platform.getTicks() > lastFrameTick + static_cast<Uint32>(framePeriod)) {
        stepAnimFrame(animFrame);
        lastFrameTick = platform.getTicks();
    }
    blitFrame(sprites, direction, animFrame);
}

void Actor::drawPunched() {
    if (platform.getTicks() > lastFrameTick + spinStepMs) {
        ++phaseCounter;
        if (phaseCounter > spinSteps - 1) {
            phaseCounter = 0;
        }
        lastFrameTick = platform.getTicks();
    }
    const int32_t step = phaseCounter >= 0 && phaseCounter < spinSteps ? phaseCounter : 0;
    blitFrame(sprites, spinHeadings[step], 0);
}

// A frightened enemy blinks: grey and white looks by turns, one per drawn frame.
void Actor::drawBlinking() {
    if (blinkPhase) {
        blitFrame(scaredGreySprites, direction, animFrame);
        blinkPhase = false;
    } else {
        blitFrame(scaredWhiteSprites, direction, animFrame);
        blinkPhase = true;
    }
}

void Actor::drawScared() {
    if (platform.getTicks() > lastFrameTick + scaredFramePeriodMs) {
        stepAnimFrame(animFrame);
        lastFrameTick = platform.getTicks();
    }
    drawBlinking();
}

void Actor::drawFlung() {
    // The flight goes up-right, up-left, down-left, then down-right until it lands.
    const int32_t leg = phaseCounter / flightLegFrames;
    if (leg == 0) {
        x += flightStep;
        y -= flightStep;
    } else if (leg == 1) {
        x -= flightStep;
        y -= flightStep;
    } else if (leg == 2) {
        x -= flightStep;
        y += flightStep;
    } else {
        x += flightStep;
        y += flightStep;
    }
    if (x < flightLeftX) {
        x = flightRightX;
    } else if (x > flightRightLimit) {
        x = flightLeftX;
    }
    if (y < flightTopY) {
        y = flightBottomY;
    } else if (y > flightBottomY) {
        y = flightTopY;
    }
    drawBlinking();
    ++phaseCounter;
    if (phaseCounter > flightLastFrame) {
        x = homeX;
        y = homeY;
        setTimedState(Penned, penAfterFlightFrames, Active);
        direction = (gameRandom() % 2 != 0) ? East : West;
        phaseCounter = 0;
    }
}

void drawActors() {
    player.draw();
    // A knocked-out player spins alone: the enemies vanish until everyone is back home.
    if (player.state != Punched) {
        for (Actor* enemy : enemies) {
            enemy->draw();
        }
    }
}
