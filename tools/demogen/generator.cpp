#include "tools/demogen/generator.h"

#include <fstream>

#include "tools/assetkit/ani_file.h"
#include "tools/assetkit/frame_script.h"
#include "tools/assetkit/png_writer.h"
#include "tools/assetkit/wav_writer.h"
#include "tools/demogen/canvas.h"
#include "tools/demogen/effects.h"
#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace fs = std::filesystem;

Generator::Generator(fs::path out) : out_(std::move(out)) {}

fs::path Generator::FilePath(const std::string& gamePath, const std::string& extension) const {
  std::string relative = gamePath;
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  if (relative.empty() || relative[0] == '/' || relative.find("..") != std::string::npos) {
    throw std::invalid_argument("data path \"" + gamePath + "\" leaves the data tree");
  }
  return out_ / (relative + extension);
}

void Generator::WriteBytes(const fs::path& path, const std::string& bytes) const {
  fs::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void Generator::Add(const std::vector<Statement>& statements) {
  for (const Statement& s : statements) {
    if (s.keyword == "scene") scenes_[s.Word(0)] = s.children;
  }
  for (const Statement& s : statements) {
    try {
      Run(s);
    } catch (const DescriptionError&) {
      throw;
    } catch (const std::exception& e) {
      throw DescriptionError(s.where, e.what());
    }
  }
}

void Generator::Run(const Statement& s) {
  const std::string& k = s.keyword;
  if (k == "scene") return;
  if (k == "picture") return Picture(s);
  if (k == "animation") return AnimationFile(s);
  if (k == "hitmap") return HitMap(s);
  if (k == "cursor") return CursorPicture(s);
  if (k == "frames") return FrameScript(s);
  if (k == "sound") return Effect(s);
  if (k == "text") return TextFile(s);
  if (k == "speech") {
    const std::string voice = s.Word(0);
    if (voice != "rufo" && voice != "narrator") {
      throw DescriptionError(s.where, "speech voice must be rufo or narrator");
    }
    speeches_.push_back({s.Word(1),
                         {voice == "rufo" ? Voice::kRufo : Voice::kNarrator, s.Quoted()},
                         s.Option("mouth", "yes") != "no"});
    return;
  }
  if (k == "screen") {
    assetkit::ScreenScriptWriter& script = scripts_[s.Word(0)];
    script.Comment(s.Option("title", s.Word(0)));
    for (const Statement& entry : s.children) {
      try {
        Entry(script, entry);
      } catch (const std::invalid_argument& e) {
        throw DescriptionError(entry.where, e.what());
      }
    }
    return;
  }
  throw DescriptionError(s.where, "unknown keyword " + k);
}

void Generator::Entry(assetkit::ScreenScriptWriter& script, const Statement& s) {
  const std::string& k = s.keyword;
  if (k == "bg") {
    script.Background(s.Word(0), s.Word(1));
  } else if (k == "bitmap") {
    script.Bitmap(s.Int(0), s.Int(1), s.Word(2), s.Word(3), s.HasWord("hidden"));
  } else if (k == "abitmap") {
    script.AnimatedBitmap(s.Int(0), s.Int(1), s.Word(2), s.Word(3), s.Int(4), s.HasWord("hidden"));
  } else if (k == "button") {
    script.Button(s.Int(0), s.Int(1), s.Word(2), s.Word(3));
  } else if (k == "empty") {
    script.Empty();
  } else if (k == "anifolder") {
    script.AnimationFolder(s.Word(0));
  } else if (k == "ani") {
    assetkit::ScreenScriptWriter::AnimationFlags flags;
    flags.clickToPlay = s.HasWord("clickplay");
    flags.stayVisible = s.HasWord("stay");
    flags.withoutFolder = s.HasWord("nofolder");
    if (s.HasOption("file")) {
      script.AnimationFromFile(s.Int(0), s.Int(1), s.Option("file", ""), s.Word(2), flags);
    } else {
      script.Animation(s.Int(0), s.Int(1), s.Word(2), flags);
    }
  } else {
    throw DescriptionError(s.where, "unknown keyword " + k);
  }
}

void Generator::DrawAll(cairo_t* cr, const std::vector<Statement>& lines, int frame, int frames,
                        int depth) const {
  if (depth > 8) throw std::invalid_argument("scenes use each other in a circle");
  for (const Statement& line : lines) {
    cairo_save(cr);
    if (line.keyword == "use") {
      auto scene = scenes_.find(line.Word(0));
      if (scene == scenes_.end()) {
        throw DescriptionError(line.where, "no scene named " + line.Word(0));
      }
      if (line.Words().size() >= 3) cairo_translate(cr, line.Real(1), line.Real(2));
      DrawAll(cr, scene->second, frame, frames, depth + 1);
    } else {
      const auto& painters = Painters();
      auto painter = painters.find(line.keyword);
      if (painter == painters.end()) {
        throw DescriptionError(line.where, "no drawing named " + line.keyword);
      }
      PaintArgs args;
      args.frame = frame;
      args.frames = frames;
      for (size_t i = 0; i < line.Words().size(); ++i)
        args.numbers.push_back(line.Real(i));
      for (const Token& token : line.tokens) {
        if (!token.key.empty()) args.options[token.key] = token.value;
        if (token.quoted) args.text = token.value;
      }
      if (static_cast<int>(args.numbers.size()) < painter->second.numbers) {
        throw DescriptionError(line.where, line.keyword + " needs: " + painter->second.help);
      }
      try {
        painter->second.paint(cr, args);
      } catch (const std::invalid_argument& e) {
        throw DescriptionError(line.where, e.what());
      }
    }
    cairo_restore(cr);
  }
}

void Generator::Picture(const Statement& s) {
  const int w = s.Int(1), h = s.Int(2);
  const int frames = s.IntOption("frames", 1);
  const int rows = s.IntOption("rows", 1);
  if (frames < 1 || rows < 1 || (frames > 1 && rows > 1)) {
    throw DescriptionError(s.where, "a picture has frames= side by side or rows= stacked");
  }
  Canvas canvas(w * frames, h * rows);
  for (int i = 0; i < frames * rows; ++i) {
    cairo_t* cr = canvas.Context();
    cairo_save(cr);
    cairo_translate(cr, (i % frames) * w, (rows > 1 ? i : 0) * h);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    DrawAll(cr, s.children, i, frames * rows, 0);
    cairo_restore(cr);
  }
  const fs::path path = FilePath(s.Word(0), ".png");
  fs::create_directories(path.parent_path());
  if (!assetkit::WritePng(path.string(), s.HasWord("opaque") ? canvas.Opaque() : canvas.Keyed())) {
    throw DescriptionError(s.where, "cannot write " + path.string());
  }
}

void Generator::AnimationFile(const Statement& s) {
  assetkit::Animation animation;
  animation.width = static_cast<uint32_t>(s.Int(1));
  animation.height = static_cast<uint32_t>(s.Int(2));
  animation.colorKey = 0xF800F8;
  animation.frameSeconds = static_cast<float>(s.RealOption("time", 0.1));
  const int frames = s.IntOption("frames", 1);
  if (frames < 1) throw DescriptionError(s.where, "frames= must be at least 1");
  for (int f = 0; f < frames; ++f) {
    Canvas canvas(s.Int(1), s.Int(2));
    DrawAll(canvas.Context(), s.children, f, frames, 0);
    animation.frames.push_back(canvas.Keyed565());
  }
  WriteBytes(FilePath(s.Word(0), ".ani"), assetkit::EncodeAni(animation));
}

void Generator::HitMap(const Statement& s) {
  Canvas canvas(640, 480);
  cairo_t* cr = canvas.Context();
  // No antialiasing: every pixel belongs to exactly one region.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  for (const Statement& region : s.children) {
    const int value = region.Int(0);
    if (value < 0 || value > 254) throw DescriptionError(region.where, "region value 0 to 254");
    if (region.keyword == "rect") {
      cairo_rectangle(cr, region.Real(1), region.Real(2), region.Real(3), region.Real(4));
    } else if (region.keyword == "ellipse") {
      EllipsePath(cr, region.Real(1), region.Real(2), region.Real(3), region.Real(4));
    } else if (region.keyword == "polygon") {
      const size_t corners = (region.Words().size() - 1) / 2;
      if (corners < 3) throw DescriptionError(region.where, "a polygon needs three corners");
      for (size_t i = 0; i < corners; ++i)
        cairo_line_to(cr, region.Real(1 + 2 * i), region.Real(2 + 2 * i));
      cairo_close_path(cr);
    } else {
      throw DescriptionError(region.where, "a hit region is rect, ellipse or polygon");
    }
    cairo_set_source_rgb(cr, value / 255.0, value / 255.0, value / 255.0);
    cairo_fill(cr);
  }
  assetkit::PngPicture picture = canvas.Opaque();
  assetkit::PngPicture grey{640, 480, assetkit::PngColor::kGrey, {}};
  for (size_t i = 0; i < picture.pixels.size(); i += 3)
    grey.pixels.push_back(picture.pixels[i]);
  const fs::path path = FilePath(s.Word(0), ".png");
  fs::create_directories(path.parent_path());
  if (!assetkit::WritePng(path.string(), grey)) {
    throw DescriptionError(s.where, "cannot write " + path.string());
  }
}

