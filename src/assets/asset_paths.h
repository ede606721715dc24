// Where every data file of the game lives, relative to the run directory. The loaders open the
// files by these names and the asset generator writes them under the same ones, so a renamed
// file is renamed in one place (a sound's name is its row in sound_table.h).
#pragma once

#include <cstdint>
#include <string>

#include "assets/sound_table.h"
#include "core/shared_types.h"
#include "platform/platform.h"

namespace assetPath {

// The maze's pictures.
inline constexpr const char* blankSheet = "images/misc/blank_sheet.bmp";
inline constexpr const char* openSpace = "images/misc/open_space.jpg";
inline constexpr const char* door = "images/misc/door.bmp";
inline constexpr const char* bomb = "images/misc/dyno.bmp";
inline constexpr const char* blast = "images/misc/boom.bmp";
inline constexpr const char* blastLater = "images/misc/boom2.bmp";
inline constexpr const char* icon = "images/misc/icon.bmp";

// The dot's five pictures are ball1 to ball5, the power item's four food2 to food5.
inline std::string dotFrame(int32_t frame) {
    return "images/misc/ball" + std::to_string(frame + 1) + ".bmp";
}
inline std::string powerFrame(int32_t frame) {
    return "images/misc/food" + std::to_string(frame + 2) + ".bmp";
}

// A wall piece's picture, named in the wall family table.
inline std::string wallPiece(int32_t code) {
    return std::string("images/walls/") + wallFamily[code - WallFirst].fileStem + ".bmp";
}

// A character frame: the look's folder (the player's, an enemy's or a scared look), the
// heading's letters (N, S, E, W; NS for an enemy's north and south) and the frame number.
inline std::string characterFrame(const char* lookFolder, const char* heading, int32_t frame) {
    return std::string("images/") + lookFolder + "/" + heading + std::to_string(frame) + ".bmp";
}
inline constexpr const char* playerFolder = "player";
inline constexpr const char* redFolder = "red_enemy";
inline constexpr const char* purpleFolder = "purple_enemy";
inline constexpr const char* blueFolder = "blue_enemy";
inline constexpr const char* yellowFolder = "yellow_enemy";
inline constexpr const char* scaredGreyFolder = "scared_grey";
inline constexpr const char* scaredWhiteFolder = "scared_white";

// The screens' pictures.
inline constexpr const char* bonusBanner = "images/bonus.bmp";
inline constexpr const char* playButton = "images/play.png";
inline constexpr const char* playButtonLit = "images/play2.png";
inline constexpr const char* controlsButton = "images/controls1.png";
inline constexpr const char* controlsButtonLit = "images/controls2.png";
inline constexpr const char* continueButton = "images/continue1.png";
inline constexpr const char* continueButtonLit = "images/continue2.png";
inline constexpr const char* introBackground = "images/introbg.png";
inline constexpr const char* introBackgroundLeft = "images/introbgleft.png";
inline constexpr const char* introBackgroundRight = "images/introbgright.png";
inline constexpr const char* introBackgroundPushed = "images/introbgpushed.png";
inline constexpr const char* board = "images/beatboard.png";
inline constexpr const char* controlsPage = "images/options.png";

// A sound's file, named in the sound table: an effect is a WAV file, a track a note file (a
// recording of it in a web page) written from the note file of the same name under audio/.
inline std::string soundFile(const SoundEntry& sound) {
    if (sound.kind == SoundKind::Effect) {
        return std::string("sounds/sfx/") + sound.name + ".wav";
    }
    return std::string("sounds/music/") + sound.name + musicFileSuffix;
}

// The two fonts, which the build copies into the run directory under these names: the small one
// for the status line's texts, the large one for the tally's and the pause's.
inline constexpr const char* smallFont = "actionj.ttf";
inline constexpr const char* largeFont = "indigo.ttf";

} // namespace assetPath
