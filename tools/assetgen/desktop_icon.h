// The game's icon for desktop menus and for the installed web page: Tamberlo's face on a round
// badge, drawn at the sizes a desktop icon theme or a web app manifest asks for, with see-through
// corners.
#pragma once

#include "palette.h"

#include <string>

inline constexpr int desktopIconSizes[] = {32, 64, 128, 256};
// A browser installs a page as an app only with icons of 192 and 512 pixels.
inline constexpr int webIconSizes[] = {192, 512};

// Writes hicolor/SIZExSIZE/apps/NAME.png under dir for every size above.
void writeDesktopIcons(const Palette& pal, const std::string& dir, const std::string& name);
// Writes web/icon-SIZE.png under dir for every web size above.
void writeWebIcons(const Palette& pal, const std::string& dir);
