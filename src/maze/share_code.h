// The share codes of mazes: "T1." and then the base64url (RFC 4648 section 5, no padding) of the
// raw DEFLATE of the maze's map text, its 18 lines of 25 characters each ended by "\n". Several
// mazes are joined by "~" in the order they are played.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The code of one maze's map text.
std::string mazeCode(std::string_view mapText);

struct MazeCodes {
    std::vector<std::string> mapTexts; // one a maze, in order, when error is empty
    std::string error;                 // what is wrong with the first bad code
};

// Reads codes joined by "~" (white space around the whole ignored). Each must be of version 1,
// decode, and inflate to 18 lines of 25 characters; whether that map is a maze that can be
// played is for the map converter and the level checks to say.
MazeCodes readMazeCodes(std::string_view codes);
