// Fuzz target: any bytes as a demo through parseDemo and the checks a replay makes before it
// plays (version, checksum, frame count, level hash), then through the replaying seam.
#include "app/state_hash.h"
#include "core/fnv_hash.h"
#include "demo/demo_format.h"
#include "demo/demo_player.h"
#include "platform/platform.h"

#include <SDL.h>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Reads of the seam taken per demo at most: a run of four billion clock reads is a fine demo,
// but no game the fuzzer can wait for.
constexpr uint32_t readBudget = 256;
constexpr std::string_view endLineStart = "\nend ";
// The smallest window: every present folds it into the picture hash.
constexpr int windowSide = 8;

SDL_Surface* startVideo() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::abort();
    }
    SDL_Surface* window = SDL_SetVideoMode(windowSide, windowSide, 32, SDL_SWSURFACE);
    if (window == nullptr) {
        std::abort();
    }
    return window;
}

// The bytes with their end line (if any) replaced by one that fits them, so the search gets
// past the checksum into the reads; the raw bytes still try the end line itself.
std::string sealed(std::string_view bytes) {
    if (const size_t end = bytes.rfind(endLineStart); end != std::string_view::npos) {
        bytes = bytes.substr(0, end + 1);
    }
    std::string text(bytes);
    if (text.empty() || text.back() != '\n') {
        text += '\n';
    }
    Fnv64 checksum;
    checksum.add(text.data(), text.size());
    const auto lines = static_cast<int64_t>(std::count(text.begin(), text.end(), '\n'));
    // Three header lines, then one line per present and one after the last.
    return text + "end " + std::to_string(std::max<int64_t>(lines - 4, 0)) + " " +
           hexHash(checksum.value) + "\n";
}

// Asks the seam for each read the demo holds, in order, as the game would, and writes what it
// answers into a new demo. Returns that demo's text, or nothing when the budget ran out.
std::string replayAndRewrite(const Demo& demo, SDL_Surface* window) {
    DemoWriter writer(demo.levelHash, demo.seed);
    uint32_t asked = 0;
    for (const DemoRead& read : demo.reads) {
        for (uint32_t i = 0; i < read.repeat; ++i) {
            if (++asked > readBudget) {
                return {};
            }
            SDL_Event event;
            int count = 0;
            int x = 0;
            int y = 0;
            switch (read.tag) {
            case DemoTag::Clock:
                writer.clock(platform.getTicks());
                break;
            case DemoTag::Keys: {
                const Uint8* keys = platform.getKeyState(&count);
                writer.keys(keys, count);
                break;
            }
            case DemoTag::Pointer: {
                const Uint8 buttons = platform.getMouseState(&x, &y);
                writer.pointer(x, y, buttons);
                break;
            }
            case DemoTag::Present:
                platform.flip(window);
                writer.present();
                break;
            case DemoTag::EventWaiting:
                writer.event(nullptr, platform.pollEvent(nullptr));
                break;
            default: {
                const int result = platform.pollEvent(&event);
                writer.event(&event, result);
                break;
            }
            }
        }
    }
    writer.finish();
    return writer.takeText();
}

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// What a replay does with a parsed demo, headless, with every read answered. (It refuses a demo
// of other levels first, but no fuzzed demo could name the right ones.) A demo answered to the
// end must be used up, one more read must be refused, and what the seam answered must make a
// demo of as many frames that the reader takes back.
void replay(const Demo& demo, SDL_Surface* window) {
    startReplay(demo, false, true);
    const std::string rewritten = replayAndRewrite(demo, window);
    if (!rewritten.empty()) {
        check(replayedFrames() == demo.presents);
        bool refused = false;
        try {
            platform.getTicks();
        } catch (const DemoDivergence&) {
            refused = true;
        }
        check(refused);
    }
    try {
        finishReplay();
        check(!rewritten.empty());
    } catch (const DemoDivergence&) {
        check(rewritten.empty());
    }
    if (!rewritten.empty()) {
        const DemoParse again = parseDemo(rewritten);
        check(again.demo && again.demo->presents == demo.presents);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SDL_Surface* const window = startVideo();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& text : {std::string(bytes), sealed(bytes)}) {
        const DemoParse parsed = parseDemo(text);
        check(parsed.demo.has_value() == parsed.error.empty());
        if (parsed.demo) {
            replay(*parsed.demo, window);
        }
    }
    return 0;
}
