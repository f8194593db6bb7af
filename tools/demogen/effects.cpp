#include "tools/demogen/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "tools/demogen/speech.h"

namespace rufo::demogen {
namespace {

constexpr double kRate = kSpeechRate;

// A deterministic noise source.
class Noise {
 public:
  double Next() {
    state_ = state_ * 1103515245u + 12345u;
    return ((state_ >> 9) & 0xFFFF) / 32768.0 - 1.0;
  }

 private:
  uint32_t state_ = 12345;
};

assetkit::PcmSound FromWave(const std::vector<double>& wave) {
  assetkit::PcmSound sound;
  sound.sampleRate = kSpeechRate;
  double peak = 1e-9;
  for (double v : wave)
    peak = std::max(peak, std::fabs(v));
  for (double v : wave)
    sound.samples.push_back(static_cast<int16_t>(std::lround(v / peak * 24000)));
  return sound;
}

// A bell-like note: a few partials that die away.
void Bell(std::vector<double>& wave, double start, double freq, double length) {
  const size_t first = static_cast<size_t>(start * kRate);
  const size_t count = static_cast<size_t>(length * kRate);
  if (wave.size() < first + count) wave.resize(first + count, 0.0);
  for (size_t i = 0; i < count; ++i) {
    const double t = i / kRate;
    const double decay = std::exp(-t * 5);
    wave[first + i] +=
        decay * (std::sin(2 * M_PI * freq * t) + 0.4 * std::sin(4 * M_PI * freq * t) +
                 0.2 * std::sin(6.01 * M_PI * freq * t));
  }
}

std::vector<double> Chime() {
  std::vector<double> wave;
  const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
  for (int i = 0; i < 4; ++i)
    Bell(wave, i * 0.09, notes[i], 0.9);
  return wave;
}

// Noise through a low-pass filter that opens as far as `opening` says at each moment, swelling
// and fading over `length` seconds.
std::vector<double> FilteredNoise(double length, const std::function<double(double)>& opening) {
  Noise noise;
  std::vector<double> wave(static_cast<size_t>(length * kRate));
  double low = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    low += opening(t) * (noise.Next() - low);
    wave[i] = low * std::sin(M_PI * t / length);
  }
  return wave;
}

std::vector<double> Swish() {
  return FilteredNoise(
      0.7, [](double t) { return 0.05 + 0.25 * (0.5 + 0.5 * std::sin(2 * M_PI * 3 * t)); });
}

std::vector<double> Boing() {
  std::vector<double> wave(static_cast<size_t>(0.6 * kRate));
  double phase = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    const double freq = 180 + 420 * t + 25 * std::sin(2 * M_PI * 14 * t);
    phase += 2 * M_PI * freq / kRate;
    wave[i] = std::sin(phase) * std::exp(-t * 3.5);
  }
  return wave;
}

std::vector<double> Chirp() {
  std::vector<double> wave(static_cast<size_t>(0.5 * kRate), 0.0);
  for (int n = 0; n < 3; ++n) {
    double phase = 0;
    const size_t start = static_cast<size_t>(n * 0.15 * kRate);
    for (size_t i = 0; i < static_cast<size_t>(0.09 * kRate); ++i) {
      const double t = i / kRate;
      phase += 2 * M_PI * (3200 + 9000 * t) / kRate;
      wave[start + i] += std::sin(phase) * std::sin(M_PI * t / 0.09);
    }
  }
  return wave;
}

std::vector<double> Fanfare() {
  std::vector<double> wave;
  const double notes[][2] = {{523.3, 0},     {659.3, 0.15}, {784.0, 0.3},
                             {1046.5, 0.45}, {784.0, 0.75}, {1046.5, 0.9}};
  for (const auto& n : notes) {
    const size_t first = static_cast<size_t>(n[1] * kRate);
    const size_t count = static_cast<size_t>(0.4 * kRate);
    if (wave.size() < first + count) wave.resize(first + count, 0.0);
    for (size_t i = 0; i < count; ++i) {
      const double t = i / kRate;
      const double envelope = std::min(1.0, t * 40) * std::exp(-t * 4);
      double v = 0;
      for (int h = 1; h <= 5; ++h)
        v += std::sin(2 * M_PI * n[0] * h * t) / h;
      wave[first + i] += envelope * v;
    }
  }
  return wave;
}

// A frog diving in: a low plop, then the rushing of water.
std::vector<double> Splash() {
  Noise noise;
  std::vector<double> wave(static_cast<size_t>(0.55 * kRate));
  double phase = 0, low = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    phase += 2 * M_PI * (520 * std::exp(-t * 18) + 90) / kRate;
    low += 0.35 * (noise.Next() - low);
    wave[i] =
        std::sin(phase) * std::exp(-t * 22) + 0.5 * low * std::exp(-t * 7) * std::min(1.0, t * 30);
  }
  return wave;
}

// A small hop: a short rising blip.
std::vector<double> Hop() {
  std::vector<double> wave(static_cast<size_t>(0.16 * kRate));
  double phase = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    phase += 2 * M_PI * (380 + 2600 * t) / kRate;
    wave[i] = std::sin(phase) * std::sin(M_PI * t / 0.16);
  }
  return wave;
}

