// Trial frames on the live game state, undone when the trial ends. The trial runs the game's
// own moves, contacts and timers, so what it predicts is what the game will do for the same
// keys, up to the random draws of warps and landing enemies, which it never makes.
#include "bot/sandbox.h"

#include "actors/actor.h"
#include "app/game_loop.h"
#include "assets/front_end.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "rules/bombs.h"

namespace autopilot {

namespace {

Actor* const everyone[] = {&player, &redEnemy, &purpleEnemy, &blueEnemy, &yellowEnemy};

} // namespace

Sandbox::Sandbox()
    : actors{player, redEnemy, purpleEnemy, blueEnemy, yellowEnemy}, grid(mazeGrid),
      sites(bombSites), edibles(ediblesLeft), punched(punchedFrames), multiKills(multiKillCounter),
      explosion(explosionFrame), keys(keyState), banner(frontEnd.bannerActive),
      bannerFrames(frontEnd.bannerFramesLeft), bannerKind(frontEnd.bannerKind) {}

Sandbox::~Sandbox() {
    for (size_t i = 0; i < actors.size(); ++i) {
        *everyone[i] = actors[i];
    }
    mazeGrid = grid;
    bombSites = sites;
    ediblesLeft = edibles;
    punchedFrames = punched;
    multiKillCounter = multiKills;
    explosionFrame = explosion;
    keyState = keys;
    frontEnd.bannerActive = banner;
    frontEnd.bannerFramesLeft = bannerFrames;
    frontEnd.bannerKind = bannerKind;
}

bool Sandbox::step(SDLKey arrow) {
    trialKeys.fill(0);
    if (arrow != SDLK_UNKNOWN) {
        trialKeys[arrow] = 1;
    }
    keyState = trialKeys.data();
    advancePlay();
    settleBlasts();
    return player.state == Active;
}

void Sandbox::pressBomb() {
    useBombKey();
}

void Sandbox::settleBlasts() {
    for (BombSite& site : bombSites) {
        if (site.state == Exploding) {
            site.state = Spent;
        }
    }
}

} // namespace autopilot
