// Checks the generated data files in the run directory: every picture, effect and tune exists,
// has the format, size and colour key the game relies on, and holds real content.
#include "assets/asset_paths.h"
#include "core/shared_types.h"
#include "support/screen_checks.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string gameDir = TAMBERLO_GAME_DIR;
constexpr Uint32 keyColour = 0xFF00FF;
constexpr int tile = 32;
constexpr int floorTolerance = 3; // JPEG moves the floor by about one step per channel
constexpr int inkTolerance = 12;  // anything further from the floor is drawn on it

std::vector<uint8_t> fileBytes(const std::string& rel) {
    std::ifstream in(gameDir + "/" + rel, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool startsWith(const std::vector<uint8_t>& bytes, const std::string& magic) {
    return bytes.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), bytes.begin(),
                      [](char m, uint8_t b) { return static_cast<uint8_t>(m) == b; });
}

// A picture loaded with IMG_Load, as the game loads it, read back as 0xRRGGBB colours.
struct Picture {
    int w = 0, h = 0;
    std::vector<Uint32> px;
    Uint32 at(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
    int count(Uint32 c) const { return static_cast<int>(std::count(px.begin(), px.end(), c)); }
};

Picture load(const std::string& rel) {
    Picture p;
    SDL_Surface* s = IMG_Load((gameDir + "/" + rel).c_str());
    if (s == nullptr) {
        ADD_FAILURE() << rel << " does not load: " << IMG_GetError();
        return p;
    }
    p.w = s->w;
    p.h = s->h;
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            p.px.push_back(surfacePixel(s, x, y));
        }
    }
    SDL_FreeSurface(s);
    return p;
}

// Loads a picture after checking that its bytes are in the format its name says, and its size.
Picture loadChecked(const std::string& rel, int w, int h) {
    const std::map<std::string, std::string> magic{
        {"bmp", "BM"}, {"png", "\x89PNG"}, {"jpg", "\xff\xd8\xff"}};
    EXPECT_TRUE(startsWith(fileBytes(rel), magic.at(rel.substr(rel.size() - 3))))
        << rel << " is missing or not in the format of its name";
    Picture p = load(rel);
    EXPECT_EQ(p.w, w) << rel;
    EXPECT_EQ(p.h, h) << rel;
    return p;
}

bool near(Uint32 a, Uint32 b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                     static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

// Keyed pictures: magenta where the maze or screen must show through, real content elsewhere.
void expectKeyed(const std::string& rel, const Picture& p) {
    ASSERT_GT(p.w, 0) << rel;
    for (auto [x, y] : {std::pair{0, 0}, {p.w - 1, 0}, {0, p.h - 1}, {p.w - 1, p.h - 1}}) {
        EXPECT_EQ(p.at(x, y), keyColour) << rel << " at " << x << "," << y;
    }
    EXPECT_GT(static_cast<int>(p.px.size()) - p.count(keyColour), static_cast<int>(p.px.size()) / 4)
        << rel << " is nearly empty";
}

std::vector<std::string> numbered(const std::string& stem, int first, int last) {
    std::vector<std::string> files;
    for (int i = first; i <= last; ++i) {
        files.push_back(stem + std::to_string(i) + ".bmp");
    }
    return files;
}

// The tiles drawn on the floor: the door, the five dot frames and the four power item frames.
std::vector<std::string> floorItems() {
    std::vector<std::string> files = numbered("images/misc/ball", 1, 5);
    const std::vector<std::string> power = numbered("images/misc/food", 2, 5);
    files.insert(files.end(), power.begin(), power.end());
    files.push_back("images/misc/door.bmp");
    return files;
}

} // namespace

