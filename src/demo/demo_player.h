// Replaying a demo: a platform seam that answers every read of the game from the demo and from
// nothing else, and stops the game with DemoDivergence as soon as the game asks for anything
// the demo does not hold next.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "demo/demo_format.h"

// Thrown out of the game's code by a read the demo cannot answer; the message says where.
class DemoDivergence : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads and parses the demo file at `path`, and refuses it unless it was recorded on the level
// files whose hash is `levelHash`; the error says why a demo cannot be replayed.
DemoParse loadDemo(const std::string& path, uint64_t levelHash);

// Seeds the random draws as the recording did, forgets what the pad held, and installs the
// replaying seam over SDL's. Headless, delays return at once; with `realtime` every clock reading
// waits until as much real time has passed since the first as had passed in the recording, and
// presents keep the window alive. With hashPictures, every presented picture is folded into
// replayedPicturesHash().
void startReplay(Demo demo, bool realtime, bool hashPictures = false);

// The hash of every picture presented so far, when asked for.
uint64_t replayedPicturesHash();

// Presents replayed so far.
uint32_t replayedFrames();

// Throws DemoDivergence unless the game has used up the whole demo; puts SDL's seam back.
void finishReplay();
