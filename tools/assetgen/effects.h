// The twelve sound effects, synthesised.
#pragma once

#include <string>

// Writes every effect into `folder` (the game's sounds/sfx/).
void writeEffects(const std::string& folder);
