// Recording a game as a demo: a wrapper stacked over whatever platform seam is installed (SDL's,
// a test's, the autopilot's) that passes every call through and writes down every read.
//
//   std::string error = startRecording("game.demo", 1, levelHash); // before the first read
//   ... play: start, frames, ...
//   error = finishRecording();                                    // before shutting down
#pragma once

#include <cstdint>
#include <string>

// Opens the file, seeds the random draws with `seed` (1 gives the sequence of a game that never
// seeds it), writes `levelHash` (the hash of the level files the game is played on) into its
// header, resets the screen pacing and the pad as at start-up and wraps the current `platform`:
// from now on every clock reading, event, held-keys and pointer reading goes to the file, and every
// present ends a line. Returns an empty string, or why the file cannot be written (nothing is
// wrapped then). Records one game at a time.
std::string startRecording(const std::string& path, uint32_t seed, uint64_t levelHash);

// Presents recorded so far: the frames of play and the passes of the screens (menu, pause,
// tally, game over, victory).
uint32_t recordedFrames();

// Writes the end line, closes the file and puts the wrapped platform back. Returns an empty
// string, or why the demo could not be written in full.
std::string finishRecording();
