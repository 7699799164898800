// A few building blocks for short cues: tones, bells, filtered noise, envelopes, WAV output.
#pragma once
#include <string>
#include <vector>

constexpr int RATE = 44100;

using Samples = std::vector<double>;

Samples silence(double seconds);

// Adds `src` into `dst` from `at_seconds` on, growing `dst` as needed.
void mix_in(Samples& dst, const Samples& src, double at_seconds, double gain = 1.0);

// A struck, decaying sound made of partials: frequency ratios and their levels over a
// fundamental; each partial dies away in `decay` seconds times its own factor (higher ones faster).
struct Partial {
  double ratio, level, decay_factor;
};
Samples struck(double frequency, const std::vector<Partial>& partials, double decay, double seconds);

// A gliding sine from `from` to `to` Hz (exponential glide) with a raised-cosine envelope.
Samples glide(double from, double to, double seconds, double second_harmonic);

// Noise through a band-pass whose centre follows `centre(t)` (t from 0 to 1).
Samples swish(double seconds, double (*centre)(double t), double q);

// Gentle ends: a short fade in and out so no cue starts or stops with a click.
void soften_ends(Samples& s, double fade_in, double fade_out);

// Scales the cue so its loudest sample reaches `peak` (0..1 of full scale).
void normalise(Samples& s, double peak);

void write_wav(const std::string& path, const Samples& s);
