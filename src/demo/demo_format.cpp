// Reading and writing the demo text. The reader trusts nothing: whatever the bytes, it returns a
// demo or a message, reads nothing outside them and allocates no more than they hold.
#include "demo/demo_format.h"

#include "platform/key_numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace {

constexpr std::string_view magic = "tamberlo-demo ";
constexpr std::string_view levelsKey = "levels ";
constexpr std::string_view seedKey = "seed ";
constexpr std::string_view endKey = "end ";
constexpr int64_t maxUint32 = std::numeric_limits<uint32_t>::max();
constexpr int maxValues = 5;

// The values a token of each tag holds: how many, and the range of each.
struct TokenShape {
    DemoTag tag;
    // Whether the token is the answer to the game's asking for an event.
    bool isEvent;
    int minCount;
    int maxCount;
    int64_t low[maxValues];
    int64_t high[maxValues];
};

constexpr int64_t lastKey = portableKeyCount - 1;
constexpr TokenShape shapes[] = {
    {DemoTag::Clock, false, 1, 1, {0}, {maxUint32}},
    {DemoTag::Pointer, false, 3, 3, {0, 0, 0}, {65535, 65535, 255}},
    {DemoTag::NoEvent, true, 0, 0, {}, {}},
    {DemoTag::EventWaiting, true, 0, 0, {}, {}},
    {DemoTag::Quit, true, 0, 0, {}, {}},
    {DemoTag::KeyDown, true, 1, 2, {0, 0}, {lastKey, 65535}},
    {DemoTag::KeyUp, true, 1, 2, {0, 0}, {lastKey, 65535}},
    {DemoTag::ButtonDown, true, 3, 3, {0, 0, 0}, {255, 65535, 65535}},
    {DemoTag::ButtonUp, true, 3, 3, {0, 0, 0}, {255, 65535, 65535}},
    {DemoTag::Motion, true, 5, 5, {0, 0, 0, -32768, -32768}, {65535, 65535, 255, 32767, 32767}},
    {DemoTag::Focus, true, 2, 2, {0, 0}, {255, 255}},
    {DemoTag::PadAxis, true, 2, 2, {0, -32768}, {255, 32767}},
    {DemoTag::PadHat, true, 2, 2, {0, 0}, {255, 15}},
    {DemoTag::PadButtonDown, true, 1, 1, {0}, {255}},
    {DemoTag::PadButtonUp, true, 1, 1, {0}, {255}},
    {DemoTag::OtherEvent, true, 1, 1, {0}, {255}},
};

const TokenShape* shapeOf(char letter) {
    for (const TokenShape& shape : shapes) {
        if (static_cast<char>(shape.tag) == letter) {
            return &shape;
        }
    }
    return nullptr;
}

DemoParse failure(std::string message) {
    return DemoParse{std::nullopt, std::move(message)};
}

// A whole decimal number in [low, high], nothing else.
bool readNumber(std::string_view text, int64_t low, int64_t high, int64_t& number) {
    if (text.empty() || text[0] == '+') {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && number >= low &&
           number <= high;
}

// Exactly 16 lower-case hex digits, as hexHash writes them.
bool readHash(std::string_view text, uint64_t& hash) {
    if (text.size() != 16 || text.find_first_not_of("0123456789abcdef") != text.npos) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hash, 16);
    return error == std::errc() && end == text.data() + text.size();
}

// Splits off the text up to the next separator (or all of it).
std::string_view takeUntil(std::string_view& text, char separator) {
    const size_t at = text.find(separator);
    const std::string_view head = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    return head;
}

// Calls read on each piece of a non-empty text between separators, until read fails.
template <typename Read> bool readPieces(std::string_view text, char separator, Read read) {
    for (;;) {
        const size_t at = text.find(separator);
        if (!read(text.substr(0, at))) {
            return false;
        }
        if (at == std::string_view::npos) {
            return true;
        }
        text = text.substr(at + 1);
    }
}

