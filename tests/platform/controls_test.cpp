// The controls table: every command has one row, no key or button gives two commands where both
// count, and the controls page, the README and the manual page list exactly its keys and buttons,
// and the page's touch buttons its commands.
#include "platform/controls.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <utility>

namespace {

using Rows = std::set<std::pair<std::string, std::string>>;

// The names of a row's keys (with altToo false, of those that need no Alt) and of its buttons,
// each without repeats and joined as the documents join them: "Enter or Space".
std::pair<std::string, std::string> namesOf(const Control& control, bool altToo) {
    std::string keys;
    for (const KeyBinding& binding : control.keys) {
        const std::string name = binding.name;
        if (binding.key != SDLK_UNKNOWN && (altToo || !binding.withAlt) &&
            (" or " + keys + " or ").find(" or " + name + " or ") == std::string::npos) {
            keys += (keys.empty() ? "" : " or ") + name;
        }
    }
    std::string buttons;
    for (int button : control.padButtons) {
        if (button != noButton) {
            buttons += (buttons.empty() ? "" : " or ") + std::string(buttonName(button));
        }
    }
    return {keys, buttons};
}

// The rows a document lists: the four ways of walking share one, named walk; with playOnly the
// menus' commands are left out; noButtons stands where a command has no button.
Rows expectedRows(const std::pair<std::string, std::string>& walk, bool playOnly, bool altToo,
                  const std::string& noButtons) {
    Rows rows;
    for (const Control& control : controls) {
        auto [keys, buttons] = namesOf(control, altToo);
        if (control.command <= Command::WalkEast) {
            rows.insert(walk);
        } else if (!playOnly || control.where != Control::OnMenus) {
            rows.insert({keys, buttons.empty() ? noButtons : buttons});
        }
    }
    return rows;
}

std::string fileText(const std::string& relativePath) {
    std::ifstream in(std::string(TAMBERLO_SOURCE_DIR) + "/" + relativePath);
    EXPECT_TRUE(in.good()) << relativePath;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every match of the pattern's two groups in the text.
Rows matches(const std::string& text, const std::string& pattern) {
    Rows found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        found.insert({(*it)[1].str(), (*it)[2].str()});
    }
    return found;
}

// The part of a text from the line start up to the next line starting with end.
std::string sectionOf(const std::string& text, const std::string& start, const std::string& end) {
    const size_t from = text.find(start);
    EXPECT_NE(from, std::string::npos) << start;
    return from == std::string::npos ? "" : text.substr(from, text.find(end, from + 1) - from);
}

} // namespace

TEST(Controls, EveryCommandHasOneRowAndNoPressGivesTwoCommandsWhereBothCount) {
    std::multiset<Command> commands;
    for (const Control& control : controls) {
        commands.insert(control.command);
        EXPECT_FALSE(namesOf(control, true).first.empty());
    }
    for (int command = 0; command <= static_cast<int>(Command::FullScreen); ++command) {
        EXPECT_EQ(commands.count(static_cast<Command>(command)), 1u) << "command " << command;
    }
    for (Control::Where where : {Control::InPlay, Control::OnMenus}) {
        std::set<std::pair<int, bool>> presses;
        for (const Control& control : controls) {
            if (control.where != where && control.where != Control::Everywhere) {
                continue;
            }
            for (const KeyBinding& binding : control.keys) {
                EXPECT_TRUE(binding.key == SDLK_UNKNOWN ||
                            presses.insert({binding.key, binding.withAlt}).second)
                    << binding.name << " gives two commands";
            }
            for (int button : control.padButtons) {
                EXPECT_TRUE(button == noButton || presses.insert({-1 - button, false}).second)
                    << buttonName(button) << " gives two commands";
            }
        }
    }
}

