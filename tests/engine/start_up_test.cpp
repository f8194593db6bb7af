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
  std::map<std::string, std::string> Env() const {
    return {{"RUFO_HEADLESS", "1"},
            {"RUFO_CONFIG_DIR", ""},
            {"XDG_CONFIG_HOME", folder_.Root() + "config"},
            {"XDG_DATA_HOME", folder_.Root() + "share"},
            {"XDG_RUNTIME_DIR", folder_.Root()},
            {"RUFO_RUN_MS", "2000"}};
  }
  std::string Ini() const { return folder_.Read("config/rufo/rufo.ini"); }
  std::string Log() const { return folder_.Read("share/rufo/Debug.log"); }

  test::TempFolder folder_;
};

TEST_F(StartUpTest, FirstRunWritesTheConfigurationThenKeepsThePlayersOwn) {
  if (!fs::exists(kBuildData / ".demogen")) GTEST_SKIP() << "no generated data";
  test::Process first(test::BuiltProgram("rufo"), {}, Env());
  ASSERT_TRUE(first.Start());
  ASSERT_EQ(first.Wait(), 0) << first.StandardError();
  const std::string runtime = folder_.Root() + "share/rufo/";
  EXPECT_EQ(Ini(), "[Rufo I]\nCD=" + (fs::canonical(RUFO_BINARY_DIR) / "data").string() +
                       "/\nHD=" + runtime + "\n")
      << "a run from the build folder uses the data generated beside it";
  EXPECT_NE(Log().find("HD=" + runtime + "\n"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Interface::Init () OK\n"), std::string::npos) << Log();

  const std::string own = Ini() + "Third path=" + folder_.Root() + "\n";
  folder_.Write("config/rufo/rufo.ini", own);
  test::Process second(test::BuiltProgram("rufo"), {}, Env());
  ASSERT_TRUE(second.Start());
  ASSERT_EQ(second.Wait(), 0) << second.StandardError();
  EXPECT_EQ(Ini(), own);
}

// Each start that cannot succeed: the reason in Czech in the log and the message, and the
// process fails.
TEST_F(StartUpTest, AStartThatCannotSucceedSaysWhyInCzechAndFails) {
  test::WriteTestCursors(folder_, "data/");
  const std::string ini = folder_.Root() + "config/rufo/rufo.ini";
  struct Case {
    const char* what;
    std::string dataRoot;
    std::map<std::string, std::string> env;
    std::string message;
  };
  const Case cases[] = {
      {"no data folder",
       folder_.Root() + "gone/",
       {},
       "Hru nelze spustit: ve složce „" + folder_.Root() +
           "gone/“ nejsou její data. Nainstalujte hru znovu, nebo opravte řádek CD= v souboru " +
           ini + "."},
      {"no display",
       folder_.Root() + "data/",
       {{"RUFO_HEADLESS", "0"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"SDL_VIDEODRIVER", ""}},
       "Hru nelze spustit: nepodařilo se otevřít okno na obrazovce (není k dispozici žádná "
       "obrazovka)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    folder_.Write("config/rufo/rufo.ini",
                  "[Rufo I]\nCD=" + c.dataRoot + "\nHD=" + folder_.Root() + "share/rufo/\n");
    auto env = Env();
    for (const auto& [name, value] : c.env)
      env[name] = value;
    test::Process rufo(test::BuiltProgram("rufo"), {}, env);
    ASSERT_TRUE(rufo.Start());
    EXPECT_EQ(rufo.Wait(), 255);
    EXPECT_NE(rufo.StandardError().find("Chyba: " + c.message + "\n"), std::string::npos)
        << rufo.StandardError();
    EXPECT_NE(Log().find(c.message + "\nExit code: ffffffff"), std::string::npos) << Log();
  }
}

// An INI file that does not say where the data is, for want of its section or of its CD= line:
// the data would be looked for in the folder the game was started from. The message names the
// line to mend rather than the first file that is not there.
TEST_F(StartUpTest, AnIniFileThatDoesNotSayWhereTheDataIsNamesTheCdLine) {
  const std::string ini = folder_.Root() + "config/rufo/rufo.ini";
  const std::string message =
      "Hru nelze spustit: v souboru " + ini +
      " chybí řádek CD= (v oddílu [Rufo I]), který říká, kde jsou data hry. Doplňte ho, nebo "
      "soubor smažte a hra si ho při příštím spuštění vytvoří znovu.";
  const std::string here = folder_.Root() + "here/";
  fs::create_directories(here);
  for (const std::string& text :
       {"CD=" + folder_.Root() + "data/\nHD=" + here + "\n", "[Rufo I]\nHD=" + here + "\n"}) {
    SCOPED_TRACE(text);
    folder_.Write("config/rufo/rufo.ini", text);
    // Without the section the log goes to the folder the game was started from.
    std::string command = "cd '" + here + "' &&";
    for (const auto& [name, value] : Env())
      command += " " + name + "='" + value + "'";
    int exitCode = 0;
    const std::string output =
        test::RunCommand(command + " '" + test::BuiltProgram("rufo") + "'", &exitCode);
    EXPECT_EQ(exitCode, 255);
    EXPECT_NE(output.find("Chyba: " + message + "\n"), std::string::npos) << output;
    EXPECT_NE(folder_.Read("here/Debug.log").find(message + "\nExit code: ffffffff"),
              std::string::npos)
        << folder_.Read("here/Debug.log");
  }
}

// A runtime folder the player removed is made again; a data root spelt in another letter case
// is found.
TEST_F(StartUpTest, AMissingRuntimeFolderAndAMisspeltDataRootStillStart) {
  test::WriteTestCursors(folder_, "data/");
  for (const char* data : {"data/", "DATA/"}) {
    fs::remove_all(folder_.Path() / "share");
    folder_.Write("config/rufo/rufo.ini", "[Rufo I]\nCD=" + folder_.Root() + data +
                                              "\nHD=" + folder_.Root() + "share/rufo/\n");
    test::Process rufo(test::BuiltProgram("rufo"), {}, Env());
    ASSERT_TRUE(rufo.Start());
    EXPECT_EQ(rufo.Wait(), 0) << data << rufo.StandardError();
    EXPECT_NE(Log().find("Interface::Init () OK\n"), std::string::npos) << data;
  }
}

}  // namespace
}  // namespace rufo
