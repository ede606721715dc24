// The full-window screens: the intro in its four variants, the controls page, the board.
#include "screens.h"

#include "buttons.h"
#include "core/scoring.h"
#include "noise.h"
#include "screens/menu_layout.h"
#include "shapes.h"

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int horizon = 340;   // top of the stone ground the figures run on
constexpr int zoneTop = 400;   // the pointer zones start below this row
constexpr int zoneSplit = 300; // play zone left of it, controls zone right
constexpr uint32_t starSeed = 99;

const PageRows& section(const PageText& text, const std::string& name) {
    auto it = text.find(name);
    if (it == text.end()) {
        throw std::runtime_error("screen text has no [" + name + "] section");
    }
    return it->second;
}

// The scoring rules' numbers by the names the page's scoring rows give them.
std::map<std::string, int> scoringNumbers() {
    std::map<std::string, int> numbers;
    for (const NamedPoints& rule : scoringTable) {
        numbers.emplace(rule.name, rule.points);
    }
    return numbers;
}

// Stone ground made of floor tiles, dimmed so it stays calm behind text and running figures.
void tileGround(Image& img, const Image& floor, int top, double brightness) {
    for (int y = top; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            img.set(x, y,
                    scaled(floor.at(x % floor.width(), (y - top) % floor.height()), brightness));
        }
    }
}

void nightSky(Image& img, const Palette& pal, int bottom) {
    for (int y = 0; y < bottom; ++y) {
        Rgb row = mix(pal["sky_top"], pal["sky_bottom"], static_cast<double>(y) / bottom);
        for (int x = 0; x < img.width(); ++x) {
            double star = hashUnit(x, y, starSeed);
            img.set(x, y, star > 0.9975 ? mix(row, pal["star"], (star - 0.9975) / 0.0025) : row);
        }
    }
}

void shadeRect(Image& img, int x, int y, int w, int h, Rgb colour, double alpha) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            img.blend(i, j, colour, alpha);
        }
    }
}

void frameRect(Image& img, int x, int y, int w, int h, int thickness, Rgb colour, double alpha) {
    shadeRect(img, x, y, w, thickness, colour, alpha);
    shadeRect(img, x, y + h - thickness, w, thickness, colour, alpha);
    shadeRect(img, x, y + thickness, thickness, h - 2 * thickness, colour, alpha);
    shadeRect(img, x + w - thickness, y + thickness, thickness, h - 2 * thickness, colour, alpha);
}

// The title in warm gold with a thick dark edge and a drop shadow. xScale and yScale squeeze it.
void letterTitle(Image& img, const Palette& pal, const FontEngine& fonts, double xScale,
                 double yScale) {
    struct Line {
        const char* text;
        int points;
        int top;
    };
    static constexpr Line lines[] = {{"Tamberlo", 104, 4}, {"Adventure", 72, 128}};
    for (const Line& line : lines) {
        Glyphs g = fonts.render(titleFont, line.points, line.text);
        g = stretched(g, static_cast<int>(g.width * xScale), static_cast<int>(g.height * yScale));
        int top = static_cast<int>(line.top * yScale) + (yScale < 1.0 ? 30 : 0);
        int x = screenWidth / 2 - g.width / 2;
        Glyphs edge = thickened(g, 5);
        paintGlyphs(img, edge, x - 5 + 5, top - 5 + 7, pal["shadow"]);
        paintGlyphs(img, edge, x - 5, top - 5, pal["ink"]);
        Rgb high = pal["title_light"];
        Rgb low = pal["title_dark"];
        paintGlyphs(img, g, x, top,
                    [&](int, int y) { return mix(high, low, static_cast<double>(y) / g.height); });
    }
}

void showCast(Image& img, const Cast& cast) {
    constexpr int groundLine = 330;
    Image hero = enlarged(cast.player, 3);
    img.blitKeyed(hero, 560, groundLine - hero.height());
    int x = 170;
    for (const Image& critter : cast.critters) {
        Image big = enlarged(critter, 2);
        img.blitKeyed(big, x, groundLine - big.height());
        x += 84;
    }
}

