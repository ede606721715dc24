// The sound effects, synthesised.
#include "effects.h"

#include "assets/asset_paths.h"

#include "synth.h"
#include "wav.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

Curve constant(double v) {
    return [v](double) { return v; };
}

// Eating a dot: a bright two-step blip, over before the next dot is reached.
Samples crunch() {
    Samples out;
    Samples a = tone(0.035, Wave::Triangle, constant(noteHz(84)));
    shape(a, pluck(0.002, 0.012));
    Samples b = tone(0.045, Wave::Triangle, constant(noteHz(91)));
    shape(b, pluck(0.002, 0.014));
    Samples tick = noise(0.01, constant(6000), 3);
    shape(tick, pluck(0.0005, 0.002));
    mixInto(out, a, 0.0, 0.8);
    mixInto(out, b, 0.03, 0.7);
    mixInto(out, tick, 0.0, 0.3);
    return out;
}

Samples explode() {
    constexpr double length = 1.4;
    Samples out = noise(
        length, [](double t) { return 3000.0 * std::exp(-t * 3.0) + 150.0; }, 11);
    shape(out, pluck(0.005, 0.35));
    Samples thump =
        tone(length, Wave::Sine, [](double t) { return 30.0 + 60.0 * std::exp(-t * 6); });
    shape(thump, pluck(0.004, 0.3));
    mixInto(out, thump, 0.0, 1.2);
    Samples crackle = noise(0.5, constant(8000), 12);
    shape(crackle,
          [](double t) { return std::exp(-t * 8) * (std::sin(twoPi * 37 * t) > 0.6 ? 1.0 : 0.2); });
    mixInto(out, crackle, 0.02, 0.35);
    return out;
}

// Knocked dizzy: a wobbling whistle that sinks.
Samples wuzzle() {
    constexpr double length = 1.0;
    Samples out = tone(length, Wave::Triangle, [](double t) {
        return 700.0 - 380.0 * t + 90.0 * std::sin(twoPi * 7.0 * t);
    });
    shape(out, [](double t) { return std::min(1.0, t / 0.02) * (1.0 - t / length); });
    Samples shimmer = tone(length, Wave::Sine, [](double t) {
        return 1400.0 - 700.0 * t + 160.0 * std::sin(twoPi * 7.0 * t + 1.0);
    });
    shape(shimmer, [](double t) { return 1.0 - t / length; });
    mixInto(out, shimmer, 0.0, 0.25);
    return out;
}

Samples punch() {
    Samples out = tone(0.16, Wave::Sine, [](double t) { return 60.0 + 140.0 * std::exp(-t * 40); });
    shape(out, pluck(0.002, 0.05));
    Samples smack = noise(0.06, constant(2500), 21);
    shape(smack, pluck(0.001, 0.012));
    mixInto(out, smack, 0.0, 0.7);
    return out;
}

Samples dropBomb() {
    Samples out = tone(0.3, Wave::Sine, [](double t) { return 90.0 + 80.0 * std::exp(-t * 30); });
    shape(out, pluck(0.002, 0.07));
    Samples clank = tone(0.2, Wave::Triangle, constant(930.0));
    shape(clank, pluck(0.001, 0.03));
    mixInto(out, clank, 0.0, 0.25);
    Samples hiss = noise(0.3, constant(5000), 31);
    shape(hiss, [](double t) { return 0.15 * std::min(1.0, t / 0.05) * (1.0 - t / 0.3); });
    mixInto(out, hiss, 0.05, 1.0);
    return out;
}

Samples pickUp() {
    Samples out;
    const int notes[] = {79, 83, 86, 91};
    for (int i = 0; i < 4; ++i) {
        Samples n = tone(0.09, Wave::Square, constant(noteHz(notes[i])));
        shape(n, pluck(0.003, 0.035));
        mixInto(out, n, i * 0.055, 0.6);
    }
    return out;
}

Samples buttonHover() {
    Samples out = tone(0.05, Wave::Sine, constant(1500.0));
    shape(out, pluck(0.002, 0.012));
    return out;
}

Samples buttonPush() {
    Samples out = tone(0.1, Wave::Triangle, glide(880.0, 520.0, 0.08));
    shape(out, pluck(0.002, 0.03));
    Samples click = noise(0.008, constant(7000), 41);
    mixInto(out, click, 0.0, 0.4);
    return out;
}

