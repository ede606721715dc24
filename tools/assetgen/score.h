// A tune read from the game's note notation (see audio/README.txt) and written as a Standard
// MIDI File.
#pragma once

#include <string>
#include <vector>

inline constexpr int ticksPerQuarter = 480;
inline constexpr int ticksPerBar = 4 * ticksPerQuarter; // every tune is in 4/4

struct NoteEvent {
    int tick = 0;
    int length = 0;
    int key = 0;
    int velocity = 0;
};

struct Part {
    std::string name;
    int channel = 0; // 0-based; 9 is the drum channel
    int program = 0; // 0-based General MIDI program
    int volume = 100;
    int pan = 64;
    std::vector<NoteEvent> notes;
    int lengthTicks = 0;
};

struct Score {
    int tempo = 120; // quarter notes per minute
    std::vector<Part> parts;
    double seconds() const;
};

// Reads a score; throws std::runtime_error naming the file and line on any mistake, when the
// parts differ in length or when a part does not end on a bar line (tunes must loop cleanly).
Score readScore(const std::string& path);
Score parseScore(const std::string& text, const std::string& name);

// The Standard MIDI File (format 1) bytes of a score.
std::vector<unsigned char> midiBytes(const Score& score);
void writeMidi(const Score& score, const std::string& path);
