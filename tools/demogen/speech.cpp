#include "tools/demogen/speech.h"

#include <iconv.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace rufo::demogen {
namespace fs = std::filesystem;
namespace {

// Festival's Czech voices read ISO-8859-2.
std::string ToLatin2(const std::string& utf8) {
  iconv_t cd = iconv_open("ISO-8859-2", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no ISO-8859-2 converter");
  std::string in = utf8;
  std::string out(in.size() * 2 + 4, '\0');
  char* src = in.data();
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) {
    throw std::runtime_error("text has characters outside ISO-8859-2: " + utf8);
  }
  out.resize(out.size() - dstLeft);
  return out;
}

std::string SchemeString(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

const char* VoiceCommand(Voice voice) {
  return voice == Voice::kRufo ? "(voice_czech_krb)" : "(voice_czech_dita)";
}

struct Batch {
  std::vector<size_t> items;
  fs::path script;
  pid_t pid = 0;
};

void StartFestival(Batch& batch) {
  std::string path = batch.script.string();
  char festival[] = "festival";
  char flag[] = "-b";
  char* argv[] = {festival, flag, path.data(), nullptr};
  if (posix_spawnp(&batch.pid, "festival", nullptr, nullptr, argv, environ) != 0) {
    throw std::runtime_error("cannot start festival (install festival and its Czech voices)");
  }
}

void WaitFestival(const Batch& batch) {
  int status = 0;
  if (waitpid(batch.pid, &status, 0) != batch.pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    throw std::runtime_error("festival failed on " + batch.script.string());
  }
}

assetkit::PcmSound ReadRaw(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("festival wrote no " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string data = bytes.str();
  assetkit::PcmSound sound;
  sound.sampleRate = kSpeechRate;
  sound.samples.resize(data.size() / 2);
  for (size_t i = 0; i < sound.samples.size(); ++i) {
    sound.samples[i] = static_cast<int16_t>(static_cast<uint8_t>(data[2 * i]) |
                                            (static_cast<uint8_t>(data[2 * i + 1]) << 8));
  }
  if (sound.samples.empty()) throw std::runtime_error("festival wrote an empty " + path.string());
  return sound;
}

// Louder speech for small speakers, the same peak for every sentence.
void Normalise(assetkit::PcmSound& sound) {
  int peak = 1;
  for (int16_t s : sound.samples)
    peak = std::max(peak, std::abs(int{s}));
  const double gain = 26000.0 / peak;
  for (int16_t& s : sound.samples)
    s = static_cast<int16_t>(std::lround(s * gain));
}

}  // namespace

std::vector<assetkit::PcmSound> Synthesise(const std::vector<Utterance>& utterances,
                                           const fs::path& work) {
  fs::create_directories(work);
  // Two batches of about equal text, each sorted by voice so that it loads each voice once.
  std::vector<size_t> order(utterances.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return utterances[a].voice < utterances[b].voice; });
  size_t total = 0;
  for (const Utterance& u : utterances)
    total += u.text.size();
  Batch batches[2];
  size_t sum = 0;
  for (size_t index : order) {
    batches[sum * 2 < total ? 0 : 1].items.push_back(index);
    sum += utterances[index].text.size();
  }
  for (int b = 0; b < 2; ++b) {
    if (batches[b].items.empty()) continue;
    batches[b].script = work / ("batch" + std::to_string(b) + ".scm");
    std::ofstream script(batches[b].script, std::ios::binary);
    int current = -1;
    for (size_t index : batches[b].items) {
      const Utterance& u = utterances[index];
      if (static_cast<int>(u.voice) != current) {
        script << VoiceCommand(u.voice) << "\n";
        current = static_cast<int>(u.voice);
      }
      const std::string out = (work / (std::to_string(index) + ".raw")).string();
      script << "(set! u (Utterance Text " << SchemeString(ToLatin2(u.text)) << "))\n"
             << "(utt.synth u)\n"
             << "(utt.wave.resample u " << kSpeechRate << ")\n"
             << "(utt.save.wave u " << SchemeString(out) << " 'raw)\n";
    }
    script.close();
    StartFestival(batches[b]);
  }
  for (const Batch& batch : batches) {
    if (!batch.items.empty()) WaitFestival(batch);
  }
  std::vector<assetkit::PcmSound> sounds;
  for (size_t i = 0; i < utterances.size(); ++i) {
    sounds.push_back(ReadRaw(work / (std::to_string(i) + ".raw")));
    Normalise(sounds.back());
  }
  return sounds;
}

std::vector<assetkit::FrameStep> MouthFrames(const assetkit::PcmSound& sound) {
  const size_t window = static_cast<size_t>(sound.sampleRate * 0.06);
  std::vector<double> levels;
  for (size_t start = 0; start < sound.samples.size(); start += window) {
    const size_t end = std::min(sound.samples.size(), start + window);
    double energy = 0;
    for (size_t i = start; i < end; ++i)
      energy += double(sound.samples[i]) * sound.samples[i];
    levels.push_back(std::sqrt(energy / double(end - start)));
  }
  const double loudest = std::max(1.0, *std::max_element(levels.begin(), levels.end()));
  std::vector<assetkit::FrameStep> steps;
  size_t samplesDone = 0;
  int run = 0;
  for (size_t i = 0; i < levels.size(); ++i) {
    const double level = levels[i] / loudest;
    int frame = level < 0.08 ? 0 : level < 0.3 ? 1 : level < 0.6 ? 2 : 3;
    run = frame >= 2 ? run + 1 : 0;
    if (frame == 3 && run % 5 == 3) frame = 4;  // a round mouth now and then on long vowels
    const size_t end = std::min(sound.samples.size(), samplesDone + window);
    const double seconds = double(end - samplesDone) / sound.sampleRate;
    samplesDone = end;
    if (!steps.empty() && steps.back().frame == frame) {
      steps.back().seconds += seconds;
    } else {
      steps.push_back({frame, seconds});
    }
  }
  if (steps.empty() || steps.back().frame != 0) steps.push_back({0, 0.1});
  return steps;
}

}  // namespace rufo::demogen
