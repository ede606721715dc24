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
