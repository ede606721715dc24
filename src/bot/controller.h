// The bot's player: before each frame it looks at the game and chooses the arrow to hold and
// the keys to press, weighing each way out by playing it forward on a sandbox.
#pragma once

#include <cstdint>

namespace autopilot {

class Controller {
  public:
    // Chooses this frame's input and hands it to the bot's platform seam.
    void playFrame();

  private:
    void watchProgress();
    // The best value of walking the given way first, tried over every second choice.
    double tryHeading(int32_t heading, bool dropBomb);
    double finishTrial(int32_t heading, int32_t frame);

    int32_t heading = 4; // None
    int32_t lastEdibles = -1;
    int32_t framesWithoutDot = 0;
};

} // namespace autopilot
