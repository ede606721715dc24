// Drawing onto the web page's screen: the game's own drawing into the screen's pixels
// (web_canvas.cpp), which the page's canvas shows at each present.
#include "platform/video.h"

#include "core/game_state.h"
#include "platform/video_backend.h"
#include "platform/web_canvas.h"

#include <cstring>
#include <emscripten.h>

extern "C" void stbi_image_free(void* pixels);
extern "C" const char* stbi_failure_reason();

namespace {

// The picture's red, green, blue and alpha bytes, from stb_image through the page's own entry to
// it: the page decodes its pictures in a worker while the code compiles, and hands out those
// pixels when asked for the very same bytes. Null when it cannot.
EM_JS(Uint8*, decodeRgba, (const Uint8* bytes, int size, int* width, int* height, int* channels),
      { return Module._stbi_load_from_memory(bytes, size, width, height, channels, 4); });

} // namespace

SDL_Surface* decodePicture(const std::vector<Uint8>& bytes) {
    int width = 0;
    int height = 0;
    int channels = 0;
    Uint8* rgba =
        decodeRgba(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels);
    if (rgba == nullptr) {
        const char* reason = stbi_failure_reason();
        SDL_SetError("%s", reason != nullptr ? reason : "it cannot be decoded");
        return nullptr;
    }
    // A software surface of the browser's SDL keeps its pixels in memory from the start, laid
    // out as the screen's: red, green, blue, alpha.
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF,
                                                0x0000FF00, 0x00FF0000, 0xFF000000);
    if (picture != nullptr && picture->pixels != nullptr) {
        for (int row = 0; row < height; ++row) {
            std::memcpy(static_cast<Uint8*>(picture->pixels) + row * picture->pitch,
                        rgba + static_cast<size_t>(row) * width * 4,
                        static_cast<size_t>(width) * 4);
        }
    }
    stbi_image_free(rgba);
    return picture;
}

void webOpenScreen() {
    // Locking reads the canvas back unless the page says the screen is only ever written.
    EM_ASM(Module.screenIsReadOnly = true;);
    SDL_LockSurface(screen);
}

void webPresent() {
    SDL_UnlockSurface(screen);
    SDL_LockSurface(screen);
}

int drawOntoScreen(SDL_Surface* picture, const SDL_Rect* part, Sint16 x, Sint16 y) {
    return webBlit(picture, part != nullptr ? *part : wholeOf(picture), x, y);
}

SDL_Surface* screenCopy(SDL_Surface* picture) {
    return webCopy(picture);
}

void makeSeeThrough(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue) {
    webSeeThrough(picture, static_cast<Uint32>(red) << 16 | static_cast<Uint32>(green) << 8 | blue);
}

void clipScreen(const SDL_Rect* area) {
    webClip(area);
}

// The renderer drew the text into a canvas of its own: locking fetches its pixels.
SDL_Surface* takeRenderedText(SDL_Surface* text) {
    if (text != nullptr) {
        SDL_LockSurface(text);
    }
    return text;
}
