// Turning the note files under audio/ into Standard MIDI Files.
#include "score.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

constexpr int wholeNote = 4 * ticksPerQuarter;
constexpr int drumChannel = 9;
// Notes sound for this share of their length, leaving a breath before the next one.
constexpr int gatePercent = 90;

const std::map<std::string, int> drumKeys = {
    {"kick", 36}, {"snare", 38}, {"clap", 39}, {"hat", 42},  {"ohat", 46},   {"tom", 45},
    {"htom", 50}, {"crash", 49}, {"ride", 51}, {"tamb", 54}, {"shaker", 70},
};

struct Source {
    std::string name;
    int line = 0;
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(name + ":" + std::to_string(line) + ": " + what);
    }
};

int pitchOf(const std::string& word, const Source& src) {
    auto drum = drumKeys.find(word);
    if (drum != drumKeys.end()) {
        return drum->second;
    }
    static const std::map<char, int> steps = {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5},
                                              {'g', 7}, {'a', 9}, {'b', 11}};
    auto step = word.empty() ? steps.end() : steps.find(word[0]);
    if (step == steps.end()) {
        src.fail("not a note: " + word);
    }
    size_t i = 1;
    int semitone = step->second;
    if (i < word.size() && (word[i] == '#' || word[i] == 'b') && i + 1 < word.size()) {
        semitone += word[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i + 1 != word.size() || !std::isdigit(static_cast<unsigned char>(word[i]))) {
        src.fail("note needs one octave digit: " + word);
    }
    return 12 * (word[i] - '0' + 1) + semitone;
}

int lengthOf(const std::string& word, const Source& src) {
    bool dotted = !word.empty() && word.back() == '.';
    std::string digits = dotted ? word.substr(0, word.size() - 1) : word;
    static const std::map<std::string, int> divisions = {
        {"1", 1}, {"2", 2}, {"4", 4}, {"8", 8}, {"16", 16}};
    auto d = divisions.find(digits);
    if (d == divisions.end()) {
        src.fail("not a length: " + word);
    }
    int ticks = wholeNote / d->second;
    return dotted ? ticks * 3 / 2 : ticks;
}

// One token: "c5:8", "r:4", "c4+e4+g4:2", "kick+hat:8"; a leading '!' accents it.
void addToken(std::string token, int& tick, std::vector<NoteEvent>& out, const Source& src) {
    int accent = 0;
    if (!token.empty() && token[0] == '!') {
        accent = 20;
        token.erase(0, 1);
    }
    size_t colon = token.find(':');
    if (colon == std::string::npos) {
        src.fail("token needs a length after ':': " + token);
    }
    int length = lengthOf(token.substr(colon + 1), src);
    std::string pitches = token.substr(0, colon);
    if (pitches != "r") {
        std::istringstream parts(pitches);
        std::string p;
        while (std::getline(parts, p, '+')) {
            out.push_back({tick, length, pitchOf(p, src), accent});
        }
    }
    tick += length;
}

// '#' starts a comment only at the start of a word, since it also marks sharps (f#4).
std::string withoutComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
            return line.substr(0, i);
        }
    }
    return line;
}

struct Pattern {
    std::vector<NoteEvent> notes;
    int length = 0;
};

} // namespace

double Score::seconds() const {
    int ticks = parts.empty() ? 0 : parts.front().lengthTicks;
    return ticks / static_cast<double>(ticksPerQuarter) * 60.0 / tempo;
}

Score parseScore(const std::string& text, const std::string& name) {
    Score score;
    std::map<std::string, Pattern> patterns;
    Pattern* openPattern = nullptr;
    Part* openPart = nullptr;
    int velocity = 90;
    Source src{name, 0};
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        ++src.line;
        line = withoutComment(line);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) {
            continue;
        }
        if (first == "tempo") {
            words >> score.tempo;
        } else if (first == "pattern") {
            std::string id;
            words >> id;
            openPattern = &patterns[id];
            openPart = nullptr;
        } else if (first == "part") {
            score.parts.emplace_back();
            openPart = &score.parts.back();
            openPattern = nullptr;
            words >> openPart->name;
            std::string key;
            int value = 0;
            velocity = 90;
            while (words >> key >> value) {
                if (key == "channel") {
                    openPart->channel = value - 1;
                } else if (key == "program") {
                    openPart->program = value - 1;
                } else if (key == "volume") {
                    openPart->volume = value;
                } else if (key == "pan") {
                    openPart->pan = value;
                } else if (key == "velocity") {
                    velocity = value;
                } else {
                    src.fail("unknown part setting " + key);
                }
            }
        } else if (first == "play") {
            if (openPart == nullptr) {
                src.fail("'play' outside a part");
            }
            std::string ref;
            while (words >> ref) {
                int times = 1;
                size_t star = ref.find('*');
                if (star != std::string::npos) {
                    times = std::stoi(ref.substr(star + 1));
                    ref = ref.substr(0, star);
                }
                auto p = patterns.find(ref);
                if (p == patterns.end()) {
                    src.fail("unknown pattern " + ref);
                }
                for (int i = 0; i < times; ++i) {
                    for (NoteEvent n : p->second.notes) {
                        n.tick += openPart->lengthTicks;
                        n.velocity = std::clamp(velocity + n.velocity, 1, 127);
                        openPart->notes.push_back(n);
                    }
                    openPart->lengthTicks += p->second.length;
                }
            }
        } else if (openPattern != nullptr) {
            words.seekg(0);
            std::string token;
            while (words >> token) {
                // A bar line must fall on a bar boundary: it catches miscounted bars early.
                if (token == "|") {
                    if (openPattern->length % ticksPerBar != 0) {
                        src.fail("bar line in the middle of a bar");
                    }
                    continue;
                }
                addToken(token, openPattern->length, openPattern->notes, src);
            }
        } else {
            src.fail("unexpected " + first);
        }
    }
    if (score.parts.empty()) {
        src.fail("no parts");
    }
    for (const Part& part : score.parts) {
        if (part.lengthTicks != score.parts.front().lengthTicks) {
            src.fail("part " + part.name + " is not as long as part " + score.parts.front().name);
        }
        if (part.lengthTicks == 0 || part.lengthTicks % ticksPerBar != 0) {
            src.fail("part " + part.name + " does not end on a bar line");
        }
    }
    return score;
}

