// The mazes' share codes: the shipped maps come back byte for byte, alone and joined, and every
// kind of bad code is refused with its reason, naming which maze of several.
#include "maze/deflate.h"
#include "maze/share_code.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string shippedMap(int level) {
    std::ifstream in(std::string(TAMBERLO_SOURCE_DIR) + "/data/levels/src/level" +
                     std::to_string(level) + ".map");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string errorOf(const std::string& codes) {
    const MazeCodes read = readMazeCodes(codes);
    EXPECT_TRUE(read.mapTexts.empty()) << codes;
    return read.error;
}

TEST(ShareCode, TheShippedMapsComeBackByteForByteAloneAndJoined) {
    std::string joined;
    for (int level = 1; level <= 5; ++level) {
        const std::string map = shippedMap(level);
        ASSERT_EQ(map.size(), 18u * 26u);
        const std::string code = mazeCode(map);
        EXPECT_EQ(code.substr(0, 3), "T1.");
        EXPECT_EQ(code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                         "0123456789-_",
                                         3),
                  std::string::npos);
        EXPECT_EQ(readMazeCodes(code).mapTexts, std::vector<std::string>{map});
        joined += (level == 1 ? "" : "~") + code;
    }
    const MazeCodes all = readMazeCodes(" \n" + joined + "\r\n");
    ASSERT_EQ(all.mapTexts.size(), 5u) << all.error;
    EXPECT_EQ(all.mapTexts[4], shippedMap(5));
}

TEST(ShareCode, BadCodesAreRefusedWithTheirReason) {
    const std::string good = mazeCode(shippedMap(1));
    EXPECT_EQ(errorOf(""), "maze 1: not a Tamberlo Adventure maze code");
    EXPECT_EQ(errorOf("https://example.org"), "maze 1: not a Tamberlo Adventure maze code");
    // Another version is a T, its number of up to six characters and the dot.
    const std::string newer = "maze 1: a maze code of another version than T1 (a newer game's?)";
    for (const std::string& other :
         {"T2." + good.substr(3), std::string("T2."), std::string("T234567.")}) {
        EXPECT_EQ(errorOf(other), newer) << other;
    }
    EXPECT_EQ(errorOf("T2345678."), "maze 1: not a Tamberlo Adventure maze code");
    const std::string damaged = "maze 1: the code is damaged or cut short";
    for (const std::string& bad :
         {good.substr(0, good.size() - 6), good + "A", good + "AAAA", "T1.!" + good.substr(4),
          std::string("T1.AAAA"), std::string("T1.")}) {
        EXPECT_EQ(errorOf(bad), damaged) << bad;
    }
    // The last character's unused bits must be zero: one code, one spelling.
    std::string spelt = good;
    const char last = spelt.back();
    spelt.back() = last == '_' ? '-' : static_cast<char>(last + 1);
    EXPECT_NE(readMazeCodes(spelt).mapTexts, std::vector<std::string>{shippedMap(1)});
    // Text that inflates to something else than 18 lines of 25 characters.
    const std::string map = shippedMap(1);
    EXPECT_EQ(errorOf(mazeCode(map.substr(0, map.size() - 26))),
              "maze 1: not a maze map: it holds 17 lines, not 18");
    EXPECT_EQ(errorOf(mazeCode(map.substr(0, map.size() - 1))),
              "maze 1: not a maze map: its last line has no end");
    EXPECT_EQ(errorOf(mazeCode("#" + map.substr(0, map.size() - 1))),
              "maze 1: not a maze map: line 1 is not 25 characters long");
    EXPECT_EQ(errorOf(mazeCode(map + map)), damaged) << "too long to be a map";
    EXPECT_EQ(errorOf(good + "~" + good + "~"), "maze 3: not a Tamberlo Adventure maze code");
}

TEST(ShareCode, InflatingStopsAtItsLimitAndRefusesWhatFollowsTheStream) {
    std::string text;
    EXPECT_TRUE(inflateRaw(deflateRaw("four"), 4, text));
    EXPECT_EQ(text, "four");
    EXPECT_FALSE(inflateRaw(deflateRaw("fives"), 4, text));
    EXPECT_FALSE(inflateRaw(deflateRaw("four") + "x", 4, text));
}

} // namespace
