// Everything the menus and screens draw besides the maze: backgrounds, buttons, the bonus
// banner, the two fonts and the one surface that holds the last rendered text. Its operations
// are the screens themselves, defined in screens/: a rule that opens a screen (the banner, the
// pause, the tally) calls it through here, the one call that goes up the floors.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdint>

enum TextColour : int32_t { Black = 1, White = 2, Blue = 3, Red = 4 };

// drawText takes the small status-line font for this code and the large one for any other.
constexpr int32_t smallFontCode = 6;

class FrontEnd {
  public:
    FrontEnd() = default;
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;
    ~FrontEnd() { release(); }

    void initFrontEnd();
    // Frees every image, the text surface and both fonts and shuts the font engine down.
    // Safe to call again: what is released is forgotten.
    void release();

    // Status line and banner.
    void drawText(const char* text, Sint16 x, Sint16 y, int32_t fontCode, int32_t colourCode);
    void showBanner(int32_t kind, int32_t frames);
    void tickBanner();

    // Renders a text into textSurface (freeing the one held before) and blits it at (x, y).
    // A text that cannot be rendered leaves textSurface null and draws nothing.
    void renderText(TTF_Font* font, const char* text, SDL_Color colour, Sint16 x, Sint16 y);

    // The full-window screens.
    void runIntroMenu();
    void runControlsPage();
    void runLevelTally();
    void runPause();
    void runGameOver();
    void runVictory();

    int32_t bannerKind = 0;
    bool bannerActive = false;
    int32_t bannerFramesLeft = 0;
    int32_t buttonWidth = 0;
    int32_t buttonHeight = 0;
    SDL_Surface* playImage = nullptr;
    SDL_Surface* play2Image = nullptr;
    SDL_Surface* introBackground = nullptr;
    SDL_Surface* introBackgroundLeft = nullptr;
    SDL_Surface* introBackgroundRight = nullptr;
    SDL_Surface* introBackgroundPushed = nullptr;
    SDL_Surface* controls1Image = nullptr;
    SDL_Surface* controls2Image = nullptr;
    SDL_Surface* beatBoard = nullptr;
    SDL_Surface* bonusImage = nullptr;
    SDL_Surface* optionsImage = nullptr;
    SDL_Surface* continue1Image = nullptr;
    SDL_Surface* continue2Image = nullptr;
    SDL_Surface* textSurface = nullptr;
    TTF_Font* smallFont = nullptr;
    TTF_Font* largeFont = nullptr;

  private:
    bool fontEngineStarted = false;
};
