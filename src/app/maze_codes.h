// Mazes given as share codes (--maze CODE, or --levels FILE of codes one a line): turned into
// level files of a folder of their own, which is then played as any set of mazes.
#pragma once

#include <string>
#include <vector>

// Writes the mazes of the codes as level1.txt ... levelN.txt into a new temporary folder and
// returns its path, or "" after saying on standard error what is wrong with which maze (a code
// that does not decode, a map that does not convert, more mazes than a set holds).
std::string levelsFromCodes(const std::string& codes);

// Writes level texts as level1.txt ... levelN.txt into a new temporary folder and returns its
// path, or "" after saying on standard error what could not be made or written.
std::string writeLevelFolder(const std::vector<std::string>& levels);

// The codes of a file that holds one a line (blank lines skipped), joined as one text; false when
// the file cannot be read or is not such a file.
bool readCodeFile(const std::string& path, std::string& codes);

// Removes the folder levelsFromCodes made, with its files.
void removeCodeLevels(const std::string& folder);
