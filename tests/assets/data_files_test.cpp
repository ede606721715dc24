// Checks the generated data files in the run directory: every picture, effect and tune exists,
// has the format, size and colour key the game relies on, and holds real content.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string gameDir = TAMBERLO_GAME_DIR;

struct Colour {
    int r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};
constexpr Colour keyColour{255, 0, 255};

std::vector<uint8_t> fileBytes(const std::string& rel) {
    std::ifstream in(gameDir + "/" + rel, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool startsWith(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

// A picture loaded with IMG_Load, as the game loads it, read back as plain colours.
struct Picture {
    int w = 0, h = 0;
    std::vector<Colour> px;
    Colour at(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
    int count(Colour c) const { return static_cast<int>(std::count(px.begin(), px.end(), c)); }
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
    SDL_LockSurface(s);
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const uint8_t* q = static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            std::memcpy(&v, q, static_cast<size_t>(bpp));
            Uint8 r, g, b;
            SDL_GetRGB(v, s->format, &r, &g, &b);
            p.px.push_back({r, g, b});
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return p;
}

enum class Format { Bmp, Png, Jpeg };

Picture loadChecked(const std::string& rel, Format format, int w, int h) {
    const std::vector<uint8_t> bytes = fileBytes(rel);
    EXPECT_FALSE(bytes.empty()) << rel << " is missing";
    switch (format) {
    case Format::Bmp:
        EXPECT_TRUE(startsWith(bytes, {'B', 'M'})) << rel << " is not a BMP";
        break;
    case Format::Png:
        EXPECT_TRUE(startsWith(bytes, {0x89, 'P', 'N', 'G'})) << rel << " is not a PNG";
        break;
    case Format::Jpeg:
        EXPECT_TRUE(startsWith(bytes, {0xff, 0xd8, 0xff})) << rel << " is not a JPEG";
        break;
    }
    Picture p = load(rel);
    EXPECT_EQ(p.w, w) << rel;
    EXPECT_EQ(p.h, h) << rel;
    return p;
}

bool near(Colour a, Colour b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

int differingPixels(const Picture& a, const Picture& b) {
    int n = 0;
    for (size_t i = 0; i < a.px.size() && i < b.px.size(); ++i) {
        n += a.px[i] == b.px[i] ? 0 : 1;
    }
    return n;
}

// Keyed pictures: magenta where the maze or screen must show through, real content elsewhere.
void expectKeyed(const std::string& rel, const Picture& p) {
    ASSERT_GT(p.w, 0) << rel;
    EXPECT_EQ(p.at(0, 0), keyColour) << rel;
    EXPECT_EQ(p.at(p.w - 1, 0), keyColour) << rel;
    EXPECT_EQ(p.at(0, p.h - 1), keyColour) << rel;
    EXPECT_EQ(p.at(p.w - 1, p.h - 1), keyColour) << rel;
    EXPECT_GT(static_cast<int>(p.px.size()) - p.count(keyColour), static_cast<int>(p.px.size()) / 4)
        << rel << " is nearly empty";
}

const char* const wallFiles[] = {
    "wallhorz1a", "wallhorz2a", "wallvert1a", "wallvert2a", "green",  "rippled", "seam1", "seam2",
    "seam3",      "seam4",      "greene",     "greens",     "greenn", "greenw",  "seam6", "seam7"};

// Sides each wall piece reaches (N, S, W, E), by index in the list above; the panel has none.
struct Sides {
    bool n, s, w, e;
};
const Sides wallSides[] = {
    {false, false, true, true},  {false, true, true, true},    {true, true, false, false},
    {true, true, false, true},   {false, false, false, false}, {false, false, false, false},
    {false, true, false, true},  {false, true, true, false},   {true, false, false, true},
    {true, false, true, false},  {false, false, false, true},  {false, true, false, false},
    {true, false, false, false}, {false, false, true, false},  {true, false, true, true},
    {true, true, true, false}};

constexpr int tile = 32;
constexpr int floorTolerance = 3; // JPEG moves the floor by about one step per channel

std::vector<std::string> opaqueTiles() {
    std::vector<std::string> files;
    for (const char* w : wallFiles) {
        files.push_back(std::string("images/walls/") + w + ".bmp");
    }
    for (int i = 1; i <= 5; ++i) {
        files.push_back("images/misc/ball" + std::to_string(i) + ".bmp");
    }
    for (int i = 2; i <= 5; ++i) {
        files.push_back("images/misc/food" + std::to_string(i) + ".bmp");
    }
    files.push_back("images/misc/door.bmp");
    files.push_back("images/misc/blank_sheet.bmp");
    files.push_back("images/misc/icon.bmp");
    return files;
}

} // namespace

TEST(DataFiles, OpaqueTilesAreBmpWithoutMagenta) {
    for (const std::string& rel : opaqueTiles()) {
        int width = rel.find("blank_sheet") != std::string::npos ? 800 : tile;
        Picture p = loadChecked(rel, Format::Bmp, width, tile);
        EXPECT_EQ(p.count(keyColour), 0) << rel << " has see-through pixels but is drawn opaque";
    }
}

TEST(DataFiles, ItemsCarryTheSameFloorAsTheOpenSpace) {
    Picture floor = loadChecked("images/misc/open_space.jpg", Format::Jpeg, tile, tile);
    ASSERT_EQ(floor.w, tile);
    // Corners lie away from every motif: they must match the floor so tiles join seamlessly.
    std::vector<std::string> items = {"images/misc/door.bmp"};
    for (int i = 1; i <= 5; ++i) {
        items.push_back("images/misc/ball" + std::to_string(i) + ".bmp");
    }
    for (int i = 2; i <= 5; ++i) {
        items.push_back("images/misc/food" + std::to_string(i) + ".bmp");
    }
    for (const std::string& rel : items) {
        Picture p = load(rel);
        ASSERT_EQ(p.w, tile) << rel;
        for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {3, 4}, {28, 2}}) {
            EXPECT_TRUE(near(p.at(x, y), floor.at(x, y), floorTolerance))
                << rel << " at " << x << "," << y;
        }
    }
}

TEST(DataFiles, WallPiecesReachExactlyTheirJoinedEdges) {
    Picture floor = load("images/misc/open_space.jpg");
    ASSERT_EQ(floor.w, tile);
    for (size_t i = 0; i < std::size(wallFiles); ++i) {
        if (std::string(wallFiles[i]) == "rippled") {
            continue;
        }
        const std::string rel = std::string("images/walls/") + wallFiles[i] + ".bmp";
        Picture p = load(rel);
        ASSERT_EQ(p.w, tile) << rel;
        // Pixel k along each edge: the band covers the middle (8..23) where the piece joins.
        auto edge = [&](char side, int k) -> std::pair<int, int> {
            switch (side) {
            case 'N':
                return {k, 0};
            case 'S':
                return {k, tile - 1};
            case 'W':
                return {0, k};
            default:
                return {tile - 1, k};
            }
        };
        const Sides s = wallSides[i];
        for (auto [side, joined] : {std::pair{'N', s.n}, {'S', s.s}, {'W', s.w}, {'E', s.e}}) {
            for (int k : {10, 16, 21}) {
                auto [x, y] = edge(side, k);
                EXPECT_EQ(!near(p.at(x, y), floor.at(x, y), 12), joined)
                    << rel << " side " << side << " pixel " << k;
            }
            // Away from the band the edge is plain floor, so pieces never touch sideways.
            for (int k : {0, 4}) {
                auto [x, y] = edge(side, k);
                EXPECT_TRUE(near(p.at(x, y), floor.at(x, y), floorTolerance))
                    << rel << " side " << side << " pixel " << k;
            }
        }
    }
}

TEST(DataFiles, BlankSheetRepeatsThePanelExactly) {
    Picture panel = load("images/walls/rippled.bmp");
    Picture sheet = load("images/misc/blank_sheet.bmp");
    ASSERT_EQ(panel.w, tile);
    ASSERT_EQ(sheet.w, 800);
    ASSERT_EQ(sheet.h, tile);
    int mismatches = 0;
    long brightness = 0;
    for (int y = 0; y < tile; ++y) {
        for (int x = 0; x < sheet.w; ++x) {
            mismatches += sheet.at(x, y) == panel.at(x % tile, y) ? 0 : 1;
        }
    }
    for (const Colour& c : panel.px) {
        brightness += c.r + c.g + c.b;
    }
    EXPECT_EQ(mismatches, 0);
    // White status text must read on it.
    EXPECT_LT(brightness / static_cast<long>(panel.px.size() * 3), 80);
}

TEST(DataFiles, DotsPulseAndPowerItemsAnimate) {
    Picture floor = load("images/misc/open_space.jpg");
    int previous = 0;
    for (int i = 1; i <= 5; ++i) {
        Picture dot = load("images/misc/ball" + std::to_string(i) + ".bmp");
        int lit = 0;
        for (size_t k = 0; k < dot.px.size(); ++k) {
            lit += near(dot.px[k], floor.px[k], 12) ? 0 : 1;
        }
        EXPECT_GT(lit, previous) << "ball" << i << " is not larger than the frame before";
        previous = lit;
    }
    Picture first = load("images/misc/food2.bmp");
    for (int i = 3; i <= 5; ++i) {
        EXPECT_GT(differingPixels(first, load("images/misc/food" + std::to_string(i) + ".bmp")), 20)
            << "food" << i;
    }
}

TEST(DataFiles, SpritesAreKeyedAndAnimated) {
    const std::string player = "images/player/";
    std::vector<std::vector<std::string>> groups;
    for (const char* heading : {"N", "S", "E", "W"}) {
        std::vector<std::string> frames;
        for (int f = 0; f < 3; ++f) {
            frames.push_back(player + heading + std::to_string(f) + ".bmp");
        }
        groups.push_back(frames);
    }
    for (const char* look : {"red_enemy", "purple_enemy", "blue_enemy", "yellow_enemy",
                             "scared_grey", "scared_white"}) {
        for (const char* heading : {"NS", "E", "W"}) {
            std::vector<std::string> frames;
            for (int f = 0; f < 3; ++f) {
                frames.push_back(std::string("images/") + look + "/" + heading + std::to_string(f) +
                                 ".bmp");
            }
            groups.push_back(frames);
        }
    }
    for (const auto& frames : groups) {
        std::vector<Picture> pics;
        for (const std::string& rel : frames) {
            pics.push_back(loadChecked(rel, Format::Bmp, tile, tile));
            expectKeyed(rel, pics.back());
        }
        // Walking frames must really move.
        EXPECT_GT(differingPixels(pics[0], pics[1]), 10) << frames[0];
        EXPECT_GT(differingPixels(pics[1], pics[2]), 10) << frames[1];
        EXPECT_GT(differingPixels(pics[0], pics[2]), 10) << frames[0];
    }
    // Characters face where they walk, and the looks are told apart.
    EXPECT_GT(differingPixels(load(player + "N0.bmp"), load(player + "S0.bmp")), 50);
    EXPECT_GT(differingPixels(load(player + "E0.bmp"), load(player + "W0.bmp")), 50);
    EXPECT_GT(differingPixels(load("images/red_enemy/E0.bmp"), load("images/red_enemy/W0.bmp")),
              50);
    EXPECT_GT(differingPixels(load("images/red_enemy/NS0.bmp"), load("images/blue_enemy/NS0.bmp")),
              200);
    EXPECT_GT(
        differingPixels(load("images/scared_grey/E0.bmp"), load("images/scared_white/E0.bmp")),
        200);
}

TEST(DataFiles, BombExplosionAndBannerAreKeyed) {
    for (const char* rel :
         {"images/misc/dyno.bmp", "images/misc/boom.bmp", "images/misc/boom2.bmp"}) {
        expectKeyed(rel, loadChecked(rel, Format::Bmp, tile, tile));
    }
    Picture banner = loadChecked("images/bonus.bmp", Format::Bmp, 300, 100);
    expectKeyed("images/bonus.bmp", banner);
    EXPECT_NE(banner.at(150, 50), keyColour);
}

TEST(DataFiles, ButtonsAreKeyedOutsideTheirShapeAndLightUp) {
    for (const char* name : {"play", "controls", "continue"}) {
        std::string restName = std::string(name) == "play" ? "play" : std::string(name) + "1";
        std::string rest = "images/" + restName + ".png";
        std::string lit = std::string("images/") + name + "2.png";
        Picture a = loadChecked(rest, Format::Png, 150, 50);
        Picture b = loadChecked(lit, Format::Png, 150, 50);
        expectKeyed(rest, a);
        expectKeyed(lit, b);
        EXPECT_NE(a.at(75, 25), keyColour);
        EXPECT_GT(differingPixels(a, b), 150 * 50 / 2) << lit << " does not look lit";
    }
}

TEST(DataFiles, ScreensAreOpaqueAndTheIntroZonesLightUp) {
    const char* screens[] = {"introbg",       "introbgleft", "introbgright",
                             "introbgpushed", "beatboard",   "options"};
    std::vector<Picture> pics;
    for (const char* name : screens) {
        std::string rel = std::string("images/") + name + ".png";
        pics.push_back(loadChecked(rel, Format::Png, 800, 600));
        EXPECT_EQ(pics.back().count(keyColour), 0) << rel;
    }
    ASSERT_EQ(pics[0].w, 800);
    auto changedIn = [](const Picture& a, const Picture& b, int x0, int x1) {
        int n = 0;
        for (int y = 401; y < 600; ++y) {
            for (int x = x0; x < x1; ++x) {
                n += a.at(x, y) == b.at(x, y) ? 0 : 1;
            }
        }
        return n;
    };
    // Each lit variant changes its own zone and leaves the other one alone.
    EXPECT_GT(changedIn(pics[0], pics[1], 0, 300), 10000);
    EXPECT_EQ(changedIn(pics[0], pics[1], 301, 800), 0);
    EXPECT_GT(changedIn(pics[0], pics[2], 301, 800), 10000);
    EXPECT_EQ(changedIn(pics[0], pics[2], 0, 300), 0);
    EXPECT_GT(differingPixels(pics[0], pics[3]), 800 * 600 / 2);
    // The controls page keeps the spot of its play button clear.
    Picture options = pics[5];
    Picture board = pics[4];
    int drawn = 0;
    for (int y = 500; y < 550; ++y) {
        for (int x = 300; x < 450; ++x) {
            drawn += options.at(x, y) == board.at(x, y) ? 0 : 1;
        }
    }
    EXPECT_EQ(drawn, 0);
}

namespace {

uint32_t le(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) {
        v = v << 8 | b[at + static_cast<size_t>(i)];
    }
    return v;
}

uint32_t be(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) {
        v = v << 8 | b[at + static_cast<size_t>(i)];
    }
    return v;
}

} // namespace

