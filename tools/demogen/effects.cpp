#include "tools/demogen/effects.h"

#include <cmath>
#include <cstdint>
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

std::vector<double> Swish() {
  Noise noise;
  std::vector<double> wave(static_cast<size_t>(0.7 * kRate));
  double low = 0;
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = i / kRate;
    const double sweep = 0.05 + 0.25 * (0.5 + 0.5 * std::sin(2 * M_PI * 3 * t));
    low += sweep * (noise.Next() - low);
    wave[i] = low * std::sin(M_PI * t / 0.7);
  }
  return wave;
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

}  // namespace

assetkit::PcmSound MakeEffect(const std::string& name) {
  if (name == "chime") return FromWave(Chime());
  if (name == "swish") return FromWave(Swish());
  if (name == "boing") return FromWave(Boing());
  if (name == "chirp") return FromWave(Chirp());
  if (name == "fanfare") return FromWave(Fanfare());
  throw std::invalid_argument("unknown sound effect \"" + name + "\"");
}

}  // namespace rufo::demogen