void Generator::CursorPicture(const Statement& s) {
  // cursor NAME PICTURE MASK HOTX HOTY static|loop [DELAY] size=N frames=N
  assetkit::CursorEntry cursor{s.Word(0), s.Word(1),           s.Word(2), s.Int(3),
                               s.Int(4),  s.Word(5) == "loop", 0};
  if (!cursor.loop && s.Word(5) != "static") {
    throw DescriptionError(s.where, "a cursor is static or loop");
  }
  if (cursor.loop) cursor.delay = s.Int(6);
  const int size = s.IntOption("size", 32);
  const int frames = s.IntOption("frames", 1);
  Canvas canvas(size * frames, size);
  for (int f = 0; f < frames; ++f) {
    cairo_t* cr = canvas.Context();
    cairo_save(cr);
    cairo_translate(cr, f * size, 0);
    cairo_rectangle(cr, 0, 0, size, size);
    cairo_clip(cr);
    DrawAll(cr, s.children, f, frames, 0);
    cairo_restore(cr);
  }
  for (const auto& [name, picture] : {std::pair{cursor.picture, canvas.CursorPicture()},
                                      std::pair{cursor.mask, canvas.CursorMask()}}) {
    const fs::path path = FilePath(name, ".png");
    fs::create_directories(path.parent_path());
    if (!assetkit::WritePng(path.string(), picture)) {
      throw DescriptionError(s.where, "cannot write " + path.string());
    }
  }
  cursors_.push_back(cursor);
}

