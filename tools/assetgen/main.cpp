// assetgen: draws every picture, synthesises every effect and writes every tune of the game.
// Usage: assetgen ART_DIR AUDIO_DIR GAME_DIR [ICON_DIR]
#include "assets/asset_paths.h"
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
    const std::string to = out + "/";
    const Image panel = makePanel(pal);
    for (const WallPieceInfo& piece : wallFamily) {
        const std::string file = to + assetPath::wallPiece(piece.code);
        if (piece.code == WallPanel) {
            writeBmp(panel, file);
        } else if (piece.joins == JoinNone) {
            writeBmp(makePillar(pal, floor), file);
        } else {
            writeBmp(makeWall(pal, floor, piece.joins), file);
        }
    }

    writeBmp(makeBlankSheet(panel, screenWidth), to + assetPath::blankSheet);
    writeJpeg(floor, to + assetPath::openSpace);
    writeBmp(makeDoor(pal, floor), to + assetPath::door);
    for (int i = 0; i < 5; ++i) {
        writeBmp(makeDot(pal, floor, i), to + assetPath::dotFrame(i));
    }
    for (int i = 0; i < 4; ++i) {
        writeBmp(makePowerItem(pal, floor, i), to + assetPath::powerFrame(i));
    }
    writeBmp(makeBomb(pal), to + assetPath::bomb);
    writeBmp(makeExplosion(pal, 0), to + assetPath::blast);
    writeBmp(makeExplosion(pal, 1), to + assetPath::blastLater);
    writeBmp(makeIcon(pal, drawPlayer(pal, Facing::South, 1)), to + assetPath::icon);
}

void writeCharacters(const Palette& pal, const std::string& out) {
    const std::string to = out + "/";
    const std::pair<const char*, Facing> playerHeadings[] = {
        {"N", Facing::North}, {"S", Facing::South}, {"E", Facing::East}, {"W", Facing::West}};
    for (auto [prefix, facing] : playerHeadings) {
        for (int f = 0; f < walkFrames; ++f) {
            writeBmp(drawPlayer(pal, facing, f),
                     to + assetPath::characterFrame(assetPath::playerFolder, prefix, f));
        }
    }
    struct Look {
        const char* folder;
        const char* colours;
        bool scared;
    };
    const Look looks[] = {
        {assetPath::redFolder, "red", false},        {assetPath::purpleFolder, "purple", false},
        {assetPath::blueFolder, "blue", false},      {assetPath::yellowFolder, "yellow", false},
        {assetPath::scaredGreyFolder, "grey", true}, {assetPath::scaredWhiteFolder, "pale", true},
    };
    const std::pair<const char*, Facing> critterHeadings[] = {
        {"NS", Facing::South}, {"E", Facing::East}, {"W", Facing::West}};
    for (const Look& look : looks) {
        for (auto [prefix, facing] : critterHeadings) {
            for (int f = 0; f < walkFrames; ++f) {
                writeBmp(drawCritter(pal, look.colours, look.scared, facing, f),
                         to + assetPath::characterFrame(look.folder, prefix, f));
            }
        }
    }
}

void writeScreens(const Palette& pal, const std::string& art, const std::string& out,
                  const Image& floor) {
    FontEngine fonts;
    const std::string to = out + "/";
    const PageText text = loadPageText(art + "/screens/text.txt");
    writePng(makeButton(pal, fonts, "PLAY", false), to + assetPath::playButton);
    writePng(makeButton(pal, fonts, "PLAY", true), to + assetPath::playButtonLit);
    writePng(makeButton(pal, fonts, "CONTROLS", false), to + assetPath::controlsButton);
    writePng(makeButton(pal, fonts, "CONTROLS", true), to + assetPath::controlsButtonLit);
    writePng(makeButton(pal, fonts, "CONTINUE", false), to + assetPath::continueButton);
    writePng(makeButton(pal, fonts, "CONTINUE", true), to + assetPath::continueButtonLit);
    writeBmp(makeBonusBanner(pal, fonts), to + assetPath::bonusBanner);

    Cast cast{drawPlayer(pal, Facing::East, 0),
              {drawCritter(pal, "red", false, Facing::East, 0),
               drawCritter(pal, "purple", false, Facing::East, 2),
               drawCritter(pal, "blue", false, Facing::East, 0),
               drawCritter(pal, "yellow", false, Facing::East, 2)}};
    const std::pair<IntroLook, const char*> intros[] = {
        {IntroLook::Neutral, assetPath::introBackground},
        {IntroLook::PlayZone, assetPath::introBackgroundLeft},
        {IntroLook::ControlsZone, assetPath::introBackgroundRight},
        {IntroLook::Pushed, assetPath::introBackgroundPushed}};
    for (auto [look, file] : intros) {
        writePng(makeIntro(pal, fonts, floor, cast, text, look), to + file);
    }
    writePng(makeBoard(pal, floor), to + assetPath::board);
    writePng(makeControlsPage(pal, fonts, floor, text), to + assetPath::controlsPage);
}

void writeMusic(const std::string& audio, const std::string& out) {
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind != SoundKind::Track) {
            continue;
        }
        const std::string tune = sound.name;
        Score score = readScore(audio + "/" + tune + ".txt");
        double length = score.seconds();
        if (length < shortestTune || length > longestTune) {
            throw std::runtime_error(tune + " lasts " + std::to_string(length) + " s, outside " +
                                     std::to_string(shortestTune) + " to " +
                                     std::to_string(longestTune));
        }
        writeMidi(score, out + "/" + assetPath::soundFile(sound));
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
        writeEffects(out);
        writeMusic(audio, out);
        if (argc == 5) {
            writeDesktopIcons(pal, argv[4], "tamberlo-adventure");
            writeWebIcons(pal, argv[4]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
