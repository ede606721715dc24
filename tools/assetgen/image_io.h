// Writing pictures in the three formats the game reads.
#pragma once

#include "image.h"

#include <string>

// Each writer creates missing folders and throws std::runtime_error when the file cannot be
// written, so a broken build never leaves half a set of pictures behind unnoticed.
void writeBmp(const Image& img, const std::string& path);
void writePng(const Image& img, const std::string& path);
void writeJpeg(const Image& img, const std::string& path);