// Play, the screens and full screen test the commands through the game; what they cannot show:
TEST(Controls, OnlyPressesOfTheRightKindGiveACommand) {
    SDL_Event press{};
    press.type = SDL_JOYBUTTONUP;
    press.jbutton.button = PadStart;
    EXPECT_FALSE(eventGives(Command::Pause, press));
    // A key whose number happens to be a button's gives nothing as a button.
    press.type = SDL_KEYDOWN;
    press.key.keysym.sym = static_cast<SDLKey>(PadB);
    EXPECT_FALSE(eventGives(Command::Warp, press));
    EXPECT_EQ(walkKey(None), SDLK_UNKNOWN);
}

TEST(Controls, TheReadmeTheManualAndTheControlsPageListTheTablesKeysAndButtons) {
    const std::string readme = sectionOf(fileText("README.md"), "| Key | Gamepad |", "\n\n");
    const Rows readmeRows = matches(readme, R"(\n\| ([^|]*?) \| ?([^|]*?) ?\|)");
    EXPECT_EQ(readmeRows, expectedRows({"Arrow keys", "d-pad or left stick"}, false, true, ""));

    // The manual page: the bold words after each .TP of its KEYS and GAMEPAD sections, with
    // '.BR A " or " B' read as "A or B".
    const std::string manual = fileText("packaging/tamberlo-adventure.6");
    Rows manualKeys;
    for (const auto& [keys, rest] :
         matches(sectionOf(manual, ".SH KEYS", ".SH "), R"(\.TP\n\.BR? ([^\n]*)\n([^\n]*))")) {
        manualKeys.insert({std::regex_replace(keys, std::regex(R"( " or " )"), " or "), ""});
    }
    Rows expectedKeys;
    for (const auto& [keys, buttons] : expectedRows({"Arrow keys", ""}, false, true, "")) {
        expectedKeys.insert({keys, ""});
    }
    EXPECT_EQ(manualKeys, expectedKeys);
    Rows manualButtons;
    for (const auto& [button, rest] :
         matches(sectionOf(manual, ".SH GAMEPAD", ".SH "), R"(\.TP\n\.B ([^\n]*)\n([^\n]*))")) {
        manualButtons.insert({button, ""});
    }
    Rows expectedButtons;
    for (const Control& control : controls) {
        for (int button : control.padButtons) {
            if (button != noButton) {
                expectedButtons.insert({buttonName(button), ""});
            }
        }
    }
    EXPECT_EQ(manualButtons, expectedButtons);

    // The controls page lists the commands of play, quitting and full screen (whose Alt+Enter
    // its description names); its footer names the menus' keys and buttons.
    const std::string page = fileText("art/screens/text.txt");
    const std::string keys = sectionOf(page, "[keys]", "\n\n");
    EXPECT_EQ(matches(keys, R"(\n(\w[^|\n]*?) +\| ([^ |]+(?: or [^ |]+)?) +\|)"),
              expectedRows({"Arrows", "D-pad"}, true, false, "-"));
    const std::string footer = sectionOf(page, "[footer]", "\n\n");
    for (Command command : {Command::Confirm, Command::ControlsPage}) {
        for (const std::string& name :
             {namesOf(controlOf(command), true).first, namesOf(controlOf(command), true).second}) {
            for (const std::string& word :
                 {name.substr(0, name.find(" or ")), name.substr(name.rfind(' ') + 1)}) {
                EXPECT_NE(footer.find(word), std::string::npos) << word;
            }
        }
    }

    // The page's touch buttons name commands of play that a pad button gives.
    std::set<std::string> touchCommands;
    for (const auto& [name, rest] :
         matches(fileText("web/index.html"), R"re(data-command="([^"]*)"())re")) {
        const Control* control = controlNamed(name.c_str());
        EXPECT_TRUE(control != nullptr && control->where == Control::InPlay &&
                    control->padButtons[0] != noButton)
            << name;
        touchCommands.insert(name);
    }
    EXPECT_EQ(touchCommands, (std::set<std::string>{"bomb", "warp", "pause", "give up"}));
    EXPECT_EQ(controlNamed("no such command"), nullptr);
}
