// What the game tells the web page around it of its progress; the desktop has no page to tell.
#pragma once

// The game reached its victory screen: every maze of the set is beaten. The page calls its
// Module.onVictory, if it has one (it records a player's own maze as beaten).
void tellPageOfVictory();
