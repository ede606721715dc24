// Picture loading refuses what the drawing cannot rely on: a picture of another size, or a file
// cut short, is reported with its path and never handed out.
#include "assets/image_loader.h"
#include "support/game_fixture.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// Loads a picture expecting a tile and returns what was reported on standard error.
std::string loadReport(const std::string& path, SDL_Surface*& picture) {
    testing::internal::CaptureStderr();
    picture = loadImage(path.c_str(), tilePicture);
    return testing::internal::GetCapturedStderr();
}

TEST_F(GameTest, PicturesOfAnotherSizeOrCutShortAreRefusedAndReported) {
    const std::string path = "/tmp/tamberlo_picture_" + std::to_string(getpid()) + ".bmp";
    SDL_Surface* picture = nullptr;
    EXPECT_EQ(loadReport("images/player/E0.bmp", picture), "");
    ASSERT_NE(picture, nullptr);
    releaseSurface(picture);

    SDL_Surface* small = SDL_CreateRGBSurface(SDL_SWSURFACE, 16, 24, 32, 0, 0, 0, 0);
    ASSERT_EQ(SDL_SaveBMP(small, path.c_str()), 0);
    SDL_FreeSurface(small);
    std::string report = loadReport(path, picture);
    EXPECT_EQ(picture, nullptr);
    EXPECT_NE(report.find(path), std::string::npos) << report;
    EXPECT_NE(report.find("16 x 24"), std::string::npos) << report;
    // A PNG's size is read from its header, before any decoding: a huge one is never decoded.
    std::ifstream png("images/options.png", std::ios::binary);
    std::string huge{std::istreambuf_iterator<char>(png), std::istreambuf_iterator<char>()};
    huge.replace(16, 8, std::string("\x01\x02\x03\x04\0\0\x75\x30", 8));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << huge;
    report = loadReport(path, picture);
    EXPECT_NE(report.find("it is 16909060 x 30000 pixels, 32 x 32 expected"), std::string::npos)
        << report;

    std::ifstream in("images/player/E0.bmp", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Rows stored top-down (a negative height) are the same size.
    std::string topDown = bytes;
    const Sint32 height = -tileSize;
    std::memcpy(topDown.data() + 22, &height, sizeof height);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << topDown;
    EXPECT_EQ(loadReport(path, picture), "");
    EXPECT_NE(picture, nullptr);
    releaseSurface(picture);
    for (size_t cut : {size_t{20}, size_t{100}, bytes.size() - 1}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, cut);
        report = loadReport(path, picture);
        EXPECT_EQ(picture, nullptr) << cut;
        EXPECT_NE(report.find(path), std::string::npos) << cut;
        releaseSurface(picture);
    }
    std::remove(path.c_str());
}

// A file that cannot be opened is told from an empty one, with SDL's wording of why.
TEST(ReadWholeFile, AMissingFileIsNoFileAtAll) {
    std::vector<Uint8> bytes{1, 2};
    EXPECT_FALSE(readWholeFile("no/such/picture.bmp", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_STREQ(SDL_GetError(), "Couldn't open no/such/picture.bmp");
}

} // namespace
