// The menu buttons, at rest and lit, and the bonus banner.
#include "buttons.h"

#include "core/scoring.h"
#include "shapes.h"

namespace {
constexpr int labelPoints = 24;
constexpr double cornerRadius = 14.0;
} // namespace

Image makeButton(const Palette& pal, const FontEngine& fonts, const std::string& label, bool lit) {
    Image img(buttonWidth, buttonHeight, magenta);
    std::string tone = lit ? "button_lit" : "button";
    Rgb top = pal[tone + "_light"];
    Rgb middle = pal[tone];
    Rgb bottom = pal[tone + "_dark"];
    Inside outer = roundedBox(0, 0, buttonWidth, buttonHeight, cornerRadius);
    Inside inner = roundedBox(3, 3, buttonWidth - 6, buttonHeight - 6, cornerRadius - 3);
    fill(img, outer, lit ? pal["button_lit_rim"] : pal["ink"]);
    paintHard(img, inner, [&](int, int y) {
        double t = static_cast<double>(y) / buttonHeight;
        return t < 0.5 ? mix(top, middle, t * 2) : mix(middle, bottom, t * 2 - 1);
    });
    // A glossy streak along the upper half.
    fill(img, roundedBox(10, 5, buttonWidth - 20, 6, 3), mix(top, pal["white"], 0.35));
    Glyphs g = fonts.render(bodyFont, labelPoints, label);
    int y = (buttonHeight - g.height) / 2 + 2;
    Rgb text = lit ? pal["button_lit_text"] : pal["button_text"];
    Rgb edge = lit ? pal["button_lit_dark"] : pal["ink"];
    paintGlyphs(img, g, buttonWidth / 2 - g.width / 2 + 1, y + 2, edge);
    paintGlyphs(img, g, buttonWidth / 2 - g.width / 2, y, text);
    return img;
}

Image makeBonusBanner(const Palette& pal, const FontEngine& fonts) {
    Image img(bannerWidth, bannerHeight, magenta);
    Rgb ribbon = pal["ribbon"];
    Rgb ribbonDark = pal["ribbon_dark"];
    // Forked tails behind the main band.
    fill(img, triangle(2, 30, 44, 30, 44, 80), ribbonDark);
    fill(img, triangle(2, 80, 44, 80, 44, 30), ribbonDark);
    fill(img, triangle(2, 30, 2, 80, 20, 55), magenta);
    fill(img, triangle(298, 30, 256, 30, 256, 80), ribbonDark);
    fill(img, triangle(298, 80, 256, 80, 256, 30), ribbonDark);
    fill(img, triangle(298, 30, 298, 80, 280, 55), magenta);
    fill(img, roundedBox(26, 12, 248, 76, 12), pal["ink"]);
    paintHard(img, roundedBox(29, 15, 242, 70, 10),
              [&](int, int y) { return mix(pal["ribbon_light"], ribbon, (y - 15) / 70.0); });
    fill(img, box(36, 20, 228, 2), pal["banner_trim"]);
    fill(img, box(36, 78, 228, 2), pal["banner_trim"]);
    Glyphs headline = fonts.render(titleFont, 30, "MULTI KILL!");
    letterCentred(img, headline, bannerWidth / 2, 20, pal["banner_text"], pal["ink"], 2);
    const std::string rewardText = "+" + std::to_string(multiKillPoints) + "  and  +" +
                                   std::to_string(multiKillLives) + " LIFE";
    Glyphs reward = fonts.render(bodyFont, 20, rewardText);
    letterCentred(img, reward, bannerWidth / 2, 56, pal["white"], pal["ink"], 1);
    return img;
}
