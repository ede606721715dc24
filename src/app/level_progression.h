// Moving from level to level: the tally of the level won, then the next level with its music.
#pragma once

// Shows the tally of the level just won (if any), then starts the next level with its music.
void startNextLevel();