// A page flicked over: a swell of soft noise.
Samples pageTurn() {
    constexpr double length = 0.35;
    Samples out = noise(
        length, [](double t) { return 1200.0 + 5000.0 * t; }, 51);
    shape(out, [](double t) {
        return std::sin(std::numbers::pi * t / length) * std::sin(std::numbers::pi * t / length);
    });
    return out;
}

// A rubber band pulled tight: a rising, wavering twang.
Samples stretch() {
    constexpr double length = 0.6;
    Samples out = tone(length, Wave::Saw, [](double t) {
        return 180.0 + 420.0 * t / length + 12.0 * std::sin(twoPi * 11.0 * t);
    });
    shape(out, [](double t) { return std::min(1.0, t / 0.03) * (1.0 - 0.7 * t / length); });
    return out;
}

// A short fanfare: a rising arpeggio that lands on a held major chord.
Samples youWin() {
    Samples out;
    const int run[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i) {
        Samples n = tone(0.16, Wave::Square, constant(noteHz(run[i])));
        shape(n, pluck(0.005, 0.1));
        mixInto(out, n, i * 0.13, 0.5);
    }
    for (int note : {72, 76, 79, 84}) {
        Samples n = tone(1.0, Wave::Square, [note](double t) {
            return noteHz(note) * (1.0 + 0.004 * std::sin(twoPi * 5.5 * t));
        });
        shape(n, [](double t) { return std::min(1.0, t / 0.01) * std::exp(-t / 0.5); });
        mixInto(out, n, 0.39, 0.3);
    }
    return out;
}

Samples warp() {
    constexpr double length = 0.7;
    Samples out =
        tone(length, Wave::Sine, [](double t) { return 250.0 * std::pow(8.0, t / length); });
    shape(out, [](double t) {
        return (0.6 + 0.4 * std::sin(twoPi * 18.0 * t)) * std::min(1.0, t / 0.02) *
               (1.0 - t / length);
    });
    Samples sparkle =
        tone(length, Wave::Triangle, [](double t) { return 2000.0 * std::pow(2.0, t / length); });
    shape(sparkle, [](double t) {
        return 0.3 * (std::sin(twoPi * 30 * t) > 0 ? 1.0 : 0.0) * (1.0 - t / length);
    });
    mixInto(out, sparkle, 0.0, 1.0);
    return out;
}

// Each effect's synthesis and the loudness its file is written at, by sound index; the file's
// name comes from the sound table.
struct EffectSource {
    SoundIndex index;
    Samples (*make)();
    double peak;
};

constexpr EffectSource sources[] = {
    {SfxCrunch, crunch, 0.6},           {SfxExplode, explode, fullPeak},
    {SfxWuzzle, wuzzle, 0.7},           {SfxDropBomb, dropBomb, fullPeak},
    {SfxPunch, punch, fullPeak},        {SfxPickUp, pickUp, 0.6},
    {SfxButtonHover, buttonHover, 0.5}, {SfxButtonPush, buttonPush, 0.6},
    {SfxPageTurn, pageTurn, 0.6},       {SfxStretch, stretch, 0.6},
    {SfxYouWin, youWin, 0.7},           {SfxWarp, warp, 0.7},
};

// The source of an effect, or null when it has none.
constexpr const EffectSource* sourceOf(SoundIndex index) {
    for (const EffectSource& source : sources) {
        if (source.index == index) {
            return &source;
        }
    }
    return nullptr;
}

constexpr bool everyEffectHasItsOneSource() {
    int32_t effects = 0;
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind == SoundKind::Effect) {
            ++effects;
            if (sourceOf(sound.index) == nullptr) {
                return false;
            }
        }
    }
    // As many sources as effects, each found for its own: none is left over or given twice.
    return effects == static_cast<int32_t>(std::size(sources));
}

static_assert(everyEffectHasItsOneSource(), "one synthesis for each effect of the sound table");

} // namespace

void writeEffects(const std::string& folder) {
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind == SoundKind::Effect) {
            const EffectSource& source = *sourceOf(sound.index);
            writeWav(source.make(), folder + "/" + assetPath::soundFile(sound), source.peak);
        }
    }
}
