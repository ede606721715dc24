// The game's icon for desktop menus: Tamberlo's face on a round badge, drawn at the sizes a
// desktop icon theme asks for, with see-through corners.
#pragma once

#include "palette.h"

#include <string>

inline constexpr int desktopIconSizes[] = {32, 64, 128, 256};

// Writes hicolor/SIZExSIZE/apps/NAME.png under dir for every size above.
void writeDesktopIcons(const Palette& pal, const std::string& dir, const std::string& name);
