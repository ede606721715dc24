// What happens when the player and an enemy meet: a frightened enemy is eaten, an active one
// knocks the player out; and the loss of a life once the knock-out spin is over.
#include "rules/contacts.h"

#include "actors/actor.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "core/scoring.h"
#include "maze/bomb_site.h"
#include "rules/bombs.h"
#include "rules/enemy_release.h"

#include <cstdint>
#include <iterator>

namespace {

// Hit boxes are 20 pixels square, so boxes of actors up to 19 pixels apart share a pixel.
constexpr int32_t touchReach = 19;

void sendHome(Actor& enemy, int32_t penFrames, int32_t later) {
    enemy.x = enemy.homeX;
    enemy.y = enemy.homeY;
    enemy.setTimedState(penFrames == 0 ? Active : Penned, penFrames, later);
}

} // namespace

bool actorsTouch(const Actor& a, const Actor& b) {
    return b.y - touchReach <= a.y && a.y <= b.y + touchReach && b.x - touchReach <= a.x &&
           a.x <= b.x + touchReach;
}

void resolveContacts() {
    if (player.state != Active) {
        return;
    }
    for (Actor* enemy : enemies) {
        if (!actorsTouch(player, *enemy)) {
            continue;
        }
        if (enemy->state == Scared) {
            enemy->phaseCounter = 0;
            enemy->setTimedState(Flung, 0, Flung);
            player.score += eatenEnemyPoints;
            break;
        }
        if (enemy->state == Active) {
            punchedFrames = 0;
            player.setState(Punched);
            soundBank.playSound(SfxWuzzle);
            soundBank.playSound(SfxPunch);
            break;
        }
    }
    applyBlasts();
}

void updatePunchedPlayer() {
    ++punchedFrames;
    if (punchedFrames != punchedSpinFrames) {
        return;
    }
    player.setState(Active);
    player.setDirection(None);
    player.x = player.homeX;
    player.y = player.homeY;
    --player.lives;
    player.score -= lifeLostPoints;
    player.bombs = 0;
    resetBombSites();
    for (size_t i = 0; i < std::size(enemies); ++i) {
        sendHome(*enemies[i], knockOutReleaseFrames[i], Active);
    }
    // Red keeps its heading and walks out at once; the others pace their pen until released.
    purpleEnemy.direction = West;
    blueEnemy.direction = East;
    yellowEnemy.direction = West;
    punchedFrames = 0;
}