void zoneCaption(Image& img, const Palette& pal, const FontEngine& fonts, const std::string& text,
                 int cx, bool lit) {
    Glyphs g = fonts.render(bodyFont, 24, text);
    letterCentred(img, g, cx, 548, lit ? pal["title_light"] : pal["caption_dim"], pal["ink"],
                  lit ? 2 : 0);
}

} // namespace

Image makeIntro(const Palette& pal, const FontEngine& fonts, const Image& floor, const Cast& cast,
                const PageText& text, IntroLook look) {
    Image img(screenWidth, screenHeight);
    nightSky(img, pal, horizon);
    tileGround(img, floor, horizon, 0.85);
    shadeRect(img, 0, horizon, screenWidth, 3, pal["panel_trim"], 0.8);
    bool pushed = look == IntroLook::Pushed;
    letterTitle(img, pal, fonts, pushed ? 1.18 : 1.0, pushed ? 0.72 : 1.0);
    showCast(img, cast);

    // The two pointer zones: faint frames at rest, a warm glow on the one under the pointer.
    struct Zone {
        int x;
        int w;
        IntroLook lights;
        const char* captionKey;
        int captionX;
    };
    const Zone zones[] = {
        {0, zoneSplit, IntroLook::PlayZone, "play", 228},
        {zoneSplit + 1, screenWidth - zoneSplit - 1, IntroLook::ControlsZone, "controls", 455},
    };
    const PageRows& captions = section(text, "intro");
    for (const Zone& zone : zones) {
        bool lit = look == zone.lights;
        int top = zoneTop + 6;
        int height = screenHeight - top - 6;
        shadeRect(img, zone.x + 6, top, zone.w - 12, height, lit ? pal["zone_glow"] : pal["ink"],
                  lit ? 0.22 : 0.25);
        frameRect(img, zone.x + 6, top, zone.w - 12, height, 2,
                  lit ? pal["title_light"] : pal["panel_trim"], lit ? 0.9 : 0.35);
        for (const auto& [key, caption] : captions) {
            if (key == zone.captionKey) {
                zoneCaption(img, pal, fonts, caption, zone.captionX, lit);
            }
        }
    }
    // The buttons at rest in every look: the menu lights the one under the pointer over them.
    img.blitKeyed(makeButton(pal, fonts, "PLAY", false), menuPlayX, menuButtonY);
    img.blitKeyed(makeButton(pal, fonts, "CONTROLS", false), menuControlsX, menuButtonY);
    if (pushed) {
        for (int y = 0; y < screenHeight; ++y) {
            for (int x = 0; x < screenWidth; ++x) {
                img.set(x, y, mix(scaled(img.at(x, y), 0.7), pal["pushed_tint"], 0.3));
            }
        }
    }
    return img;
}

Image makeBoard(const Palette& pal, const Image& floor) {
    Image img(screenWidth, screenHeight);
    tileGround(img, floor, 0, 0.55);
    // A soft vignette keeps the middle calm and the edges dark.
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            double dx = (x - screenWidth / 2.0) / (screenWidth / 2.0);
            double dy = (y - screenHeight / 2.0) / (screenHeight / 2.0);
            img.blend(x, y, pal["ink"], std::min(0.6, 0.35 * (dx * dx + dy * dy)));
        }
    }
    frameRect(img, 8, 8, screenWidth - 16, screenHeight - 16, 3, pal["panel_trim"], 0.9);
    frameRect(img, 14, 14, screenWidth - 28, screenHeight - 28, 1, pal["panel_trim"], 0.5);
    for (auto [cx, cy] : {std::pair{24, 24}, {775, 24}, {24, 575}, {775, 575}}) {
        fill(img, ellipse(cx + 0.5, cy + 0.5, 6, 6), pal["panel_trim"]);
        fill(img, ellipse(cx + 0.5, cy + 0.5, 3, 3), pal["crystal"]);
    }
    return img;
}