TEST(DataFiles, EffectsAreAudible16BitPcmWithoutClicks) {
    for (const char* name :
         {"crunch3", "explode", "wuzzle", "punch", "drop_bomb", "pick_up", "buttonhover",
          "buttonpush", "pageturn", "stretch", "youwin", "warp"}) {
        const std::string rel = std::string("sounds/sfx/") + name + ".wav";
        std::vector<uint8_t> b = fileBytes(rel);
        ASSERT_GT(b.size(), 44u) << rel;
        ASSERT_TRUE(startsWith(b, {'R', 'I', 'F', 'F'})) << rel;
        ASSERT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << rel;
        EXPECT_EQ(le(b, 20, 2), 1u) << rel << " is not PCM";
        EXPECT_EQ(le(b, 24, 4), 44100u) << rel;
        EXPECT_EQ(le(b, 34, 2), 16u) << rel;
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << rel;
        const size_t samples = le(b, 40, 4) / 2;
        ASSERT_EQ(44 + samples * 2, b.size()) << rel;
        int peak = 0;
        for (size_t i = 0; i < samples; ++i) {
            peak = std::max(peak, std::abs(static_cast<int16_t>(le(b, 44 + i * 2, 2))));
        }
        EXPECT_GT(peak, 8000) << rel << " is nearly silent";
        EXPECT_LT(peak, 32767) << rel << " clips";
        // It starts and ends at rest, so it does not click.
        EXPECT_LT(std::abs(static_cast<int16_t>(le(b, 44, 2))), 300) << rel;
        EXPECT_LT(std::abs(static_cast<int16_t>(le(b, 44 + (samples - 1) * 2, 2))), 300) << rel;
    }
}

