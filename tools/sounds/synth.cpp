// Sound building blocks; all deterministic, so regenerated cues are byte-identical.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr double PI = 3.14159265358979323846;
}

Samples silence(double seconds) { return Samples(size_t(seconds * RATE), 0.0); }

void mix_in(Samples& dst, const Samples& src, double at_seconds, double gain) {
  size_t start = size_t(at_seconds * RATE);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
  for (size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

Samples struck(double frequency, const std::vector<Partial>& partials, double decay, double seconds) {
  Samples s = silence(seconds);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / RATE;
    double v = 0;
    for (const Partial& p : partials)
      v += p.level * std::exp(-t / (decay * p.decay_factor)) * std::sin(2 * PI * frequency * p.ratio * t);
    s[i] = v;
  }
  soften_ends(s, 0.002, 0.02);
  return s;
}

Samples glide(double from, double to, double seconds, double second_harmonic) {
  Samples s = silence(seconds);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double u = double(i) / s.size();
    double f = from * std::pow(to / from, u);
    phase += 2 * PI * f / RATE;
    double envelope = std::sin(PI * u) * std::exp(-2.0 * u);
    s[i] = envelope * (std::sin(phase) + second_harmonic * std::sin(2 * phase));
  }
  return s;
}

Samples swish(double seconds, double (*centre)(double t), double q) {
  Samples s = silence(seconds);
  uint32_t seed = 12345;
  // Two state-variable filters in a row: the band-pass of the band-pass, so the hiss
  // stays near the moving centre instead of spreading to the top of the range.
  double low[2] = {0, 0}, band[2] = {0, 0};
  for (size_t i = 0; i < s.size(); ++i) {
    double u = double(i) / s.size();
    seed = seed * 1664525u + 1013904223u;
    double v = (seed >> 8) / double(1 << 24) * 2 - 1;
    double f = 2 * std::sin(PI * centre(u) / RATE);
    for (int k = 0; k < 2; ++k) {
      low[k] += f * band[k];
      double high = v - low[k] - band[k] / q;
      band[k] += f * high;
      v = band[k];
    }
    s[i] = v * std::sin(PI * u);
  }
  return s;
}

void soften_ends(Samples& s, double fade_in, double fade_out) {
  size_t in = std::min(s.size(), size_t(fade_in * RATE)), out = std::min(s.size(), size_t(fade_out * RATE));
  for (size_t i = 0; i < in; ++i) s[i] *= 0.5 - 0.5 * std::cos(PI * i / in);
  for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(PI * i / out);
}

void normalise(Samples& s, double peak) {
  double top = 0;
  for (double v : s) top = std::max(top, std::fabs(v));
  if (top > 0)
    for (double& v : s) v *= peak / top;
}

void write_wav(const std::string& path, const Samples& s) {
  std::vector<uint8_t> out;
  auto put = [&](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
  };
  uint32_t data = uint32_t(s.size() * 2);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put(36 + data, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(RATE, 4);
  put(RATE * 2, 4);
  put(2, 2);
  put(16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put(data, 4);
  for (double v : s) put(uint32_t(uint16_t(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767)))), 2);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size()) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}
