// assetgen: draws every picture, synthesises every effect and writes every tune of the game.
// Usage: assetgen ART_DIR AUDIO_DIR GAME_DIR [ICON_DIR]
#include "buttons.h"
#include "characters.h"
#include "desktop_icon.h"
#include "effects.h"
#include "image_io.h"
#include "items.h"
#include "lettering.h"
#include "page_text.h"
#include "palette.h"
#include "score.h"
#include "screens.h"
#include "tiles.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

constexpr double shortestTune = 30.0; // seconds
constexpr double longestTune = 60.0;

void writeTiles(const Palette& pal, const std::string& out, const Image& floor) {
    const std::string walls = out + "/images/walls/";
    const Image panel = makePanel(pal);
    for (const WallPieceInfo& piece : wallFamily) {
        const std::string file = walls + piece.fileStem + ".bmp";
        if (piece.code == WallPanel) {
            writeBmp(panel, file);
        } else if (piece.joins == JoinNone) {
            writeBmp(makePillar(pal, floor), file);
        } else {
            writeBmp(makeWall(pal, floor, piece.joins), file);
        }
    }

    const std::string misc = out + "/images/misc/";
    writeBmp(makeBlankSheet(panel, screenWidth), misc + "blank_sheet.bmp");
    writeJpeg(floor, misc + "open_space.jpg");
    writeBmp(makeDoor(pal, floor), misc + "door.bmp");
    for (int i = 0; i < 5; ++i) {
        writeBmp(makeDot(pal, floor, i), misc + "ball" + std::to_string(i + 1) + ".bmp");
    }
    for (int i = 0; i < 4; ++i) {
        writeBmp(makePowerItem(pal, floor, i), misc + "food" + std::to_string(i + 2) + ".bmp");
    }
    writeBmp(makeBomb(pal), misc + "dyno.bmp");
    writeBmp(makeExplosion(pal, 0), misc + "boom.bmp");
    writeBmp(makeExplosion(pal, 1), misc + "boom2.bmp");
    writeBmp(makeIcon(pal, drawPlayer(pal, Facing::South, 1)), misc + "icon.bmp");
}

void writeCharacters(const Palette& pal, const std::string& out) {
    const std::string player = out + "/images/player/";
    const std::pair<const char*, Facing> playerHeadings[] = {
        {"N", Facing::North}, {"S", Facing::South}, {"E", Facing::East}, {"W", Facing::West}};
    for (auto [prefix, facing] : playerHeadings) {
        for (int f = 0; f < walkFrames; ++f) {
            writeBmp(drawPlayer(pal, facing, f), player + prefix + std::to_string(f) + ".bmp");
        }
    }
    struct Look {
        const char* folder;
        const char* colours;
        bool scared;
    };
    const Look looks[] = {
        {"red_enemy", "red", false},   {"purple_enemy", "purple", false},
        {"blue_enemy", "blue", false}, {"yellow_enemy", "yellow", false},
        {"scared_grey", "grey", true}, {"scared_white", "pale", true},
    };
    const std::pair<const char*, Facing> critterHeadings[] = {
        {"NS", Facing::South}, {"E", Facing::East}, {"W", Facing::West}};
    for (const Look& look : looks) {
        const std::string folder = out + "/images/" + look.folder + "/";
        for (auto [prefix, facing] : critterHeadings) {
            for (int f = 0; f < walkFrames; ++f) {
                writeBmp(drawCritter(pal, look.colours, look.scared, facing, f),
                         folder + prefix + std::to_string(f) + ".bmp");
            }
        }
    }
}

void writeScreens(const Palette& pal, const std::string& art, const std::string& out,
                  const Image& floor) {
    FontEngine fonts;
    const std::string images = out + "/images/";
    const PageText text = loadPageText(art + "/screens/text.txt");
    writePng(makeButton(pal, fonts, "PLAY", false), images + "play.png");
    writePng(makeButton(pal, fonts, "PLAY", true), images + "play2.png");
    writePng(makeButton(pal, fonts, "CONTROLS", false), images + "controls1.png");
    writePng(makeButton(pal, fonts, "CONTROLS", true), images + "controls2.png");
    writePng(makeButton(pal, fonts, "CONTINUE", false), images + "continue1.png");
    writePng(makeButton(pal, fonts, "CONTINUE", true), images + "continue2.png");
    writeBmp(makeBonusBanner(pal, fonts), images + "bonus.bmp");

    Cast cast{drawPlayer(pal, Facing::East, 0),
              {drawCritter(pal, "red", false, Facing::East, 0),
               drawCritter(pal, "purple", false, Facing::East, 2),
               drawCritter(pal, "blue", false, Facing::East, 0),
               drawCritter(pal, "yellow", false, Facing::East, 2)}};
    const std::pair<IntroLook, const char*> intros[] = {{IntroLook::Neutral, "introbg"},
                                                        {IntroLook::PlayZone, "introbgleft"},
                                                        {IntroLook::ControlsZone, "introbgright"},
                                                        {IntroLook::Pushed, "introbgpushed"}};
    for (auto [look, file] : intros) {
        writePng(makeIntro(pal, fonts, floor, cast, text, look), images + file + ".png");
    }
    writePng(makeBoard(pal, floor), images + "beatboard.png");
    writePng(makeControlsPage(pal, fonts, floor, text), images + "options.png");
}

void writeMusic(const std::string& audio, const std::string& out) {
    const char* tunes[] = {"music", "level1", "level2", "level3", "level4", "level5", "gameover2"};
    for (const char* tune : tunes) {
        Score score = readScore(audio + "/" + tune + ".txt");
        double length = score.seconds();
        if (length < shortestTune || length > longestTune) {
            throw std::runtime_error(std::string(tune) + " lasts " + std::to_string(length) +
                                     " s, outside " + std::to_string(shortestTune) + " to " +
                                     std::to_string(longestTune));
        }
        writeMidi(score, out + "/sounds/music/" + tune + ".mid");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s ART_DIR AUDIO_DIR GAME_DIR [ICON_DIR]\n", argv[0]);
        return 2;
    }
    const std::string art = argv[1];
    const std::string audio = argv[2];
    const std::string out = argv[3];
    try {
        const Palette pal = Palette::load(art + "/palette.txt");
        const Image floor = makeFloor(pal);
        writeTiles(pal, out, floor);
        writeCharacters(pal, out);
        writeScreens(pal, art, out, floor);
        writeEffects(out + "/sounds/sfx");
        writeMusic(audio, out);
        if (argc == 5) {
            writeDesktopIcons(pal, argv[4], "tamberlo-adventure");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
