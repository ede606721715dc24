// Demos: the file format's refusal of damaged bytes, a scripted game that replays into the very
// state it was recorded in, replays that leave the demo, and the state hash's reach.
#include "app/game_loop.h"
#include "app/state_hash.h"
#include "core/fnv_hash.h"
#include "demo/demo_format.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "platform/virtual_platform.h"
#include "support/game_fixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The demo without its end line, as lines.
std::vector<std::string> unsealed(const std::string& demo) {
    std::vector<std::string> lines;
    std::istringstream stream(demo);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    lines.pop_back();
    return lines;
}

// A demo of the given header and read lines with a correct end line.
std::string sealed(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    Fnv64 checksum;
    checksum.add(text.data(), text.size());
    return text + "end " + std::to_string(lines.size() - 4) + " " + hexHash(checksum.value) + "\n";
}

// A key press with a modifier (Alt+Enter switches full screen), a pointer move, one without a
// modifier, a focus change, a click, and the pad's stick at its far end, its d-pad, a button
// pressed and one let go.
std::vector<SDL_Event> someEvents() {
    std::vector<SDL_Event> events{keyPressEvent(SDLK_RETURN), SDL_Event{}, keyPressEvent(SDLK_a)};
    events.emplace_back().active = SDL_ActiveEvent{SDL_ACTIVEEVENT, 1, SDL_APPINPUTFOCUS};
    events.emplace_back().button =
        SDL_MouseButtonEvent{SDL_MOUSEBUTTONDOWN, 0, 1, SDL_PRESSED, 40, 50};
    events.push_back(padAxisEvent(1, -32768));
    events.push_back(padHatEvent(SDL_HAT_LEFTDOWN));
    events.push_back(padButtonEvent(255, true));
    events.push_back(padButtonEvent(6, false));
    events[0].key.keysym.mod = KMOD_LALT;
    SDL_MouseMotionEvent& motion = events[1].motion;
    motion.type = SDL_MOUSEMOTION;
    motion.state = 1;
    motion.x = 20;
    motion.y = 30;
    motion.xrel = -5;
    motion.yrel = 7;
    return events;
}

// A small demo holding a read of each kind: clock steps (one wrapping back), held keys, the
// pointer, events, and a run of identical reads.
std::string everyKindOfRead() {
    DemoWriter writer(0x0123456789abcdefull, 42);
    for (Uint32 ticks : {1000u, 1000u, 1028u}) {
        writer.clock(ticks);
    }
    Uint8 keys[SDLK_LAST] = {};
    keys[SDLK_UP] = keys[SDLK_SPACE] = 1;
    writer.keys(keys, SDLK_LAST);
    writer.pointer(799, 599, 1);
    writer.present();
    for (const SDL_Event& event : someEvents()) {
        writer.event(&event, 1);
    }
    for (int i = 0; i < 3; ++i) {
        writer.event(nullptr, 0);
    }
    writer.present();
    writer.clock(999);
    writer.finish();
    return writer.takeText();
}

} // namespace

TEST(DemoFormat, EventsComeBackAsWritten) {
    // The text itself: old demos must stay readable, so the writer's tokens never change.
    EXPECT_EQ(
        std::vector<std::string>(unsealed(everyKindOfRead())),
        (std::vector<std::string>{
            "tamberlo-demo 1", "levels 0123456789abcdef", "seed 42",
            "t1000 t0 t28 k32,273 m799,599,1",
            "d13,256 v20,30,1,-5,7 d97 a1,2 b1,40,50 j1,-32768 h0,12 g255 l6 n*3", "t4294967267"}));
    const DemoParse parsed = parseDemo(everyKindOfRead());
    ASSERT_TRUE(parsed.demo) << parsed.error;
    std::vector<SDL_Event> back;
    for (const DemoRead& read : parsed.demo->reads) {
        if (isEventTag(read.tag) && read.tag != DemoTag::NoEvent &&
            read.tag != DemoTag::EventWaiting) {
            back.push_back(eventFromRead(read));
        }
    }
    const std::vector<SDL_Event> events = someEvents();
    ASSERT_EQ(back.size(), events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(std::memcmp(&back[i], &events[i], sizeof back[i]), 0) << "event " << i;
    }
}