// A frog's croak: two rough, low pulses.
std::vector<double> Croak() {
  std::vector<double> wave(static_cast<size_t>(0.5 * kRate), 0.0);
  for (int n = 0; n < 2; ++n) {
    const size_t start = static_cast<size_t>(n * 0.24 * kRate);
    for (size_t i = 0; i < static_cast<size_t>(0.18 * kRate); ++i) {
      const double t = i / kRate;
      const double buzz = std::fmod(t * 95, 1.0) < 0.3 ? 1.0 : -0.4;
      wave[start + i] += buzz * std::sin(2 * M_PI * 210 * t) * std::sin(M_PI * t / 0.18);
    }
  }
  return wave;
}

// A button pressed: a soft wooden knock.
std::vector<double> Pop() {
  std::vector<double> wave(static_cast<size_t>(0.12 * kRate));
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    wave[i] = std::sin(2 * M_PI * 700 * t) * std::exp(-t * 45);
  }
  return wave;
}

// Something growing: a quick rising glissando with sparkles.
std::vector<double> Grow() {
  std::vector<double> wave(static_cast<size_t>(0.8 * kRate));
  double phase = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    phase += 2 * M_PI * (300 * std::pow(4.0, t / 0.8)) / kRate;
    wave[i] = std::sin(phase) * std::sin(M_PI * t / 0.8) * 0.7;
  }
  const double sparkles[] = {0.3, 0.45, 0.6};
  for (double start : sparkles)
    Bell(wave, start, 2600 + start * 1000, 0.2);
  return wave;
}

// A beak striking bark at `start`: a dry wooden tap.
void Tap(std::vector<double>& wave, double start) {
  Noise noise;
  const size_t first = static_cast<size_t>(start * kRate);
  const size_t count = static_cast<size_t>(0.09 * kRate);
  if (wave.size() < first + count) wave.resize(first + count, 0.0);
  double low = 0;
  for (size_t i = 0; i < count; ++i) {
    const double t = i / kRate;
    low += 0.5 * (noise.Next() - low);
    wave[first + i] +=
        (std::sin(2 * M_PI * 820 * t) + 0.6 * std::sin(2 * M_PI * 1930 * t) + 0.8 * low) *
        std::exp(-t * 70);
  }
}

// One knock, struck when the woodpecker's beak meets the bark in its animation.
std::vector<double> Knock() {
  std::vector<double> wave;
  Tap(wave, 0.18);
  return wave;
}

// Three quick knocks.
std::vector<double> Knocks() {
  std::vector<double> wave;
  for (double start : {0.2, 0.42, 0.64})
    Tap(wave, start);
  return wave;
}

// A bee's buzz: a soft, wavering hum that can loop.
std::vector<double> Buzz() {
  std::vector<double> wave(static_cast<size_t>(0.6 * kRate));
  double phase = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    phase += 2 * M_PI * (210 + 12 * std::sin(2 * M_PI * 5 * t)) / kRate;
    const double saw = std::fmod(phase / (2 * M_PI), 1.0) * 2 - 1;
    wave[i] = 0.45 * saw * (0.8 + 0.2 * std::sin(2 * M_PI * 10 * t));
  }
  return wave;
}

// Wings flapping away: a few quick soft flutters.
std::vector<double> Flutter() {
  std::vector<double> wave(static_cast<size_t>(0.45 * kRate));
  uint32_t noise = 12345;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    noise = noise * 1664525u + 1013904223u;
    const double white = (noise >> 8) / double(1 << 24) * 2 - 1;
    const double flap = std::pow(std::max(0.0, std::sin(2 * M_PI * 14 * t)), 3);
    wave[i] = white * flap * (1 - t / 0.45) * 0.5;
  }
  return wave;
}

// The sponge going back to its place: a short, soft sweep that falls away, then a small
// two-note bell that says the picture frame is free again.
std::vector<double> Back() {
  std::vector<double> wave = FilteredNoise(0.26, [](double t) { return 0.3 - 0.9 * t; });
  for (double& v : wave)
    v *= 0.6;
  Bell(wave, 0.2, 1568.0, 0.22);
  Bell(wave, 0.27, 2093.0, 0.22);
  return wave;
}

// A moment of silence, for a movement that makes no sound.
std::vector<double> Hush() {
  return std::vector<double>(static_cast<size_t>(0.1 * kRate), 0.0);
}

}  // namespace

assetkit::PcmSound MakeEffect(const std::string& name) {
  if (name == "chime") return FromWave(Chime());
  if (name == "swish") return FromWave(Swish());
  if (name == "boing") return FromWave(Boing());
  if (name == "chirp") return FromWave(Chirp());
  if (name == "fanfare") return FromWave(Fanfare());
  if (name == "splash") return FromWave(Splash());
  if (name == "hop") return FromWave(Hop());
  if (name == "croak") return FromWave(Croak());
  if (name == "pop") return FromWave(Pop());
  if (name == "grow") return FromWave(Grow());
  if (name == "knock") return FromWave(Knock());
  if (name == "knocks") return FromWave(Knocks());
  if (name == "buzz") return FromWave(Buzz());
  if (name == "flutter") return FromWave(Flutter());
  if (name == "back") return FromWave(Back());
  if (name == "hush") return FromWave(Hush());
  throw std::invalid_argument("unknown sound effect \"" + name + "\"");
}

}  // namespace rufo::demogen
