// The controls table: every command has one row, no key or button gives two commands where both
// count, and the controls page, the README and the manual page list exactly its keys and buttons.
#include "platform/controls.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int commandCount = static_cast<int>(Command::FullScreen) + 1;

bool isWalk(Command command) {
    return command <= Command::WalkEast;
}

// The distinct names of a row's keys (or, with altToo false, of those that need no Alt), joined
// as the documents join them: "Enter or Space".
std::string keyNames(const Control& control, bool altToo = true) {
    std::vector<std::string> names;
    for (const KeyBinding& binding : control.keys) {
        const std::string name = binding.name;
        if (binding.key != SDLK_UNKNOWN && (altToo || !binding.withAlt) &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : " or ") + name;
    }
    return joined;
}

std::string buttonNames(const Control& control) {
    std::string joined;
    for (int button : control.padButtons) {
        if (button != noButton) {
            joined += (joined.empty() ? "" : " or ") + std::string(buttonName(button));
        }
    }
    return joined;
}

std::vector<std::string> linesOf(const std::string& relativePath) {
    std::ifstream in(std::string(TAMBERLO_SOURCE_DIR) + "/" + relativePath);
    EXPECT_TRUE(in.good()) << relativePath;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Splits "a | b | c" (or "| a | b | c |") into its trimmed cells.
std::vector<std::string> cellsOf(std::string row) {
    if (!row.empty() && row.front() == '|') {
        row = row.substr(1);
    }
    std::vector<std::string> cells;
    std::stringstream in(row);
    for (std::string cell; std::getline(in, cell, '|');) {
        cells.push_back(trimmed(cell));
    }
    return cells;
}

using Rows = std::set<std::pair<std::string, std::string>>;

// The (keys, buttons) rows a document lists: the four ways of walking share one row, named
// with walkKeys and walkButtons; with playOnly the menus' commands are left out.
Rows expectedRows(const std::string& walkKeys, const std::string& walkButtons, bool playOnly,
                  bool altToo, const std::string& noButtons) {
    Rows rows;
    for (const Control& control : controls) {
        if (isWalk(control.command)) {
            rows.insert({walkKeys, walkButtons});
        } else if (!playOnly || control.where != Control::OnMenus) {
            const std::string buttons = buttonNames(control);
            rows.insert({keyNames(control, altToo), buttons.empty() ? noButtons : buttons});
        }
    }
    return rows;
}

// The entries of a manual page section: the bold words after each .TP, with ".BR A " or " B"
// read as "A or B".
std::vector<std::string> manEntries(const std::vector<std::string>& lines,
                                    const std::string& section) {
    std::vector<std::string> entries;
    bool inside = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(".SH ", 0) == 0) {
            inside = lines[i] == ".SH " + section;
        } else if (inside && lines[i] == ".TP" && i + 1 < lines.size()) {
            std::string entry = lines[i + 1].substr(lines[i + 1].find(' ') + 1);
            for (size_t quoted; (quoted = entry.find("\" or \"")) != std::string::npos;) {
                entry.replace(quoted, 6, "or");
            }
            entries.push_back(entry);
        }
    }
    return entries;
}

} // namespace

TEST(Controls, EveryCommandHasOneRowAndNoPressGivesTwoCommandsWhereBothCount) {
    std::vector<int> rows(commandCount, 0);
    for (const Control& control : controls) {
        ++rows[static_cast<int>(control.command)];
        EXPECT_FALSE(keyNames(control).empty()) << static_cast<int>(control.command);
    }
    for (int command = 0; command < commandCount; ++command) {
        EXPECT_EQ(rows[command], 1) << "command " << command;
    }
    for (Control::Where where : {Control::InPlay, Control::OnMenus}) {
        std::set<std::pair<SDLKey, bool>> keys;
        std::set<int> buttons;
        for (const Control& control : controls) {
            if (control.where != where && control.where != Control::Everywhere) {
                continue;
            }
            for (const KeyBinding& binding : control.keys) {
                if (binding.key != SDLK_UNKNOWN) {
                    EXPECT_TRUE(keys.insert({binding.key, binding.withAlt}).second)
                        << binding.name << " gives two commands";
                }
            }
            for (int button : control.padButtons) {
                if (button != noButton) {
                    EXPECT_TRUE(buttons.insert(button).second)
                        << buttonName(button) << " gives two commands";
                }
            }
        }
    }
}

