// The demo file: every read the game made through its platform seam, one line per presented
// picture, in a small text format with a checksum. Reading is a pure function over bytes.
//
//   tamberlo-demo 1                 format version
//   levels 0123456789abcdef         levelFilesHash() of the levels it was played on
//   seed 1                          the random draws' seed (1: as if never seeded)
//   t1000 m400,300,0*2 n            the reads up to the first present, one token each
//   ...                             one line per present; the last line holds the reads after
//   t28 t1                          the last present
//   end 1234 0123456789abcdef       the number of presents and a checksum of all lines above
//
// Tokens, each optionally followed by *N for N identical reads in a row:
//   tD        the clock, D milliseconds after the previous clock reading (the first: after 0)
//   kA,B,...  the held keys (key codes; a bare k when none is held)
//   mX,Y,B    the pointer and its button bits
//   n         no event waiting; w an event waiting (a peek without taking it)
//   q quit, dS[,M] key down, uS[,M] key up (key code S, modifiers M), bB,X,Y button down,
//   rB,X,Y button up, vX,Y,S,DX,DY pointer motion, aG,S focus, jA,V the pad's axis A moved to V,
//   hH,V the pad's hat H now at V, gB pad button B pressed, lB pad button B let go, oT any
//   other event type T.
#pragma once

#include <SDL.h>

#include "core/fnv_hash.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr int demoFormatVersion = 1;

enum class DemoTag : char {
    Clock = 't',
    Keys = 'k',
    Pointer = 'm',
    NoEvent = 'n',
    EventWaiting = 'w',
    Quit = 'q',
    KeyDown = 'd',
    KeyUp = 'u',
    ButtonDown = 'b',
    ButtonUp = 'r',
    Motion = 'v',
    Focus = 'a',
    PadAxis = 'j',
    PadHat = 'h',
    PadButtonDown = 'g',
    PadButtonUp = 'l',
    OtherEvent = 'o',
    // Not a token: the end of a line, where the game presented a picture.
    Present = '\n',
};

// One read, or a run of identical reads. A clock read holds its step from the reading before;
// a Keys read points into Demo::heldKeys with values[0] (first) and values[1] (count).
struct DemoRead {
    DemoTag tag = DemoTag::Present;
    uint32_t repeat = 1;
    int64_t values[5] = {};
};

struct Demo {
    uint64_t levelHash = 0;
    uint32_t seed = 1;
    uint32_t presents = 0;
    std::vector<DemoRead> reads;
    std::vector<uint16_t> heldKeys;
};

struct DemoParse {
    std::optional<Demo> demo;
    // Why the bytes are no demo this game can replay, when demo is empty.
    std::string error;
};

DemoParse parseDemo(std::string_view bytes);

// Whether a read is one of the event tokens a poll of the event queue can give.
bool isEventTag(DemoTag tag);

// An event as a read, and back. Only the fields the tokens hold survive; the rest are zero.
DemoRead eventRead(const SDL_Event& event);
SDL_Event eventFromRead(const DemoRead& read);

// Writes the demo text: the header, then tokens with runs of identical reads folded, one line
// per present, then the end line with the checksum. Text is taken out in pieces with takeText.
class DemoWriter {
  public:
    DemoWriter(uint64_t levelHash, uint32_t seed);

    void clock(Uint32 ticks);
    void keys(const Uint8* state, int count);
    void pointer(int x, int y, Uint8 buttons);
    void event(const SDL_Event* event, int result);
    void present();
    // Ends the text with the last line and the end line.
    void finish();

    // The text written since the last call.
    std::string takeText();
    uint32_t presents() const { return presentCount; }

  private:
    void token(const char* text);
    void flushToken();
    void emit(std::string_view text);

    std::string pendingToken;
    uint32_t pendingRepeat = 0;
    bool lineStarted = false;
    Uint32 lastClock = 0;
    uint32_t presentCount = 0;
    Fnv64 checksum;
    std::string text;
};