// Tiles are drawn opaque. The floor items' corners lie away from every motif: they must match
// the floor so that tiles join seamlessly.
TEST(DataFiles, TilesAreOpaqueBmpAndItemsCarryTheFloorOfTheOpenSpace) {
    const Picture floor = loadChecked("images/misc/open_space.jpg", tile, tile);
    ASSERT_EQ(floor.w, tile);
    std::vector<std::string> opaque{"images/misc/blank_sheet.bmp", "images/misc/icon.bmp"};
    for (const WallPieceInfo& piece : wallFamily) {
        opaque.push_back(assetPath::wallPiece(piece.code));
    }
    for (const std::string& rel : opaque) {
        const int width = rel.find("blank_sheet") != std::string::npos ? 800 : tile;
        EXPECT_EQ(loadChecked(rel, width, tile).count(keyColour), 0) << rel << " has magenta";
    }
    for (const std::string& rel : floorItems()) {
        const Picture p = loadChecked(rel, tile, tile);
        EXPECT_EQ(p.count(keyColour), 0) << rel << " has magenta";
        ASSERT_EQ(p.w, tile) << rel;
        for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {3, 4}, {28, 2}}) {
            EXPECT_TRUE(near(p.at(x, y), floor.at(x, y), floorTolerance))
                << rel << " at " << x << "," << y;
        }
    }
}

TEST(DataFiles, WallPiecesReachExactlyTheirJoinedEdges) {
    const Picture floor = load("images/misc/open_space.jpg");
    ASSERT_EQ(floor.w, tile);
    for (const WallPieceInfo& piece : wallFamily) {
        if (piece.code == WallPanel) {
            continue;
        }
        const std::string name = piece.fileStem;
        const Picture p = load(assetPath::wallPiece(piece.code));
        ASSERT_EQ(p.w, tile) << name;
        for (const auto& edge : {std::pair{'N', JoinNorth}, std::pair{'S', JoinSouth},
                                 std::pair{'W', JoinWest}, std::pair{'E', JoinEast}}) {
            // Named copies: clang before 16 cannot capture a structured binding in a lambda.
            const char side = edge.first;
            const auto bit = edge.second;
            // Pixel k along the edge: the band covers the middle (8..23) where the piece joins;
            // away from it the edge is plain floor, so pieces never touch sideways.
            auto differs = [&](int k) {
                const int x = side == 'N' || side == 'S' ? k : (side == 'W' ? 0 : tile - 1);
                const int y = side == 'W' || side == 'E' ? k : (side == 'N' ? 0 : tile - 1);
                return std::pair{!near(p.at(x, y), floor.at(x, y), inkTolerance),
                                 !near(p.at(x, y), floor.at(x, y), floorTolerance)};
            };
            const bool joined = (piece.joins & bit) != 0;
            for (int k : {10, 16, 21}) {
                EXPECT_EQ(differs(k).first, joined) << name << " side " << side << " pixel " << k;
            }
            for (int k : {0, 4}) {
                EXPECT_FALSE(differs(k).second) << name << " side " << side << " pixel " << k;
            }
        }
    }
}

TEST(DataFiles, SpritesAreKeyedFramesOfATile) {
    std::vector<std::string> groups;
    for (const char* heading : {"N", "S", "E", "W"}) {
        groups.push_back(std::string("images/player/") + heading);
    }
    for (const char* look : {"red_enemy", "purple_enemy", "blue_enemy", "yellow_enemy",
                             "scared_grey", "scared_white"}) {
        for (const char* heading : {"NS", "E", "W"}) {
            groups.push_back(std::string("images/") + look + "/" + heading);
        }
    }
    for (const std::string& group : groups) {
        for (const std::string& rel : numbered(group, 0, 2)) {
            expectKeyed(rel, loadChecked(rel, tile, tile));
        }
    }
}

namespace {

uint32_t littleEndian(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) {
        v = v << 8 | b[at + static_cast<size_t>(i)];
    }
    return v;
}

uint32_t bigEndian(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) {
        v = v << 8 | b[at + static_cast<size_t>(i)];
    }
    return v;
}

} // namespace

