// The bombs: picking them up, the space key, the blasts that fling enemies and knock out the
// player, and their drawing.
#include "rules/bombs.h"

#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "core/scoring.h"
#include "maze/bomb_site.h"
#include "platform/video.h"

namespace {

constexpr int32_t bannerFrames = 45;
constexpr int32_t bonusBanner = 0;
constexpr int32_t multiKillCadence = 3;

// The enlarged square of an enemy: a side of 35.2 pixels, grown equally on every side. Both
// constants are single precision, as the rest of the sum is worked out in double precision.
constexpr float enlargedSide = 35.2f;
constexpr float enlargedMargin = (enlargedSide - 32.0f) / 2.0f;

// Truncates toward zero, as a conversion to int does.
int32_t truncated(double value) {
    return static_cast<int32_t>(value);
}

} // namespace

bool overlapsTile(const Actor& actor, int32_t px, int32_t py) {
    if (actor.kind == PlayerKind) {
        return py <= actor.y + tileSize && actor.y <= py + tileSize && px <= actor.x + tileSize &&
               actor.x <= px + tileSize;
    }
    const double side = enlargedSide;
    const double margin = enlargedMargin;
    const int32_t a = truncated(actor.x - margin);
    const int32_t b = truncated(px - margin);
    const int32_t c = truncated(actor.y - margin);
    const int32_t d = truncated(py - margin);
    return d <= truncated(c + side) && c <= truncated(d + side) && b <= truncated(a + side) &&
           a <= truncated(b + side);
}

void updateBombs() {
    for (BombSite& site : bombSites) {
        const Sint16 x = static_cast<Sint16>(site.x);
        const Sint16 y = static_cast<Sint16>(site.y);
        switch (site.state) {
        case Lying:
            if (overlapsTile(player, site.x, site.y)) {
                soundBank.playSound(SfxPickUp);
                site.state = Carried;
                ++player.bombs;
            } else {
                blitAt(tileBank.dyno, x, y);
            }
            break;
        case Armed:
            blitAt(tileBank.dyno, x, y);
            break;
        case Exploding:
            // One animation counter serves every exploding bomb.
            if (explosionFrame == 0 || explosionFrame == 2) {
                blitAt(tileBank.boom, x, y);
                ++explosionFrame;
            } else if (explosionFrame == 1) {
                blitAt(tileBank.boom2, x, y);
                ++explosionFrame;
            } else {
                site.state = Spent;
                explosionFrame = 0;
            }
            break;
        default:
            break;
        }
    }
}

void useBombKey() {
    for (BombSite& site : bombSites) {
        if (site.state == Armed) {
            soundBank.playSound(SfxExplode);
            site.state = Exploding;
            return;
        }
        if (site.state == Carried && player.bombs > 0) {
            soundBank.playSound(SfxDropBomb);
            site.x = player.x;
            site.y = player.y;
            site.state = Armed;
            --player.bombs;
            return;
        }
    }
}

void applyBlasts() {
    for (const BombSite& site : bombSites) {
        if (site.state != Exploding) {
            continue;
        }
        int32_t hits = 0;
        for (Actor* enemy : enemies) {
            if (overlapsTile(*enemy, site.x, site.y)) {
                enemy->setTimedState(Flung, 0, Flung);
                player.score += blastedEnemyPoints;
                ++hits;
            }
        }
        if (hits >= 2) {
            // Only every third multiple catch earns the reward, so a blast that keeps two
            // enemies inside it for all its frames pays out once at the start and once more.
            if (multiKillCounter == 0) {
                frontEnd.showBanner(bonusBanner, bannerFrames);
                player.score += multiKillPoints;
                player.lives += multiKillLives;
            }
            ++multiKillCounter;
            if (multiKillCounter == multiKillCadence) {
                multiKillCounter = 0;
            }
        }
        if (overlapsTile(player, site.x, site.y)) {
            soundBank.playSound(SfxWuzzle);
            player.setState(Punched);
        }
    }
}
