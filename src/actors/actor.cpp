// The actor's construction, its sprites, and the one timer that ends a timed state.
#include "actors/actor.h"

Actor::Actor(int32_t initialDirection, int32_t initialState, int32_t actorKind)
    : kind(actorKind), direction(initialDirection), state(initialState) {}

void Actor::attachSprites(SpriteSet* ownSprites, SDL_Surface* drawTarget, SpriteSet* scaredGrey,
                          SpriteSet* scaredWhite) {
    sprites = ownSprites;
    target = drawTarget;
    scaredGreySprites = scaredGrey;
    scaredWhiteSprites = scaredWhite;
    animFrame = 0;
    blinkPhase = true;
}

void Actor::setTimedState(int32_t newState, int32_t frames, int32_t laterState) {
    state = newState;
    stateTimer = frames;
    restoreState = laterState;
    stateTimerActive = true;
}

void Actor::tickStateTimer() {
    if (!stateTimerActive) {
        return;
    }
    --stateTimer;
    if (stateTimer <= 0) {
        state = restoreState;
        stateTimerActive = false;
    }
}
