// The five cues of the game, each a short original sound, written as 16-bit mono WAV files.
// Usage: kotopai_sounds <folder>
#include <cmath>
#include <string>

#include "synth.h"

namespace {

// A light wooden tap: inharmonic partials that die within a few hundredths of a second.
Samples check() {
  Samples s = struck(880, {{1.0, 1.0, 1.0}, {2.57, 0.55, 0.6}, {4.21, 0.3, 0.35}, {6.3, 0.12, 0.25}},
                     0.028, 0.16);
  normalise(s, 0.5);
  return s;
}

// A soft blip that sinks a fourth.
Samples cancel() {
  Samples s = glide(700, 470, 0.2, 0.15);
  soften_ends(s, 0.004, 0.03);
  normalise(s, 0.45);
  return s;
}

// Two bell notes a fifth apart, the second one ringing out.
Samples get() {
  std::vector<Partial> bell = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {3.01, 0.18, 0.4}, {4.17, 0.1, 0.25}};
  Samples s = silence(0.9);
  mix_in(s, struck(1046.5, bell, 0.18, 0.5), 0.0, 0.8);
  mix_in(s, struck(1568.0, bell, 0.3, 0.75), 0.11);
  soften_ends(s, 0.002, 0.08);
  normalise(s, 0.55);
  return s;
}

// A low phrase that falls and stops: three soft notes down a minor triad.
Samples tezumari() {
  std::vector<Partial> soft = {{1.0, 1.0, 1.0}, {2.0, 0.25, 0.5}, {3.0, 0.12, 0.35}};
  const double notes[3] = {329.63, 261.63, 220.0};
  Samples s = silence(1.3);
  for (int i = 0; i < 3; ++i) {
    Samples n = struck(notes[i], soft, i == 2 ? 0.45 : 0.2, i == 2 ? 0.85 : 0.35);
    soften_ends(n, 0.015, 0.04);
    mix_in(s, n, 0.22 * i);
  }
  soften_ends(s, 0.002, 0.1);
  normalise(s, 0.55);
  return s;
}

// A breath of air that rises and falls back: a move taken back.
double swish_centre(double t) { return 700 + 1900 * std::sin(3.14159265358979 * t); }

Samples back() {
  Samples s = swish(0.28, swish_centre, 3.0);
  soften_ends(s, 0.01, 0.03);
  normalise(s, 0.45);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = argc > 1 ? std::string(argv[1]) + "/" : "";
  write_wav(folder + "check.wav", check());
  write_wav(folder + "cancel.wav", cancel());
  write_wav(folder + "get.wav", get());
  write_wav(folder + "tezumari.wav", tezumari());
  write_wav(folder + "back.wav", back());
  return 0;
}
