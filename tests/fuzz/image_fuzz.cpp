// Fuzz target: any bytes as a picture file through loadImage, the way the game loads every
// picture, on a headless 32-bit window.
#include "assets/image_loader.h"
#include "core/game_state.h"
#include "platform/video.h"

#include <SDL.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The picture file each input is written to; its name says BMP, as most of the game's do.
std::string picturePath() {
    static const std::string path = "/tmp/tamberlo_fuzz_" + std::to_string(getpid()) + ".bmp";
    return path;
}

bool startVideo() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        return false;
    }
    screen = SDL_SetVideoMode(windowWidth, windowHeight, 32, SDL_SWSURFACE);
    return screen != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool started = startVideo();
    if (!started) {
        std::abort();
    }
    const std::string path = picturePath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    // An empty input has no bytes to write (and may come with no buffer at all).
    if (size > 0) {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);
    for (PictureSize size : {tilePicture, buttonPicture}) {
        SDL_Surface* picture = loadImage(path.c_str(), size);
        if (picture != nullptr) {
            setMagentaKey(picture);
            blitAt(picture, 0, 0);
        }
        releaseSurface(picture);
    }
    std::remove(path.c_str());
    return 0;
}
