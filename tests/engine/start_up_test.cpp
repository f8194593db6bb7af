#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_cursors.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kBuildData = fs::path(RUFO_BINARY_DIR) / "data";

// The program started as a desktop menu starts it: no configuration folder of our choosing
// (the XDG folders decide), no terminal to read; what went wrong is in the log and, headless,
// on standard error where the message box would be.
class StartUpTest : public ::testing::Test {
 protected:
  // Runs the program from the folder here/ with the environment changed as given; returns what
  // it printed, with its exit code in *exitCode.
  std::string Run(int* exitCode, const std::map<std::string, std::string>& changes = {}) const {
    std::map<std::string, std::string> env = {{"RUFO_HEADLESS", "1"},
                                              {"RUFO_CONFIG_DIR", ""},
                                              {"XDG_CONFIG_HOME", folder_.Root() + "config"},
                                              {"XDG_DATA_HOME", folder_.Root() + "share"},
                                              {"XDG_RUNTIME_DIR", folder_.Root()},
                                              {"RUFO_RUN_MS", "2000"}};
    for (const auto& [name, value] : changes)
      env[name] = value;
    fs::create_directories(folder_.Path() / "here");
    std::string command = "cd '" + folder_.Root() + "here/' &&";
    for (const auto& [name, value] : env)
      command += " " + name + "='" + value + "'";
    return test::RunCommand(command + " '" + test::BuiltProgram("rufo") + "' </dev/null", exitCode);
  }
  void WriteIni(const std::string& text) const { folder_.Write("config/rufo/rufo.ini", text); }
  std::string Ini() const { return folder_.Read("config/rufo/rufo.ini"); }
  std::string Log() const { return folder_.Read("share/rufo/Debug.log"); }

  test::TempFolder folder_;
};

TEST_F(StartUpTest, FirstRunWritesTheConfigurationThenKeepsThePlayersOwn) {
  if (!fs::exists(kBuildData / ".demogen")) GTEST_SKIP() << "no generated data";
  int exitCode = -1;
  std::string output = Run(&exitCode);
  ASSERT_EQ(exitCode, 0) << output;
  const std::string runtime = folder_.Root() + "share/rufo/";
  EXPECT_EQ(Ini(), "[Rufo I]\nCD=" + (fs::canonical(RUFO_BINARY_DIR) / "data").string() +
                       "/\nHD=" + runtime + "\n")
      << "a run from the build folder uses the data generated beside it";
  EXPECT_NE(Log().find("HD=" + runtime + "\n"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Interface::Init () OK\n"), std::string::npos) << Log();

  const std::string own = Ini() + "Third path=" + folder_.Root() + "\n";
  WriteIni(own);
  output = Run(&exitCode);
  ASSERT_EQ(exitCode, 0) << output;
  EXPECT_EQ(Ini(), own);
}

// Each start that cannot succeed: the reason in Czech in the log and the message, and the
// process fails. An INI file that does not say where the data is, for want of its section or of
// its CD= line, would have the data looked for in the folder the game was started from (where
// the log then goes): the message names the line to mend rather than the first missing file.
TEST_F(StartUpTest, AStartThatCannotSucceedSaysWhyInCzechAndFails) {
  test::WriteTestCursors(folder_, "data/");
  const std::string ini = folder_.Root() + "config/rufo/rufo.ini";
  const std::string runtime = "\nHD=" + folder_.Root() + "share/rufo/\n";
  const std::string here = "\nHD=" + folder_.Root() + "here/\n";
  const std::string noCdLine =
      "Hru nelze spustit: v souboru " + ini +
      " chybí řádek CD= (v oddílu [Rufo I]), který říká, kde jsou data hry. Doplňte ho, nebo "
      "soubor smažte a hra si ho při příštím spuštění vytvoří znovu.";
  const struct {
    std::string ini;
    std::map<std::string, std::string> env;
    std::string message;
    std::string log;
  } cases[] = {
      {"[Rufo I]\nCD=" + folder_.Root() + "gone/" + runtime,
       {},
       "Hru nelze spustit: ve složce „" + folder_.Root() +
           "gone/“ nejsou její data. Nainstalujte hru znovu, nebo opravte řádek CD= v souboru " +
           ini + ".",
       "share/rufo/Debug.log"},
      {"[Rufo I]\nCD=" + folder_.Root() + "data/" + runtime,
       {{"RUFO_HEADLESS", "0"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", ""}},
       "Hru nelze spustit: nepodařilo se otevřít okno na obrazovce (není k dispozici žádná "
       "obrazovka).",
       "share/rufo/Debug.log"},
      {"CD=" + folder_.Root() + "data/" + here, {}, noCdLine, "here/Debug.log"},
      {"[Rufo I]" + here, {}, noCdLine, "here/Debug.log"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    WriteIni(c.ini);
    int exitCode = -1;
    const std::string output = Run(&exitCode, c.env);
    EXPECT_EQ(exitCode, 255);
    EXPECT_NE(output.find("Chyba: " + c.message + "\n"), std::string::npos) << output;
    EXPECT_NE(folder_.Read(c.log).find(c.message + "\nExit code: ffffffff"), std::string::npos)
        << folder_.Read(c.log);
  }
}

// A runtime folder the player removed is made again; a data root spelt in another letter case
// is found.
TEST_F(StartUpTest, AMissingRuntimeFolderAndAMisspeltDataRootStillStart) {
  test::WriteTestCursors(folder_, "data/");
  for (const char* data : {"data/", "DATA/"}) {
    fs::remove_all(folder_.Path() / "share");
    WriteIni("[Rufo I]\nCD=" + folder_.Root() + data + "\nHD=" + folder_.Root() + "share/rufo/\n");
    int exitCode = -1;
    const std::string output = Run(&exitCode);
    EXPECT_EQ(exitCode, 0) << data << output;
    EXPECT_NE(Log().find("Interface::Init () OK\n"), std::string::npos) << data;
  }
}

}  // namespace
}  // namespace rufo