void Generator::FrameScript(const Statement& s) {
  // frames BASE FRAME:SECONDS ...
  std::vector<assetkit::FrameStep> steps;
  const std::vector<std::string> words = s.Words();
  for (size_t i = 1; i < words.size(); ++i) {
    const size_t colon = words[i].find(':');
    try {
      if (colon == std::string::npos) throw std::invalid_argument(words[i]);
      steps.push_back(
          {std::stoi(words[i].substr(0, colon)), std::stod(words[i].substr(colon + 1))});
    } catch (const std::logic_error&) {
      throw DescriptionError(s.where, "a frame step is FRAME:SECONDS, not " + words[i]);
    }
  }
  if (steps.empty()) throw DescriptionError(s.where, "a frame script needs steps");
  WriteBytes(FilePath(s.Word(0), ".dat"), assetkit::FrameScriptText(steps));
}

void Generator::TextFile(const Statement& s) {
  // text PATH, then one `line "TEXT"` per line of the file
  std::string text;
  for (const Statement& line : s.children) {
    if (line.keyword != "line") throw DescriptionError(line.where, "a text file holds only lines");
    text += line.Quoted() + "\r\n";
  }
  WriteBytes(FilePath(s.Word(0), ""), text);
}

void Generator::Effect(const Statement& s) {
  const std::vector<uint8_t> wav = assetkit::ImaAdpcmWav(MakeEffect(s.Word(1)));
  WriteBytes(FilePath(s.Word(0), ".wav"), std::string(wav.begin(), wav.end()));
}

void Generator::Finish() {
  std::vector<Utterance> utterances;
  for (const Speech& speech : speeches_)
    utterances.push_back(speech.utterance);
  const fs::path work = out_.parent_path() / (out_.filename().string() + ".speech");
  const std::vector<assetkit::PcmSound> sounds = Synthesise(utterances, work);
  fs::remove_all(work);
  for (size_t i = 0; i < speeches_.size(); ++i) {
    const std::vector<uint8_t> wav = assetkit::ImaAdpcmWav(sounds[i]);
    WriteBytes(FilePath(speeches_[i].base, ".wav"), std::string(wav.begin(), wav.end()));
    if (speeches_[i].mouth) {
      WriteBytes(FilePath(speeches_[i].base, ".dat"),
                 assetkit::FrameScriptText(MouthFrames(sounds[i])));
    }
  }
  for (const auto& [path, script] : scripts_) {
    WriteBytes(FilePath(path, ""), script.Text());
  }
  if (!assetkit::WriteCursorFile((out_ / "Cursors.dat").string(), cursors_)) {
    throw std::runtime_error("cannot write Cursors.dat");
  }
}

}  // namespace rufo::demogen