Score readScore(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::stringstream all;
    all << in.rdbuf();
    return parseScore(all.str(), path);
}

namespace {

using Bytes = std::vector<unsigned char>;

void putVarLen(Bytes& out, uint32_t v) {
    unsigned char buf[4];
    int n = 0;
    do {
        buf[n++] = static_cast<unsigned char>(v & 0x7f);
        v >>= 7;
    } while (v != 0);
    while (n > 1) {
        out.push_back(buf[--n] | 0x80);
    }
    out.push_back(buf[0]);
}

void putBig(Bytes& out, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
}

struct Timed {
    int tick;
    int order; // at equal ticks: set-up first, then note-offs, then note-ons
    Bytes data;
};

Bytes trackChunk(std::vector<Timed> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Timed& a, const Timed& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    Bytes body;
    int now = 0;
    for (const Timed& e : events) {
        putVarLen(body, static_cast<uint32_t>(e.tick - now));
        now = e.tick;
        body.insert(body.end(), e.data.begin(), e.data.end());
    }
    putVarLen(body, static_cast<uint32_t>(std::max(0, endTick - now)));
    body.insert(body.end(), {0xff, 0x2f, 0x00});
    Bytes chunk = {'M', 'T', 'r', 'k'};
    putBig(chunk, static_cast<uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes nameEvent(const std::string& name) {
    Bytes b = {0xff, 0x03};
    putVarLen(b, static_cast<uint32_t>(name.size()));
    b.insert(b.end(), name.begin(), name.end());
    return b;
}

} // namespace

Bytes midiBytes(const Score& score) {
    const int endTick = score.parts.front().lengthTicks;
    Bytes out = {'M', 'T', 'h', 'd'};
    putBig(out, 6, 4);
    putBig(out, 1, 2);
    putBig(out, static_cast<uint32_t>(score.parts.size() + 1), 2);
    putBig(out, ticksPerQuarter, 2);

    Bytes tempo = {0xff, 0x51, 0x03};
    putBig(tempo, static_cast<uint32_t>(60'000'000 / score.tempo), 3);
    Bytes meter = {0xff, 0x58, 0x04, 4, 2, 24, 8};
    Bytes conductor = trackChunk({{0, 0, tempo}, {0, 0, meter}}, endTick);
    out.insert(out.end(), conductor.begin(), conductor.end());

    for (const Part& part : score.parts) {
        auto ch = static_cast<unsigned char>(part.channel);
        std::vector<Timed> events = {
            {0, 0, nameEvent(part.name)},
            {0,
             0,
             {static_cast<unsigned char>(0xb0 | ch), 7, static_cast<unsigned char>(part.volume)}},
            {0,
             0,
             {static_cast<unsigned char>(0xb0 | ch), 10, static_cast<unsigned char>(part.pan)}},
            {0, 0, {static_cast<unsigned char>(0xb0 | ch), 91, 40}},
        };
        if (part.channel != drumChannel) {
            events.push_back({0,
                              0,
                              {static_cast<unsigned char>(0xc0 | ch),
                               static_cast<unsigned char>(part.program)}});
        }
        for (const NoteEvent& n : part.notes) {
            int sounding = std::max(1, n.length * gatePercent / 100);
            auto key = static_cast<unsigned char>(n.key);
            events.push_back({n.tick,
                              2,
                              {static_cast<unsigned char>(0x90 | ch), key,
                               static_cast<unsigned char>(n.velocity)}});
            events.push_back(
                {n.tick + sounding, 1, {static_cast<unsigned char>(0x80 | ch), key, 0}});
        }
        Bytes chunk = trackChunk(std::move(events), endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

void writeMidi(const Score& score, const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    Bytes bytes = midiBytes(score);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}
