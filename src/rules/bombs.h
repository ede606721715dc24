// Bombs from pickup to explosion: the space key, the blasts and their drawing.
#pragma once

#include <cstdint>

class Actor;

// Whether an actor's square touches or overlaps the tile-sized square at (px, py). Enemies are
// treated as a tenth larger, so a blast reaches them a little further out than the player.
bool overlapsTile(const Actor& actor, int32_t px, int32_t py);

// Bomb pickups, and the drawing of lying, armed and exploding bombs.
void updateBombs();

// The space key: detonates an armed bomb or drops a carried one, whichever the list holds first.
void useBombKey();

// Flings the enemies caught in the live blasts and knocks out a player standing in one.
void applyBlasts();
