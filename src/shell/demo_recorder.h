// Recording a game as a demo: a wrapper stacked over whatever platform seam is installed (SDL's,
// a test's, the autopilot's) that passes every call through and writes down every read.
//
//   std::string error = startRecording("game.demo", 1);   // before the game's first read
//   ... play: startGame(), frames, ...
//   std::printf("%s\n", stateSummary("record", recordedFrames()).c_str());
//   error = finishRecording();                           // before shutdownGame()
#pragma once

#include <cstdint>
#include <string>

// Opens the file, seeds rand with `seed` (1 gives the sequence of a game that never seeds it),
// resets the screen pacing as at start-up and wraps the current `platform`: from now on every clock
// reading, event, held-keys and pointer reading goes to the file, and every present ends a line.
// Returns an empty string, or why the file cannot be written (nothing is wrapped then). Records one
// game at a time.
std::string startRecording(const std::string& path, uint32_t seed);

// Presents recorded so far: the frames of play and the passes of the screens (menu, pause,
// tally, game over, victory). This is the "frames" of the summary line.
uint32_t recordedFrames();

// Writes the end line, closes the file and puts the wrapped platform back. Returns an empty
// string, or why the demo could not be written in full.
std::string finishRecording();

// "LABEL: frames=N level=L score=S lives=V state=HASH" for the game state as it is now: the
// line a recording and its replay both print at their end.
std::string stateSummary(const char* label, uint32_t frames);