// Each token's values at the edges of their ranges, one beyond, one value too few and one too
// many; repeat counts, held keys, the seed and the end line's count at theirs; a number with
// anything after it.
TEST(DemoFormat, EveryValueIsReadUpToItsEdgesAndNotBeyond) {
    const auto parses = [](const std::string& line, const char* seed = "1") {
        return parseDemo(sealed({"tamberlo-demo 1", "levels 0000000000000000",
                                 std::string("seed ") + seed, line}))
            .demo.has_value();
    };
    struct Shape {
        char letter;
        size_t minCount;
        std::vector<int64_t> low, high;
    };
    const int64_t lastKey = SDLK_LAST - 1;
    const Shape shapes[] = {{'t', 1, {0}, {4294967295}},
                            {'m', 3, {0, 0, 0}, {65535, 65535, 255}},
                            {'n', 0, {}, {}},
                            {'w', 0, {}, {}},
                            {'q', 0, {}, {}},
                            {'d', 1, {0, 0}, {lastKey, 65535}},
                            {'u', 1, {0, 0}, {lastKey, 65535}},
                            {'b', 3, {0, 0, 0}, {255, 65535, 65535}},
                            {'r', 3, {0, 0, 0}, {255, 65535, 65535}},
                            {'v', 5, {0, 0, 0, -32768, -32768}, {65535, 65535, 255, 32767, 32767}},
                            {'a', 2, {0, 0}, {255, 255}},
                            {'j', 2, {0, -32768}, {255, 32767}},
                            {'h', 2, {0, 0}, {255, 15}},
                            {'g', 1, {0}, {255}},
                            {'l', 1, {0}, {255}},
                            {'o', 1, {0}, {255}}};
    const auto token = [](char letter, const std::vector<int64_t>& values) {
        std::string text(1, letter);
        for (size_t i = 0; i < values.size(); ++i) {
            text += i == 0 ? "" : ",";
            text += std::to_string(values[i]);
        }
        return text;
    };
    for (const Shape& shape : shapes) {
        const std::vector<int64_t> fewest(shape.low.begin(), shape.low.begin() + shape.minCount);
        EXPECT_TRUE(parses(token(shape.letter, shape.low))) << token(shape.letter, shape.low);
        EXPECT_TRUE(parses(token(shape.letter, shape.high))) << token(shape.letter, shape.high);
        EXPECT_TRUE(parses(token(shape.letter, fewest))) << token(shape.letter, fewest);
        for (size_t i = 0; i < shape.low.size(); ++i) {
            std::vector<int64_t> below = shape.low, above = shape.high;
            --below[i];
            ++above[i];
            EXPECT_FALSE(parses(token(shape.letter, below))) << token(shape.letter, below);
            EXPECT_FALSE(parses(token(shape.letter, above))) << token(shape.letter, above);
        }
        std::vector<int64_t> tooMany = shape.high;
        tooMany.push_back(0);
        EXPECT_FALSE(parses(token(shape.letter, tooMany))) << token(shape.letter, tooMany);
        if (shape.minCount > 0) {
            EXPECT_FALSE(parses(token(shape.letter, {fewest.begin(), fewest.end() - 1})))
                << shape.letter << " with a value too few";
        }
    }
    const std::string keys = "k" + std::to_string(lastKey),
                      tooFar = "k" + std::to_string(lastKey + 1);
    for (const std::string& good : {std::string("k"), std::string("k0,1"), keys, std::string("n*2"),
                                    std::string("n*4294967295")}) {
        EXPECT_TRUE(parses(good)) << good;
    }
    for (const std::string& bad :
         {tooFar, std::string("k-1"), std::string("n*1"), std::string("n*4294967296"),
          std::string("n*"), std::string("t1x"), std::string("t+1"), std::string("t 1"),
          std::string("x1")}) {
        EXPECT_FALSE(parses(bad)) << bad;
    }
    EXPECT_TRUE(parses("n", "0") && parses("n", "4294967295"));
    EXPECT_FALSE(parses("n", "4294967296"));
    // The end line counts the presents: one line fewer or more than it says is no demo.
    const std::string demo =
        sealed({"tamberlo-demo 1", "levels 0000000000000000", "seed 1", "n", "n"});
    ASSERT_TRUE(parseDemo(demo).demo);
    for (const char* count : {"end 0 ", "end 2 "}) {
        std::string wrong = demo;
        wrong.replace(wrong.find("end 1 "), 6, count);
        EXPECT_FALSE(parseDemo(wrong).demo) << count;
    }
}