// Reads one token into the demo; returns an error message, empty when the token is good.
std::string readToken(std::string_view token, Demo& demo) {
    std::string_view body = token.substr(1);
    std::string_view repeatText;
    if (const size_t star = body.find('*'); star != std::string_view::npos) {
        repeatText = body.substr(star + 1);
        body = body.substr(0, star);
    }
    DemoRead read;
    if (!repeatText.empty() || body.size() != token.size() - 1) {
        int64_t repeat = 0;
        if (!readNumber(repeatText, 2, maxUint32, repeat)) {
            return "bad repeat count in '" + std::string(token) + "'";
        }
        read.repeat = static_cast<uint32_t>(repeat);
    }
    if (token[0] == static_cast<char>(DemoTag::Keys)) {
        read.tag = DemoTag::Keys;
        const size_t first = demo.heldKeys.size();
        const bool good =
            body.empty() || readPieces(body, ',', [&demo, first](std::string_view piece) {
                int64_t key = 0;
                if (!readNumber(piece, 0, lastKey, key) ||
                    demo.heldKeys.size() - first >= portableKeyCount) {
                    return false;
                }
                demo.heldKeys.push_back(static_cast<uint16_t>(key));
                return true;
            });
        if (!good) {
            return "bad held keys in '" + std::string(token) + "'";
        }
        read.values[0] = static_cast<int64_t>(first);
        read.values[1] = static_cast<int64_t>(demo.heldKeys.size() - first);
        demo.reads.push_back(read);
        return {};
    }
    const TokenShape* shape = shapeOf(token[0]);
    if (shape == nullptr) {
        return "unknown token '" + std::string(token) + "'";
    }
    read.tag = shape->tag;
    int count = 0;
    const bool good =
        body.empty() || readPieces(body, ',', [&](std::string_view piece) {
            if (count == shape->maxCount ||
                !readNumber(piece, shape->low[count], shape->high[count], read.values[count])) {
                return false;
            }
            ++count;
            return true;
        });
    if (!good || count < shape->minCount) {
        return "bad values in '" + std::string(token) + "'";
    }
    demo.reads.push_back(read);
    return {};
}

// Reads the tokens of one line, single spaces between them.
std::string readLine(std::string_view line, Demo& demo) {
    std::string error;
    if (!line.empty()) {
        readPieces(line, ' ', [&error, &demo](std::string_view token) {
            error = token.empty() ? "a stray space" : readToken(token, demo);
            return error.empty();
        });
    }
    return error;
}

void appendValues(std::string& text, const int64_t* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += ',';
        }
        text += std::to_string(values[i]);
    }
}

// The token of an event read: how many of its values are written.
int writtenValues(const DemoRead& read) {
    if (read.tag == DemoTag::KeyDown || read.tag == DemoTag::KeyUp) {
        return read.values[1] == 0 ? 1 : 2;
    }
    const TokenShape* shape = shapeOf(static_cast<char>(read.tag));
    return shape == nullptr ? 0 : shape->maxCount;
}

} // namespace

DemoParse parseDemo(std::string_view bytes) {
    if (bytes.substr(0, magic.size()) != magic) {
        return failure("not a Tamberlo Adventure demo (it does not begin with \"tamberlo-demo\")");
    }
    std::string_view rest = bytes;
    std::string_view versionText = takeUntil(rest, '\n').substr(magic.size());
    int64_t version = 0;
    if (!readNumber(versionText, 0, maxUint32, version)) {
        return failure("damaged demo: its first line does not give a format version");
    }
    if (version != demoFormatVersion) {
        return failure("the demo has format version " + std::to_string(version) +
                       ", this game replays version " + std::to_string(demoFormatVersion));
    }
    // The end line comes last and closes with a newline; anything less is a cut-off file.
    const size_t endStart =
        bytes.size() < 2 ? std::string_view::npos : bytes.rfind('\n', bytes.size() - 2) + 1;
    if (bytes.back() != '\n' || endStart == 0 || bytes.substr(endStart, endKey.size()) != endKey) {
        return failure("truncated demo: it stops before its end line");
    }
    std::string_view endLine = bytes.substr(endStart + endKey.size());
    endLine.remove_suffix(1);
    int64_t presents = 0;
    uint64_t checksum = 0;
    if (!readNumber(takeUntil(endLine, ' '), 0, maxUint32, presents) ||
        !readHash(endLine, checksum)) {
        return failure("damaged demo: its end line is not \"end FRAMES CHECKSUM\"");
    }
    Fnv64 computed;
    computed.add(bytes.data(), endStart);
    if (computed.value != checksum) {
        return failure("damaged demo: its checksum does not match its contents");
    }

    // Three header lines, then one line per present and the line of the reads after the last.
    Demo demo;
    demo.presents = static_cast<uint32_t>(presents);
    std::string_view body = bytes.substr(0, endStart);
    std::string_view header[3];
    for (std::string_view& line : header) {
        if (body.find('\n') == std::string_view::npos) {
            return failure("damaged demo: its header is cut short");
        }
        line = takeUntil(body, '\n');
    }
    int64_t seed = 0;
    if (header[1].substr(0, levelsKey.size()) != levelsKey ||
        !readHash(header[1].substr(levelsKey.size()), demo.levelHash) ||
        header[2].substr(0, seedKey.size()) != seedKey ||
        !readNumber(header[2].substr(seedKey.size()), 0, maxUint32, seed)) {
        return failure("damaged demo: its header lacks the \"levels\" or \"seed\" line");
    }
    demo.seed = static_cast<uint32_t>(seed);
    const auto lines = static_cast<int64_t>(std::count(body.begin(), body.end(), '\n'));
    if (lines != presents + 1) {
        return failure("damaged demo: it holds " + std::to_string(lines) +
                       " lines of reads where its end line says " + std::to_string(presents) +
                       " frames");
    }
    for (int64_t line = 0; line < lines; ++line) {
        if (std::string error = readLine(takeUntil(body, '\n'), demo); !error.empty()) {
            return failure("damaged demo: line " + std::to_string(line + 4) + ": " + error);
        }
        if (line < presents) {
            demo.reads.push_back(DemoRead{});
        }
    }
    return DemoParse{std::move(demo), {}};
}

