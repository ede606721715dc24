// Picture loading with one report per unusable file, and the small surface helpers.
#include "assets/image_loader.h"

#include "assets/asset_paths.h"
#include "core/report.h"
#include "platform/page_yield.h"
#include "platform/platform_features.h"
#include "platform/video.h"

#include <SDL_image.h>
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

void reportDataProblem(const char* what, const char* path, const char* reason) {
    warn("cannot load %s \"%s\": %s", what, path, reason);
}

namespace {

Uint32 littleEndian32(const std::vector<Uint8>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<Uint32>(bytes[at + 3]) << 24;
}

Uint32 bigEndian32(const std::vector<Uint8>& bytes, size_t at) {
    return static_cast<Uint32>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
           bytes[at + 3];
}

std::string sizeMismatch(long width, long height, PictureSize expected) {
    return "it is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, " +
           std::to_string(expected.width) + " x " + std::to_string(expected.height) + " expected";
}

// What is wrong with a BMP or PNG file before it is decoded, or nothing: a file shorter than its
// header says, or a header announcing another size. The decoders read past the end of a short
// file as if it held pixels, and allocate whatever size a header claims.
std::string headerProblem(const std::vector<Uint8>& bytes, PictureSize expected) {
    constexpr size_t bmpHeaderBytes = 54;
    constexpr size_t pngHeaderBytes = 24;
    const size_t size = bytes.size();
    if (size >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        if (size < bmpHeaderBytes) {
            return "the file is cut short";
        }
        const Uint32 declared = littleEndian32(bytes, 2);
        if (declared != 0 && size < declared) {
            return "the file is cut short";
        }
        const Sint32 width = static_cast<Sint32>(littleEndian32(bytes, 18));
        const Sint32 height = static_cast<Sint32>(littleEndian32(bytes, 22));
        if (width != expected.width || (height != expected.height && height != -expected.height)) {
            return sizeMismatch(width, height < 0 ? -static_cast<long>(height) : height, expected);
        }
    } else if (size >= 4 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' &&
               bytes[3] == 'G') {
        if (size < pngHeaderBytes) {
            return "the file is cut short";
        }
        if (bigEndian32(bytes, 16) != static_cast<Uint32>(expected.width) ||
            bigEndian32(bytes, 20) != static_cast<Uint32>(expected.height)) {
            return sizeMismatch(bigEndian32(bytes, 16), bigEndian32(bytes, 20), expected);
        }
    }
    return {};
}

// The display format for a packed 24-bit picture on a 32-bit screen, or null when another
// case leaves the work to SDL_DisplayFormat. SDL's general converter takes every pixel apart
// and builds it again channel by channel, which made converting the full-window pictures a
// large share of the time before the first picture; here each pixel is one load and one store.
// The result is the same, down to the unused fourth byte (zero).
SDL_Surface* packedToScreen(SDL_Surface* loaded) {
    const SDL_Surface* window = SDL_GetVideoSurface();
    const SDL_PixelFormat* from = loaded->format;
    if (window == nullptr || window->format->BytesPerPixel != 4 || window->format->Amask != 0 ||
        from->BytesPerPixel != 3 || from->palette != nullptr ||
        (from->Rloss | from->Gloss | from->Bloss | window->format->Rloss | window->format->Gloss |
         window->format->Bloss) != 0 ||
        (loaded->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) != 0 || SDL_LockSurface(loaded) < 0) {
        return nullptr;
    }
    const SDL_PixelFormat* to = window->format;
    SDL_Surface* converted = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32,
                                                  to->Rmask, to->Gmask, to->Bmask, 0);
    if (converted != nullptr) {
        for (int y = 0; y < loaded->h; ++y) {
            const Uint8* in = static_cast<const Uint8*>(loaded->pixels) + y * loaded->pitch;
            Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(converted->pixels) +
                                                    y * converted->pitch);
            for (int x = 0; x < loaded->w; ++x, in += 3) {
                // The three bytes as one little- or big-endian number, as SDL reads them.
                const Uint32 packed = SDL_BYTEORDER == SDL_LIL_ENDIAN
                                          ? in[0] | in[1] << 8 | in[2] << 16
                                          : in[0] << 16 | in[1] << 8 | in[2];
                const Uint32 r = (packed & from->Rmask) >> from->Rshift;
                const Uint32 g = (packed & from->Gmask) >> from->Gshift;
                const Uint32 b = (packed & from->Bmask) >> from->Bshift;
                out[x] = r << to->Rshift | g << to->Gshift | b << to->Bshift;
            }
        }
    }
    SDL_UnlockSurface(loaded);
    return converted;
}