TEST(DemoFormat, AnyChangedByteAnyCutAndGarbageAreRefusedWithAMessage) {
    const std::string demo = everyKindOfRead();
    for (size_t at = 0; at < demo.size(); ++at) {
        for (int flip : {0x01, 0x20, 0x80}) {
            std::string changed = demo;
            changed[at] = static_cast<char>(changed[at] ^ flip);
            const DemoParse parsed = parseDemo(changed);
            EXPECT_FALSE(parsed.demo) << "byte " << at << " changed by " << flip;
            EXPECT_FALSE(parsed.error.empty());
        }
    }
    for (size_t length = 0; length < demo.size(); ++length) {
        const DemoParse parsed = parseDemo(std::string_view(demo).substr(0, length));
        EXPECT_FALSE(parsed.demo) << "cut to " << length;
    }
    EXPECT_TRUE(contains(parseDemo(demo.substr(0, demo.size() / 2)).error, "truncated"));
    std::string body = demo;
    body[demo.find("k32,273")] = 'm';
    EXPECT_TRUE(contains(parseDemo(body).error, "checksum"));
    EXPECT_TRUE(contains(parseDemo("tamberlo-demo 2\n").error, "version 2"));

    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string garbage(random() % 300, '\0');
        for (char& byte : garbage) {
            byte = static_cast<char>(random());
        }
        EXPECT_TRUE(contains(parseDemo(garbage).error, "not a Tamberlo Adventure demo"));
        EXPECT_FALSE(parseDemo("tamberlo-demo 1\n" + garbage).demo);
    }
}

class DemoTest : public GameTest {
  protected:
    void TearDown() override { std::remove(path.c_str()); }

    // A short game: PLAY in the menu, walking right and up, a warp, a pause, a bomb key,
    // a give-up, then quit.
    static void scriptShortGame() {
        scripted::script.msPerPresent = 3;
        scripted::movePointer(80, 550);
        scripted::holdLeftButton(true);
        scripted::afterPresents(2, [] {
            scripted::holdLeftButton(false);
            scripted::holdKey(SDLK_RIGHT, true);
        });
        scripted::afterPresents(40, [] { scripted::pressKey(SDLK_z); });
        scripted::afterPresents(60, [] {
            scripted::holdKey(SDLK_RIGHT, false);
            scripted::holdKey(SDLK_UP, true);
            scripted::pressKey(SDLK_p);
        });
        scripted::afterPresents(70, [] { scripted::pressKey(SDLK_p); });
        scripted::afterPresents(80, [] { scripted::pressKey(SDLK_SPACE); });
        scripted::afterPresents(100, [] { scripted::pressKey(SDLK_k); });
        scripted::afterPresents(220, [] { scripted::queueQuit(); });
    }

    // Replays demo text from a fresh game; the summary line, or why the replay stopped.
    std::string replay(const std::string& text) {
        startHeadlessGame(); // the game before this one was shut down
        resetGameState();
        DemoParse parsed = parseDemo(text);
        if (!parsed.demo) {
            return "refused: " + parsed.error;
        }
        startReplay(std::move(*parsed.demo), false);
        std::string summary;
        try {
            startGame();
            runFrames();
            summary = stateSummary("game", replayedFrames());
            finishReplay();
        } catch (const DemoDivergence& divergence) {
            summary = std::string("diverged: ") + divergence.what();
        }
        shutdownGame();
        return summary;
    }

