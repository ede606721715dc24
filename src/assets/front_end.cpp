// Loading and releasing the screens' pictures and the two fonts.
#include "assets/front_end.h"

#include "assets/asset_paths.h"
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
    bonusImage = loadImage(assetPath::bonusBanner, bannerPicture);
    playImage = loadImage(assetPath::playButton, buttonPicture);
    play2Image = loadImage(assetPath::playButtonLit, buttonPicture);
    controls1Image = loadImage(assetPath::controlsButton, buttonPicture);
    controls2Image = loadImage(assetPath::controlsButtonLit, buttonPicture);
    introBackground = loadImage(assetPath::introBackground, screenPicture);
    introBackgroundLeft = loadImage(assetPath::introBackgroundLeft, screenPicture);
    introBackgroundRight = loadImage(assetPath::introBackgroundRight, screenPicture);
    introBackgroundPushed = loadImage(assetPath::introBackgroundPushed, screenPicture);
    beatBoard = loadImage(assetPath::board, screenPicture);
    optionsImage = loadImage(assetPath::controlsPage, screenPicture);
    continue1Image = loadImage(assetPath::continueButton, buttonPicture);
    continue2Image = loadImage(assetPath::continueButtonLit, buttonPicture);
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
        smallFont = openFont(assetPath::smallFont, smallFontPoints);
        largeFont = openFont(assetPath::largeFont, largeFontPoints);
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
