// Writing pictures as BMP, PNG and JPEG.
#include "image_io.h"

#include <SDL.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <filesystem>
#include <stdexcept>

namespace {

// At full quality the floor tile comes back from the decoder within a step or two per
// channel, so the tiles that carry the same floor join it without a visible seam.
constexpr int jpegQuality = 100;
constexpr int rgbChannels = 3;

std::vector<uint8_t> packed(const Image& img) {
    std::vector<uint8_t> bytes;
    bytes.reserve(img.pixels().size() * rgbChannels);
    for (Rgb c : img.pixels()) {
        bytes.insert(bytes.end(), {c.r, c.g, c.b});
    }
    return bytes;
}

void makeParent(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
}

} // namespace

void writeBmp(const Image& img, const std::string& path) {
    makeParent(path);
    // 24-bit surface with the byte order R, G, B in memory.
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, img.width(), img.height(), 24, 0x0000ff,
                                          0x00ff00, 0xff0000, 0);
    if (s == nullptr) {
        throw std::runtime_error("cannot create surface for " + path);
    }
    auto* row = static_cast<uint8_t*>(s->pixels);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            Rgb c = img.at(x, y);
            uint8_t* p = row + y * s->pitch + x * rgbChannels;
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    }
    int result = SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    if (result != 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

void writePng(const Image& img, const std::string& path) {
    makeParent(path);
    std::vector<uint8_t> bytes = packed(img);
    if (stbi_write_png(path.c_str(), img.width(), img.height(), rgbChannels, bytes.data(),
                       img.width() * rgbChannels) == 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

void writeJpeg(const Image& img, const std::string& path) {
    makeParent(path);
    std::vector<uint8_t> bytes = packed(img);
    if (stbi_write_jpg(path.c_str(), img.width(), img.height(), rgbChannels, bytes.data(),
                       jpegQuality) == 0) {
        throw std::runtime_error("cannot write " + path);
    }
}
