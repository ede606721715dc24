// When the bot drops a bomb and when it sets one off.
#pragma once

namespace autopilot {

// Whether the bomb key would drop a carried bomb now.
bool bombKeyDrops();

// Whether an armed bomb has an enemy that can catch the player in its blast while the player
// stays clear of it, and the bomb key would set it off.
bool blastWouldCatch();

} // namespace autopilot
