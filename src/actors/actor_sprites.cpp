// Loading the seven looks at start-up and handing them, with the window, to the five actors.
#include "actors/actor.h"
#include "assets/sprite_set.h"
#include "core/game_state.h"

void loadActorSprites() {
    playerSet.loadSprites(PlayerLook);
    redSet.loadSprites(RedLook);
    purpleSet.loadSprites(PurpleLook);
    blueSet.loadSprites(BlueLook);
    yellowSet.loadSprites(YellowLook);
    scaredGreySet.loadSprites(ScaredGrey);
    scaredWhiteSet.loadSprites(ScaredWhite);
    player.attachSprites(&playerSet, screen, nullptr, nullptr);
    redEnemy.attachSprites(&redSet, screen, &scaredGreySet, &scaredWhiteSet);
    purpleEnemy.attachSprites(&purpleSet, screen, &scaredGreySet, &scaredWhiteSet);
    blueEnemy.attachSprites(&blueSet, screen, &scaredGreySet, &scaredWhiteSet);
    yellowEnemy.attachSprites(&yellowSet, screen, &scaredGreySet, &scaredWhiteSet);
}