bool isEventTag(DemoTag tag) {
    const TokenShape* shape = shapeOf(static_cast<char>(tag));
    return shape != nullptr && shape->isEvent;
}

DemoRead eventRead(const SDL_Event& event) {
    DemoRead read;
    auto set = [&read](DemoTag tag, std::initializer_list<int64_t> values) {
        read.tag = tag;
        int i = 0;
        for (int64_t value : values) {
            read.values[i++] = value;
        }
    };
    switch (event.type) {
    case SDL_QUIT:
        set(DemoTag::Quit, {});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        set(event.type == SDL_KEYDOWN ? DemoTag::KeyDown : DemoTag::KeyUp,
            {std::max(portableKeyOf(event.key.keysym.sym), 0), event.key.keysym.mod});
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        set(event.type == SDL_MOUSEBUTTONDOWN ? DemoTag::ButtonDown : DemoTag::ButtonUp,
            {event.button.button, event.button.x, event.button.y});
        break;
    case SDL_MOUSEMOTION:
        set(DemoTag::Motion, {event.motion.x, event.motion.y, event.motion.state, event.motion.xrel,
                              event.motion.yrel});
        break;
    case SDL_ACTIVEEVENT:
        set(DemoTag::Focus, {event.active.gain, event.active.state});
        break;
    // The game opens one pad, so which pad an event came from is not kept.
    case SDL_JOYAXISMOTION:
        set(DemoTag::PadAxis, {event.jaxis.axis, event.jaxis.value});
        break;
    case SDL_JOYHATMOTION:
        set(DemoTag::PadHat, {event.jhat.hat, event.jhat.value});
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        set(event.type == SDL_JOYBUTTONDOWN ? DemoTag::PadButtonDown : DemoTag::PadButtonUp,
            {event.jbutton.button});
        break;
    default:
        set(DemoTag::OtherEvent, {event.type});
        break;
    }
    return read;
}

