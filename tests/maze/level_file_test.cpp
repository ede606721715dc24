// Reading level files: layout-free whitespace, extra and missing values, bad tokens and a
// missing file.
#include "maze/maze_grid.h"
#include "support/game_fixture.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// What the maze holds before a read, so that cells a read leaves alone can be told apart.
constexpr int32_t oldCode = 21;

// A value for each cell that differs from its neighbours and from oldCode.
int32_t valueFor(int32_t cell) {
    return cell % 19 - 3;
}

class LevelFileTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        path = "/tmp/tamberlo_level_" + std::to_string(getpid()) + ".txt";
        mazeGrid.cells.fill(oldCode);
    }
    void TearDown() override { std::remove(path.c_str()); }

    // Writes count values of valueFor, separated by the given separator every perLine values.
    void writeValues(int32_t count, int32_t perLine, const std::string& tail = "") {
        std::ofstream out(path);
        for (int32_t cell = 0; cell < count; ++cell) {
            out << valueFor(cell) << ((cell + 1) % perLine == 0 ? "\n" : " \t ");
        }
        out << tail;
    }

    // Reads the file and returns what it printed on standard error.
    std::string read() {
        testing::internal::CaptureStderr();
        readResult = readLevelFile(path);
        return testing::internal::GetCapturedStderr();
    }

    void expectNewValuesBefore(int32_t firstKept) {
        for (int32_t cell = 0; cell < mazeCells; ++cell) {
            EXPECT_EQ(mazeGrid.cells[cell], cell < firstKept ? valueFor(cell) : oldCode) << cell;
        }
    }

    std::string path;
    bool readResult = false;
};

TEST_F(LevelFileTest, AShortFileFillsTheFirstRowsAndIsReported) {
    writeValues(400, mazeColumns);
    const std::string report = read();
    expectNewValuesBefore(400);
    EXPECT_EQ(mazeGrid.at(15, 24), valueFor(399));
    EXPECT_EQ(mazeGrid.at(16, 0), oldCode);
    EXPECT_NE(report.find(path), std::string::npos) << report;
    EXPECT_NE(report.find("400"), std::string::npos) << report;
}

TEST_F(LevelFileTest, AMissingFileOrOneWithoutACellChangesNothingAndIsReported) {
    {
        std::ofstream out(path);
        out << "x1 2 3\n";
    }
    EXPECT_NE(read().find(path), std::string::npos);
    EXPECT_FALSE(readResult);
    expectNewValuesBefore(0);

    const std::string missing = path + ".missing";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(readLevelFile(missing));
    const std::string report = testing::internal::GetCapturedStderr();
    expectNewValuesBefore(0);
    EXPECT_NE(report.find(missing + "\": No such file or directory"), std::string::npos) << report;

    // A fresh game has an all-open maze, and a missing file leaves it so.
    mazeGrid = MazeGrid{};
    testing::internal::CaptureStderr();
    readLevelFile(missing);
    testing::internal::GetCapturedStderr();
    for (int32_t code : mazeGrid.cells) {
        ASSERT_EQ(code, Open);
    }
}

} // namespace
