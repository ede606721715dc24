// Texts of the screens, kept in a small text file beside the art so wording can change freely.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// A file of "[section]" headers followed by lines "left | right" (or plain lines).
using PageRows = std::vector<std::pair<std::string, std::string>>;
using PageText = std::map<std::string, PageRows>;

PageText loadPageText(const std::string& path);

// The text without the blanks around it.
std::string trimmedText(const std::string& s);

// The text with each "{name}" replaced by the number the table gives that name, so a page states
// the game's own numbers; a name the table lacks, or a brace left open, is an error.
std::string filledText(const std::string& text, const std::map<std::string, int>& numbers);
