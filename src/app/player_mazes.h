// Playing a player's own mazes: a folder of level files, a file of share codes, or share codes.
#pragma once

#include <functional>
#include <string>

// A player's mazes that cannot be played end the run before anything of it starts.
constexpr int unplayableLevelsStatus = 1;

// Takes the mazes of --levels (a folder of level files, or a file of share codes one a line) or
// of --maze (share codes) as the set to play, then returns what `play` returns. Mazes that
// cannot be read or played are named on standard error and `play` is not called: the status is
// then unplayableLevelsStatus. Codes are written into a folder of their own, removed afterwards.
int withPlayerMazes(const std::string& levels, const std::string& codes,
                    const std::function<int()>& play);
