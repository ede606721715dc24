// The status line: labels, score, bombs, lives, time and warps, each erased with the blank
// sheet and redrawn only when it changes.
#include "screens/hud.h"

#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "platform/platform.h"
#include "platform/video.h"

#include <string>

namespace {

constexpr Uint16 hudHeight = 32;
constexpr Uint32 msPerSecond = 1000;

struct HudField {
    Sint16 x;
    Uint16 eraseWidth;
};

constexpr HudField scoreField{95, 70};
constexpr HudField bombsField{275, 30};
constexpr HudField livesField{438, 30};
constexpr HudField warpsField{765, 30};
constexpr HudField minutesField{578, 35};
constexpr HudField separatorField{598, 35};
constexpr HudField longSecondsField{608, 35};
constexpr HudField shortSecondsField{620, 35};

void hudText(const std::string& text, Sint16 x) {
    frontEnd.drawText(text.c_str(), x, 0, smallFontCode, White);
}

void erase(const HudField& field) {
    blitRegion(tileBank.blankSheet, field.x, 0, field.eraseWidth, hudHeight);
}

void redrawNumber(const HudField& field, int32_t value) {
    erase(field);
    hudText(std::to_string(value), field.x);
}

// The minutes are a single digit in front of the separator, drawn flush against it whatever
// the digit's width, so the time reads as one figure ("0:05", not "0 :05").
constexpr Sint16 minutesGap = 1;

void redrawMinutes(int32_t minutes) {
    erase(minutesField);
    const std::string text = std::to_string(minutes);
    int width = 0;
    if (frontEnd.smallFont != nullptr) {
        TTF_SizeText(frontEnd.smallFont, text.c_str(), &width, nullptr);
    }
    hudText(text, static_cast<Sint16>(separatorField.x - minutesGap - width));
}

void clampAtZero(int32_t& value) {
    if (value < 0) {
        value = 0;
    }
}

} // namespace

void drawHud() {
    clampAtZero(player.lives);
    clampAtZero(player.score);
    clampAtZero(player.bombs);
    int32_t t = static_cast<int32_t>(platform.getTicks() - levelStartTicks) /
                static_cast<int32_t>(msPerSecond);
    levelSeconds = t;
    // The labels and numbers are drawn through the level's first second, and in any case once:
    // a level whose first frame comes later (a pause, a stall) still gets its labels.
    const bool labelsDue = t < 1 || !hudLabelsDrawn;
    hudLabelsDrawn = true;
    if (t > maxLevelSeconds) {
        t = maxLevelSeconds;
        levelSeconds = maxLevelSeconds;
    }
    if (labelsDue) {
        hudText("Time:", 488);
        hudText("Bombs:", 175);
        hudText("Score:", 10);
        hudText("Warps:", 665);
        hudText("Lives:", 328);
    }
    if (player.score != prevScore || labelsDue) {
        redrawNumber(scoreField, player.score);
    }
    if (player.bombs != prevBombs || labelsDue) {
        redrawNumber(bombsField, player.bombs);
    }
    // The time is drawn again only when the seconds it shows change: during a level nothing
    // else draws on the status line, so the same text drawn again would give the same pixels.
    if (t != shownSeconds || labelsDue) {
        shownSeconds = t;
        redrawMinutes(t / 60);
        const int32_t seconds = t % 60;
        erase(separatorField);
        if (seconds < 10) {
            hudText(":0", separatorField.x);
            redrawNumber(shortSecondsField, seconds);
        } else {
            hudText(":", separatorField.x);
            redrawNumber(longSecondsField, seconds);
        }
    }
    if (player.lives != prevLives || labelsDue) {
        redrawNumber(livesField, player.lives);
    }
    if (player.warps != prevWarps || labelsDue) {
        redrawNumber(warpsField, player.warps);
    }
}
