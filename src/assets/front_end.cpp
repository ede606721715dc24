// Loading and releasing the screens' pictures and the two fonts.
#include "assets/front_end.h"

#include "assets/image_loader.h"

#include <initializer_list>

namespace {

constexpr int smallFontPoints = 25;
// The tally sets its texts at fixed places: at this size "You Beat Level" and the labels end
// just before the numbers placed beside them, and "Time Penalty :" still clears its number.
constexpr int largeFontPoints = 64;

TTF_Font* openFont(const char* path, int points) {
    TTF_Font* font = TTF_OpenFont(path, points);
    if (font == nullptr) {
        reportDataProblem("font", path, TTF_GetError());
    }
    return font;
}

void closeFont(TTF_Font*& font) {
    if (font != nullptr) {
        TTF_CloseFont(font);
        font = nullptr;
    }
}

} // namespace

void FrontEnd::initFrontEnd() {
    release();
    bonusImage = loadImage("images/bonus.bmp", bannerPicture);
    playImage = loadImage("images/play.png", buttonPicture);
    play2Image = loadImage("images/play2.png", buttonPicture);
    controls1Image = loadImage("images/controls1.png", buttonPicture);
    controls2Image = loadImage("images/controls2.png", buttonPicture);
    introBackground = loadImage("images/introbg.png", screenPicture);
    introBackgroundLeft = loadImage("images/introbgleft.png", screenPicture);
    introBackgroundRight = loadImage("images/introbgright.png", screenPicture);
    introBackgroundPushed = loadImage("images/introbgpushed.png", screenPicture);
    beatBoard = loadImage("images/beatboard.png", screenPicture);
    optionsImage = loadImage("images/options.png", screenPicture);
    continue1Image = loadImage("images/continue1.png", buttonPicture);
    continue2Image = loadImage("images/continue2.png", buttonPicture);
    for (SDL_Surface* keyed : {bonusImage, playImage, play2Image, controls1Image, controls2Image,
                               continue1Image, continue2Image}) {
        setMagentaKey(keyed);
    }
    bannerActive = false;
    buttonWidth = buttonPicture.width;
    buttonHeight = buttonPicture.height;
    if (TTF_Init() < 0) {
        reportDataProblem("font engine", "SDL_ttf", TTF_GetError());
    } else {
        fontEngineStarted = true;
        smallFont = openFont("actionj.ttf", smallFontPoints);
        largeFont = openFont("indigo.ttf", largeFontPoints);
    }
    textSurface = nullptr;
}

void FrontEnd::release() {
    for (SDL_Surface** image :
         {&bonusImage, &playImage, &play2Image, &introBackground, &introBackgroundLeft,
          &introBackgroundRight, &introBackgroundPushed, &controls1Image, &controls2Image,
          &beatBoard, &optionsImage, &continue1Image, &continue2Image, &textSurface}) {
        releaseSurface(*image);
    }
    closeFont(smallFont);
    closeFont(largeFont);
    if (fontEngineStarted) {
        TTF_Quit();
        fontEngineStarted = false;
    }
}