TEST(DataFiles, TunesAreMidiWithNotesLastingHalfAMinuteOrSo) {
    for (const char* name :
         {"music", "level1", "level2", "level3", "level4", "level5", "gameover2"}) {
        const std::string rel = std::string("sounds/music/") + name + ".mid";
        std::vector<uint8_t> b = fileBytes(rel);
        ASSERT_TRUE(startsWith(b, {'M', 'T', 'h', 'd'})) << rel;
        const uint32_t tracks = be(b, 10, 2);
        const uint32_t division = be(b, 12, 2);
        size_t at = 14;
        uint32_t found = 0, noteOns = 0, tempo = 500000, lastTick = 0;
        while (at + 8 <= b.size()) {
            ASSERT_TRUE(std::equal(b.begin() + static_cast<long>(at),
                                   b.begin() + static_cast<long>(at) + 4, "MTrk"))
                << rel;
            const size_t end = at + 8 + be(b, at + 4, 4);
            ASSERT_LE(end, b.size()) << rel;
            at += 8;
            uint32_t tick = 0;
            uint8_t status = 0;
            auto varLen = [&] {
                uint32_t v = 0;
                uint8_t c = 0;
                do {
                    c = b[at++];
                    v = v << 7 | (c & 0x7f);
                } while ((c & 0x80) != 0);
                return v;
            };
            while (at < end) {
                tick += varLen();
                if (b[at] & 0x80) {
                    status = b[at++];
                }
                if (status == 0xff) {
                    const uint8_t type = b[at++];
                    const uint32_t len = varLen();
                    if (type == 0x51) {
                        tempo = be(b, at, 3);
                    }
                    at += len;
                } else if ((status & 0xf0) == 0xc0 || (status & 0xf0) == 0xd0) {
                    at += 1;
                } else {
                    if ((status & 0xf0) == 0x90 && b[at + 1] > 0) {
                        ++noteOns;
                    }
                    at += 2;
                }
            }
            lastTick = std::max(lastTick, tick);
            ++found;
        }
        EXPECT_EQ(found, tracks) << rel;
        EXPECT_GT(noteOns, 50u) << rel;
        const double seconds = lastTick / static_cast<double>(division) * tempo / 1e6;
        EXPECT_GE(seconds, 30.0) << rel;
        EXPECT_LE(seconds, 60.0) << rel;
    }
}
