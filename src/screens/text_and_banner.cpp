// Text rendering into the front end's single text surface, and the bonus banner.
#include "assets/front_end.h"
#include "platform/video.h"

namespace {

constexpr Sint16 bannerX = 250;
constexpr Sint16 bannerY = 250;
constexpr int32_t bonusBannerKind = 0;

SDL_Color colourFor(int32_t colourCode) {
    switch (colourCode) {
    case Black:
        return SDL_Color{0, 0, 0, 0};
    case Blue:
        return SDL_Color{0, 0, 255, 0};
    case Red:
        return SDL_Color{255, 0, 0, 0};
    default:
        return SDL_Color{255, 255, 255, 0};
    }
}

} // namespace

void FrontEnd::renderText(TTF_Font* font, const char* text, SDL_Color colour, Sint16 x, Sint16 y) {
    if (textSurface != nullptr) {
        SDL_FreeSurface(textSurface);
        textSurface = nullptr;
    }
    if (font == nullptr) {
        return;
    }
    textSurface = takeRenderedText(TTF_RenderText_Solid(font, text, colour));
    // A text that cannot be rendered (an empty string, say) is simply not drawn.
    if (textSurface != nullptr) {
        blitAt(textSurface, x, y);
    }
}

void FrontEnd::drawText(const char* text, Sint16 x, Sint16 y, int32_t fontCode,
                        int32_t colourCode) {
    TTF_Font* font = fontCode == smallFontCode ? smallFont : largeFont;
    renderText(font, text, colourFor(colourCode), x, y);
}

void FrontEnd::showBanner(int32_t kind, int32_t frames) {
    bannerActive = true;
    bannerFramesLeft = frames;
    bannerKind = kind;
}

void FrontEnd::tickBanner() {
    if (!bannerActive) {
        return;
    }
    if (bannerKind == bonusBannerKind) {
        blitAt(bonusImage, bannerX, bannerY);
    }
    --bannerFramesLeft;
    if (bannerFramesLeft <= 0) {
        bannerActive = false;
    }
}