TEST(Controls, KeysAndButtonsGiveTheirCommandsAndAltEnterOnlyFullScreen) {
    SDL_keysym key{};
    key.sym = SDLK_RETURN;
    EXPECT_TRUE(keyGives(Command::Confirm, key));
    EXPECT_FALSE(keyGives(Command::FullScreen, key));
    key.mod = KMOD_RALT;
    EXPECT_TRUE(keyGives(Command::FullScreen, key));
    key.sym = SDLK_q;
    EXPECT_TRUE(keyGives(Command::Quit, key));
    EXPECT_FALSE(keyGives(Command::Pause, key));

    SDL_Event press{};
    press.type = SDL_JOYBUTTONDOWN;
    press.jbutton.button = PadStart;
    EXPECT_TRUE(eventGives(Command::Pause, press));
    EXPECT_TRUE(eventGives(Command::Confirm, press));
    EXPECT_FALSE(eventGives(Command::Bomb, press));
    press.type = SDL_JOYBUTTONUP;
    EXPECT_FALSE(eventGives(Command::Pause, press));
    // A key's number that happens to equal a button's gives nothing as a button.
    SDL_Event keyPress{};
    keyPress.type = SDL_KEYDOWN;
    keyPress.key.keysym.sym = static_cast<SDLKey>(PadB);
    EXPECT_FALSE(eventGives(Command::Warp, keyPress));

    EXPECT_EQ(walkKey(North), SDLK_UP);
    EXPECT_EQ(walkKey(South), SDLK_DOWN);
    EXPECT_EQ(walkKey(West), SDLK_LEFT);
    EXPECT_EQ(walkKey(East), SDLK_RIGHT);
    EXPECT_EQ(walkKey(None), SDLK_UNKNOWN);
}

TEST(Controls, TheReadmeTheManualAndTheControlsPageListTheTablesKeysAndButtons) {
    // The README's table of keys: "| Key | Gamepad | Action |" down to the first line that is
    // not a row.
    const std::vector<std::string> readme = linesOf("README.md");
    Rows readmeRows;
    for (size_t i = 0; i < readme.size(); ++i) {
        if (readme[i].rfind("| Key | Gamepad |", 0) != 0) {
            continue;
        }
        for (size_t row = i + 2; row < readme.size() && readme[row].rfind("|", 0) == 0; ++row) {
            const std::vector<std::string> cells = cellsOf(readme[row]);
            readmeRows.insert({cells.at(0), cells.at(1)});
        }
    }
    EXPECT_EQ(readmeRows, expectedRows("Arrow keys", "d-pad or left stick", false, true, ""));

    const std::vector<std::string> manual = linesOf("packaging/tamberlo-adventure.6");
    std::set<std::string> manualKeys;
    std::set<std::string> expectedKeys;
    for (const std::string& entry : manEntries(manual, "KEYS")) {
        manualKeys.insert(entry);
    }
    for (const auto& [keys, buttons] : expectedRows("Arrow keys", "", false, true, "")) {
        expectedKeys.insert(keys);
    }
    EXPECT_EQ(manualKeys, expectedKeys);
    std::set<std::string> manualButtons;
    std::set<std::string> expectedButtons;
    for (const std::string& entry : manEntries(manual, "GAMEPAD")) {
        manualButtons.insert(entry);
    }
    for (const Control& control : controls) {
        for (int button : control.padButtons) {
            if (button != noButton) {
                expectedButtons.insert(buttonName(button));
            }
        }
    }
    EXPECT_EQ(manualButtons, expectedButtons);

    // The controls page lists the commands of play, quitting and full screen (whose Alt+Enter
    // it names in the description); its footer names the menus' keys and buttons.
    const std::vector<std::string> page = linesOf("art/screens/text.txt");
    Rows pageRows;
    std::string footer;
    std::string section;
    for (const std::string& line : page) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            section = line;
        } else if (section == "[keys]") {
            const std::vector<std::string> cells = cellsOf(line);
            pageRows.insert({cells.at(0), cells.at(1)});
        } else if (section == "[footer]") {
            footer += line + "\n";
        }
    }
    EXPECT_EQ(pageRows, expectedRows("Arrows", "D-pad", true, false, "-"));
    for (Command command : {Command::Confirm, Command::ControlsPage}) {
        const Control& control = controlOf(command);
        for (const KeyBinding& binding : control.keys) {
            if (binding.key != SDLK_UNKNOWN) {
                EXPECT_NE(footer.find(binding.name), std::string::npos) << binding.name;
            }
        }
        for (int button : control.padButtons) {
            if (button != noButton) {
                EXPECT_NE(footer.find(buttonName(button)), std::string::npos) << buttonName(button);
            }
        }
    }
}
