// The one way the game reports a problem: a warning on standard error that names the program,
// or a fatal message after which the game cannot go on.
#pragma once

// The program's name, as it begins every report and the version line.
inline constexpr const char* programName = "tamberlo-adventure";

// Writes "tamberlo-adventure: " and the formatted message, and a new line, to standard error.
// The game goes on.
[[gnu::format(printf, 1, 2)]] void warn(const char* format, ...);

// Writes the formatted message and a new line to standard output, exactly as given (the
// messages of a game that cannot open its window are read there), and ends the process with
// exit status 1.
[[noreturn, gnu::format(printf, 1, 2)]] void fatal(const char* format, ...);