SDL_Event eventFromRead(const DemoRead& read) {
    SDL_Event event{};
    const auto byte = [](int64_t value) { return static_cast<Uint8>(value); };
    const auto word = [](int64_t value) { return static_cast<Uint16>(value); };
    switch (read.tag) {
    case DemoTag::Quit:
        event.type = SDL_QUIT;
        break;
    case DemoTag::KeyDown:
    case DemoTag::KeyUp:
        event.type = read.tag == DemoTag::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = read.tag == DemoTag::KeyDown ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = platformKeyOf(static_cast<int>(read.values[0]));
        event.key.keysym.mod = static_cast<SDLMod>(read.values[1]);
        break;
    case DemoTag::ButtonDown:
    case DemoTag::ButtonUp:
        event.type = read.tag == DemoTag::ButtonDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.state = read.tag == DemoTag::ButtonDown ? SDL_PRESSED : SDL_RELEASED;
        event.button.button = byte(read.values[0]);
        event.button.x = word(read.values[1]);
        event.button.y = word(read.values[2]);
        break;
    case DemoTag::Motion:
        event.type = SDL_MOUSEMOTION;
        event.motion.x = word(read.values[0]);
        event.motion.y = word(read.values[1]);
        event.motion.state = byte(read.values[2]);
        event.motion.xrel = static_cast<Sint16>(read.values[3]);
        event.motion.yrel = static_cast<Sint16>(read.values[4]);
        break;
    case DemoTag::Focus:
        event.type = SDL_ACTIVEEVENT;
        event.active.gain = byte(read.values[0]);
        event.active.state = byte(read.values[1]);
        break;
    case DemoTag::PadAxis:
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.axis = byte(read.values[0]);
        event.jaxis.value = static_cast<Sint16>(read.values[1]);
        break;
    case DemoTag::PadHat:
        event.type = SDL_JOYHATMOTION;
        event.jhat.hat = byte(read.values[0]);
        event.jhat.value = byte(read.values[1]);
        break;
    case DemoTag::PadButtonDown:
    case DemoTag::PadButtonUp:
        event.type = read.tag == DemoTag::PadButtonDown ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.state = read.tag == DemoTag::PadButtonDown ? SDL_PRESSED : SDL_RELEASED;
        event.jbutton.button = byte(read.values[0]);
        break;
    default:
        event.type = byte(read.values[0]);
        break;
    }
    return event;
}

DemoWriter::DemoWriter(uint64_t levelHash, uint32_t seed) {
    emit(std::string(magic) + std::to_string(demoFormatVersion) + "\n" + std::string(levelsKey) +
         hexHash(levelHash) + "\n" + std::string(seedKey) + std::to_string(seed) + "\n");
}

void DemoWriter::clock(Uint32 ticks) {
    const std::string token =
        std::string(1, static_cast<char>(DemoTag::Clock)).append(std::to_string(ticks - lastClock));
    lastClock = ticks;
    this->token(token.c_str());
}

void DemoWriter::keys(const Uint8* state, int count) {
    std::string token(1, static_cast<char>(DemoTag::Keys));
    for (int key = 0; state != nullptr && key < portableKeyCount; ++key) {
        const int platformKey = platformKeyOf(key);
        if ((platformKey != SDLK_UNKNOWN || key == 0) && platformKey < count &&
            state[platformKey] != 0) {
            if (token.size() > 1) {
                token += ',';
            }
            token += std::to_string(key);
        }
    }
    this->token(token.c_str());
}

void DemoWriter::pointer(int x, int y, Uint8 buttons) {
    char token[40];
    std::snprintf(token, sizeof token, "%c%d,%d,%u", static_cast<char>(DemoTag::Pointer), x, y,
                  unsigned{buttons});
    this->token(token);
}

void DemoWriter::event(const SDL_Event* event, int result) {
    if (result == 0 || event == nullptr) {
        const char tag[] = {
            static_cast<char>(result == 0 ? DemoTag::NoEvent : DemoTag::EventWaiting), '\0'};
        token(tag);
        return;
    }
    const DemoRead read = eventRead(*event);
    std::string text(1, static_cast<char>(read.tag));
    appendValues(text, read.values, writtenValues(read));
    token(text.c_str());
}

void DemoWriter::present() {
    flushToken();
    emit("\n");
    lineStarted = false;
    ++presentCount;
}

void DemoWriter::finish() {
    flushToken();
    emit("\n");
    text +=
        std::string(endKey) + std::to_string(presentCount) + " " + hexHash(checksum.value) + "\n";
}

std::string DemoWriter::takeText() {
    std::string taken;
    taken.swap(text);
    return taken;
}

void DemoWriter::token(const char* token) {
    if (pendingRepeat > 0 && pendingToken == token && pendingRepeat < maxUint32) {
        ++pendingRepeat;
        return;
    }
    flushToken();
    pendingToken = token;
    pendingRepeat = 1;
}

void DemoWriter::flushToken() {
    if (pendingRepeat == 0) {
        return;
    }
    std::string out = lineStarted ? " " : "";
    out += pendingToken;
    if (pendingRepeat > 1) {
        out.append("*").append(std::to_string(pendingRepeat));
    }
    emit(out);
    lineStarted = true;
    pendingRepeat = 0;
}

void DemoWriter::emit(std::string_view piece) {
    checksum.add(piece.data(), piece.size());
    text += piece;
}
