// The command line's demo FILE: named from the directory the player started the command in,
// which the installed launcher hands over while the game runs from its data directory.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Parses the words as the command line after the program's name.
CommandLine parse(std::vector<std::string> words) {
    std::vector<char*> argv{const_cast<char*>("tamberlo-adventure")};
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

class StartDirectory : public ::testing::Test {
  protected:
    void TearDown() override { unsetenv("TAMBERLO_START_DIR"); }
};

TEST_F(StartDirectory, RelativeDemoFilesAreTakenFromWhereTheCommandStarted) {
    setenv("TAMBERLO_START_DIR", "/home/player/games", 1);
    const CommandLine replay = parse({"--replay", "my.demo", "--pictures"});
    EXPECT_EQ(replay.action, CommandLine::Replay);
    EXPECT_EQ(replay.demoPath, "/home/player/games/my.demo");
    EXPECT_TRUE(replay.pictures);
    EXPECT_EQ(parse({"--record", "demos/mine.demo"}).demoPath,
              "/home/player/games/demos/mine.demo");
    EXPECT_EQ(parse({"--levels", "mazes", "--replay", "a.demo"}).levelsDir,
              "/home/player/games/mazes");
    // A directory given with its slash gets no second one.
    setenv("TAMBERLO_START_DIR", "/", 1);
    EXPECT_EQ(parse({"--record", "mine.demo"}).demoPath, "/mine.demo");
}

TEST_F(StartDirectory, AbsolutePathsAndAnUnsetOrEmptyDirectoryLeaveTheFileAsGiven) {
    setenv("TAMBERLO_START_DIR", "/home/player", 1);
    EXPECT_EQ(parse({"--replay", "/tmp/other.demo"}).demoPath, "/tmp/other.demo");
    setenv("TAMBERLO_START_DIR", "", 1);
    EXPECT_EQ(parse({"--replay", "my.demo"}).demoPath, "my.demo");
    unsetenv("TAMBERLO_START_DIR");
    EXPECT_EQ(parse({"--record", "../my.demo"}).demoPath, "../my.demo");
}

} // namespace
