// The small synthesiser behind the sound effects: oscillators that follow a pitch curve,
// noise, envelopes and a one-pole filter.
#pragma once

#include "wav.h"

#include <functional>

// A value that changes over the sound's time in seconds: a pitch in Hz, a cutoff, a level.
using Curve = std::function<double(double t)>;

enum class Wave { Sine, Triangle, Square, Saw };

Samples silence(double seconds);
// An oscillator whose frequency follows `pitch`; the phase runs on smoothly as it bends.
Samples tone(double seconds, Wave wave, const Curve& pitch);
// White noise passed through a one-pole low-pass filter following `cutoff` (Hz).
Samples noise(double seconds, const Curve& cutoff, unsigned seed);

// Multiplies every sample by the curve.
void shape(Samples& s, const Curve& gain);
// Adds `src` into `dst` starting at `offset` seconds, scaled by `gain`; grows `dst` as needed.
void mixInto(Samples& dst, const Samples& src, double offset, double gain);

// Envelope: rises linearly over `attack` seconds, then decays exponentially with `decay` as
// its time constant.
Curve pluck(double attack, double decay);
// Linear slide from a to b over `seconds`.
Curve glide(double a, double b, double seconds);
// Equal-tempered frequency of a MIDI note number.
double noteHz(int note);