    // Of this process: the suite may run twice at once (two build trees).
    std::string path = ::testing::TempDir() + "scripted-" + std::to_string(getpid()) + ".demo";
};

TEST_F(DemoTest, AReplayEndsInTheRecordedStateAndStopsWhereTheGameLeavesTheDemo) {
    ASSERT_EQ(startRecording(path, 5, levelFilesHash()), "");
    scriptShortGame();
    startGame();
    runFrames();
    const uint32_t frames = recordedFrames();
    const std::string recorded = stateSummary("game", frames);
    ASSERT_EQ(finishRecording(), "");
    shutdownGame();
    // The game got past the menu, warped, and gave up a life; the quit came after present 220
    // and that frame ran to its end.
    EXPECT_EQ(levelNumber, 1);
    EXPECT_EQ(player.warps, 2);
    EXPECT_EQ(player.lives, 2);
    EXPECT_EQ(frames, 221u);
    std::ifstream file(path, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(file), {});

    EXPECT_EQ(replay(text), recorded) << text.substr(0, 400);

    // Cut after frame 150 and sealed again: the game asks for more than the demo holds.
    std::vector<std::string> lines = unsealed(text);
    lines.resize(3 + 151);
    EXPECT_EQ(replay(sealed(lines)), "diverged: the demo ran out: the game asked for a present "
                                     "in frame 151 after the demo's last read");

    // A quit slipped into frame 150: the game ends while the demo goes on.
    lines = unsealed(text);
    std::string& frame150 = lines[3 + 149];
    const size_t noEvent = (" " + frame150 + " ").find(" n ");
    ASSERT_NE(noEvent, std::string::npos) << frame150;
    frame150.insert(noEvent, "q ");
    EXPECT_TRUE(contains(replay(sealed(lines)), "the game ended after 150 frames"));

    // Another seed warps the player elsewhere: the replay cannot end in the same state.
    lines = unsealed(text);
    lines[2] = "seed 6";
    EXPECT_NE(replay(sealed(lines)), recorded);
}

// A replay in a window keeps the recorded clock's pace; a headless one does not wait.
TEST_F(DemoTest, OnlyARealtimeReplayWaitsForTheRecordedClock) {
    for (bool realtime : {false, true}) {
        Demo demo;
        demo.reads = {{DemoTag::Clock, 1, {1000}}, {DemoTag::Clock, 1, {300}}};
        startReplay(demo, realtime);
        const auto began = std::chrono::steady_clock::now();
        EXPECT_EQ(platform.getTicks() + platform.getTicks(), 2300u);
        const auto waited = std::chrono::steady_clock::now() - began;
        finishReplay();
        EXPECT_EQ(waited >= std::chrono::milliseconds(290), realtime);
    }
}

TEST_F(DemoTest, TheStateHashSeesEveryPartOfTheGameState) {
    resetGameState();
    bombSites.push_back(BombSite{64, 96, 64, 96, Lying});
    for (int32_t* field : {&mazeGrid.cells[mazeCells - 1],
                           &player.x,
                           &player.y,
                           &player.direction,
                           &player.state,
                           &player.stateTimer,
                           &player.restoreState,
                           &player.score,
                           &player.lives,
                           &player.bombs,
                           &player.warps,
                           &player.animFrame,
                           &yellowEnemy.y,
                           &yellowEnemy.phaseCounter,
                           &bombSites.back().state,
                           &bombSites.back().x,
                           &bombSites.back().originY,
                           &levelNumber,
                           &ediblesLeft,
                           &levelSeconds,
                           &punchedFrames,
                           &multiKillCounter,
                           &explosionFrame,
                           &frontEnd.bannerFramesLeft}) {
        const uint64_t before = gameStateHash();
        ++*field;
        EXPECT_NE(gameStateHash(), before) << "field " << field;
        --*field;
        EXPECT_EQ(gameStateHash(), before);
    }
    const uint64_t before = gameStateHash();
    bombSites.push_back(BombSite{});
    EXPECT_NE(gameStateHash(), before);
}