Image makeControlsPage(const Palette& pal, const FontEngine& fonts, const Image& floor,
                       const PageText& text) {
    constexpr int firstRow = 146;
    constexpr int rowStep = 40;
    constexpr int keysLeft = 24;
    constexpr int capGap = 6;
    constexpr int scoreLeft = 470;
    constexpr int scoreRight = 770;
    Image img = makeBoard(pal, floor);
    Glyphs title = fonts.render(titleFont, 64, "Controls");
    letterCentred(img, title, screenWidth / 2, 16, pal["title_light"], pal["ink"], 4);

    Rgb heading = pal["title_light"];
    Rgb white = pal["white"];
    letterCentred(img, fonts.render(bodyFont, 28, "Keys"), 220, 100, heading, pal["ink"], 2);
    letterCentred(img, fonts.render(bodyFont, 28, "Scoring"), 620, 100, heading, pal["ink"], 2);

    // Each row: the key's cap, the pad button's (rounder, in the crystal's colours; none for
    // "-"), then what they do, in a column of its own.
    struct KeyRow {
        Glyphs key;
        std::optional<Glyphs> pad;
        std::string action;
    };
    std::vector<KeyRow> rows;
    int actionLeft = 0;
    for (const auto& [key, rest] : section(text, "keys")) {
        const size_t bar = rest.find('|');
        const std::string pad = bar == std::string::npos ? "-" : trimmedText(rest.substr(0, bar));
        KeyRow row{fonts.render(bodyFont, 18, key), std::nullopt,
                   bar == std::string::npos ? rest : trimmedText(rest.substr(bar + 1))};
        int width = row.key.width + 14 + capGap;
        if (pad != "-") {
            row.pad = fonts.render(bodyFont, 18, pad);
            width += std::max(row.pad->width + 14, 30) + capGap;
        }
        actionLeft = std::max(actionLeft, keysLeft + width + capGap);
        rows.push_back(std::move(row));
    }
    int y = firstRow;
    for (const KeyRow& row : rows) {
        int x = keysLeft;
        const int capWidth = row.key.width + 14;
        fill(img, roundedBox(x, y - 2, capWidth, 32, 6), pal["ink"]);
        fill(img, roundedBox(x + 2, y, capWidth - 4, 26, 5), pal["keycap"]);
        fill(img, box(x + 6, y + 22, capWidth - 12, 2), pal["keycap_dark"]);
        paintGlyphs(img, row.key, x + 7, y + 3, pal["ink"]);
        x += capWidth + capGap;
        if (row.pad) {
            const int buttonWidth = std::max(row.pad->width + 14, 30);
            fill(img, roundedBox(x, y - 2, buttonWidth, 32, 14), pal["ink"]);
            fill(img, roundedBox(x + 2, y, buttonWidth - 4, 26, 12), pal["crystal_dark"]);
            paintGlyphs(img, *row.pad, x + (buttonWidth - row.pad->width) / 2, y + 3,
                        pal["crystal_light"]);
        }
        paintGlyphs(img, fonts.render(bodyFont, 20, row.action), actionLeft, y + 2, white);
        y += rowStep;
    }
    y = firstRow;
    const std::map<std::string, int> numbers = scoringNumbers();
    for (const auto& [what, points] : section(text, "scoring")) {
        paintGlyphs(img, fonts.render(bodyFont, 22, what), scoreLeft, y + 2, white);
        Glyphs value = fonts.render(bodyFont, 22, filledText(points, numbers));
        paintGlyphs(img, value, scoreRight - value.width, y + 2, pal["crystal_light"]);
        shadeRect(img, scoreLeft, y + 32, scoreRight - scoreLeft, 1, pal["panel_trim"], 0.5);
        y += rowStep;
    }
    int footer = 432;
    for (const auto& [line, unused] : section(text, "footer")) {
        letterCentred(img, fonts.render(bodyFont, 20, line), screenWidth / 2, footer,
                      pal["caption_dim"], pal["ink"], 0);
        footer += 24;
    }
    return img;
}
