// The game's driver: start-up, the frame loop and shutdown.
#pragma once

#include <SDL.h>

// Everything start-up does before the first frame: window, assets, intro menu, level 1.
void startGame();

// Frames of play, each with its closing wait, until the player quits.
void runFrames();

// One frame of play, without its closing wait; returns the frame's start tick.
Uint32 runFrameSteps();

// The moves, contacts and state timers of one frame: everything play does between reading the
// keys and drawing. It draws nothing and reads only the held keys.
void advancePlay();

// Closes the sound and the pad and releases every loaded picture and font.
void shutdownGame();