TEST(DataFiles, EffectsAreAudible16BitPcmWithoutClicks) {
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind != SoundKind::Effect) {
            continue;
        }
        const std::string rel = assetPath::soundFile(sound);
        const std::vector<uint8_t> b = fileBytes(rel);
        ASSERT_GT(b.size(), 44u) << rel;
        ASSERT_TRUE(startsWith(b, "RIFF")) << rel;
        ASSERT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << rel;
        EXPECT_EQ(littleEndian(b, 20, 2), 1u) << rel << " is not PCM";
        EXPECT_EQ(littleEndian(b, 24, 4), 44100u) << rel;
        EXPECT_EQ(littleEndian(b, 34, 2), 16u) << rel;
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << rel;
        const size_t samples = littleEndian(b, 40, 4) / 2;
        ASSERT_EQ(44 + samples * 2, b.size()) << rel;
        EXPECT_LT(samples / littleEndian(b, 22, 2), 2 * 44100u) << rel << " lasts 2 s or more";
        auto sample = [&](size_t i) {
            return std::abs(static_cast<int16_t>(littleEndian(b, 44 + i * 2, 2)));
        };
        int peak = 0;
        for (size_t i = 0; i < samples; ++i) {
            peak = std::max(peak, sample(i));
        }
        EXPECT_GT(peak, 8000) << rel << " is nearly silent";
        EXPECT_LT(peak, 32767) << rel << " clips";
        // It starts and ends at rest, so it does not click.
        EXPECT_LT(sample(0), 300) << rel;
        EXPECT_LT(sample(samples - 1), 300) << rel;
    }
}

// Walks every track of a Standard MIDI File: the notes it starts and how long it lasts. A level
// plays its track over and over, so each lasts at least 45 s before it repeats, and the levels
// get busier (more notes a second) from the first to the last.
TEST(DataFiles, TunesAreMidiWithNotesLastingLongEnoughAndLevelsGetBusier) {
    double previousLevelPace = 0;
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind != SoundKind::Track) {
            continue;
        }
        const bool level = sound.index >= MusicLevel1 && sound.index <= MusicLevel5;
        const std::string rel = assetPath::soundFile(sound);
        const std::vector<uint8_t> b = fileBytes(rel);
        ASSERT_TRUE(startsWith(b, "MThd")) << rel;
        uint32_t tracks = 0, noteOns = 0, tempo = 500000, lastTick = 0;
        for (size_t at = 14; at + 8 <= b.size(); ++tracks) {
            ASSERT_TRUE(startsWith({b.begin() + static_cast<long>(at), b.end()}, "MTrk")) << rel;
            const size_t end = at + 8 + bigEndian(b, at + 4, 4);
            ASSERT_LE(end, b.size()) << rel;
            at += 8;
            auto varLen = [&] {
                uint32_t v = 0;
                for (uint8_t c = 0x80; (c & 0x80) != 0;) {
                    c = b[at++];
                    v = v << 7 | (c & 0x7f);
                }
                return v;
            };
            uint32_t tick = 0;
            for (uint8_t status = 0; at < end;) {
                tick += varLen();
                status = (b[at] & 0x80) != 0 ? b[at++] : status;
                if (status == 0xff) {
                    const uint8_t type = b[at++];
                    const uint32_t len = varLen();
                    tempo = type == 0x51 ? bigEndian(b, at, 3) : tempo;
                    at += len;
                } else if ((status & 0xe0) == 0xc0) { // program change and channel pressure
                    at += 1;
                } else {
                    noteOns += (status & 0xf0) == 0x90 && b[at + 1] > 0 ? 1 : 0;
                    at += 2;
                }
            }
            lastTick = std::max(lastTick, tick);
        }
        EXPECT_EQ(tracks, bigEndian(b, 10, 2)) << rel;
        EXPECT_GT(noteOns, 50u) << rel;
        const double seconds = lastTick / static_cast<double>(bigEndian(b, 12, 2)) * tempo / 1e6;
        EXPECT_GE(seconds, level ? 45.0 : 30.0) << rel;
        EXPECT_LE(seconds, 60.0) << rel;
        if (level) {
            const double pace = noteOns / seconds;
            EXPECT_GT(pace, previousLevelPace) << rel;
            previousLevelPace = pace;
            std::printf("%s: %.1f s, %.1f notes/s\n", rel.c_str(), seconds, pace);
        }
    }
}
