// A trial run of play: it saves everything a frame of play can change, lets the bot run the
// game's own frame steps on it with keys of its choosing, and puts it all back afterwards.
#pragma once

#include <SDL.h>
#include <array>
#include <cstdint>
#include <vector>

#include "actors/actor.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"

namespace autopilot {

class Sandbox {
  public:
    // Saves the play state; the destructor restores it.
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // One frame of play with only the given arrow held (SDLK_UNKNOWN for none). Returns false
    // once the player is no longer walking (caught, or standing in a blast).
    bool step(SDLKey arrow);

    // Presses the bomb key once, as the game's key handler would.
    void pressBomb();

    // Bombs that went off in a trial are spent after their first frame.
    void settleBlasts();

  private:
    std::array<Actor, 5> actors;
    MazeGrid grid;
    std::vector<BombSite> sites;
    int32_t edibles;
    int32_t punched;
    int32_t multiKills;
    int32_t explosion;
    Uint8* keys;
    bool banner;
    int32_t bannerFrames;
    int32_t bannerKind;
    std::array<Uint8, SDLK_LAST> trialKeys{};
};

} // namespace autopilot