// Whether the bytes begin as a BMP, PNG or JPEG file does, the only formats the game's pictures
// come in. Any other is refused before a decoder sees it: SDL_image's GIF and XPM readers write
// through a null surface when a header claims more pixels than memory holds.
bool isGamePictureFormat(const std::vector<Uint8>& bytes) {
    const auto startsWith = [&bytes](std::initializer_list<Uint8> magic) {
        return bytes.size() >= magic.size() &&
               std::equal(magic.begin(), magic.end(), bytes.begin());
    };
    return startsWith({'B', 'M'}) || startsWith({0x89, 'P', 'N', 'G'}) || startsWith({0xFF, 0xD8});
}

} // namespace

bool readWholeFile(const char* path, std::vector<Uint8>& bytes) {
    bytes.clear();
    // Read with the C library, which every platform's files answer (the browser's SDL has no
    // reader for its file handles); a file that cannot be opened is described as SDL does.
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        SDL_SetError("Couldn't open %s", path);
        return false;
    }
    // A file is read in one call where its size can be told (in a web page every call crosses
    // into the browser's file system), and block by block past that, should it have grown.
    long size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::max(0L, std::ftell(file));
    }
    std::rewind(file);
    constexpr size_t blockSize = 4096;
    for (size_t want = size > 0 ? static_cast<size_t>(size) : blockSize, got = want; got == want;
         want = blockSize) {
        const size_t end = bytes.size();
        bytes.resize(end + want);
        got = std::fread(bytes.data() + end, 1, want, file);
        bytes.resize(end + got);
    }
    std::fclose(file);
    return true;
}

bool hasExpectedSize(const SDL_Surface* picture, const char* path, PictureSize expected) {
    if (picture->w == expected.width && picture->h == expected.height) {
        return true;
    }
    reportDataProblem("image", path, sizeMismatch(picture->w, picture->h, expected).c_str());
    return false;
}

SDL_Surface* loadImage(const char* path, PictureSize expected) {
    yieldToPage(phoneTurnMs);
    // A file that cannot be opened is left to IMG_Load below, which gives the reason.
    std::vector<Uint8> bytes;
    readWholeFile(path, bytes);
    if (!bytes.empty() && !isGamePictureFormat(bytes)) {
        reportDataProblem("image", path, "it is no BMP, PNG or JPEG picture");
        return nullptr;
    }
    if (const std::string problem = headerProblem(bytes, expected); !problem.empty()) {
        reportDataProblem("image", path, problem.c_str());
        return nullptr;
    }
    SDL_Surface* loaded = bytes.empty() ? IMG_Load(path) : decodePicture(bytes);
    if (loaded == nullptr) {
        reportDataProblem("image", path, IMG_GetError());
        return nullptr;
    }
    if (!hasExpectedSize(loaded, path, expected)) {
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    if (picturesDecodedForScreen && !bytes.empty()) {
        return loaded;
    }
    SDL_Surface* converted = packedToScreen(loaded);
    if (converted == nullptr) {
        converted = screenCopy(loaded);
    }
    SDL_FreeSurface(loaded);
    if (converted == nullptr) {
        reportDataProblem("image", path, SDL_GetError());
    }
    return converted;
}

void setMagentaKey(SDL_Surface* surface) {
    if (surface != nullptr) {
        makeSeeThrough(surface, 255, 0, 255);
    }
}

void releaseSurface(SDL_Surface*& surface) {
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}

SDL_Surface* loadWindowIcon() {
    const char* const iconPath = assetPath::icon;
    SDL_Surface* icon = IMG_Load(iconPath);
    if (icon == nullptr) {
        reportDataProblem("image", iconPath, IMG_GetError());
        return nullptr;
    }
    if (!hasExpectedSize(icon, iconPath, tilePicture)) {
        SDL_FreeSurface(icon);
        return nullptr;
    }
    return icon;
}
