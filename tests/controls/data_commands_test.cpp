#include <gtest/gtest.h>

#include <string>

#include "platform/cp1250.h"
#include "tests/controls/control_assets.h"
#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tools/assetkit/ani_file.h"

namespace rufo {
namespace {

// Runs rufo-data with the arguments; its standard output, and the exit code in *code.
std::string RufoData(const std::string& arguments, int* code) {
  return test::RunCommand("(" + test::BuiltProgram("rufo-data") + " " + arguments + " 2>/dev/null)",
                          code);
}

TEST(AniCommandTest, PrintsTheHeaderAndWritesEveryFrame) {
  test::TempFolder folder;
  assetkit::Animation animation = test::PlainFrames(2);
  animation.frames[1][3] = assetkit::Rgb565(255, 0, 255);
  animation.colorKey = 0xF800F8;
  animation.frameSeconds = 0.25f;
  std::string bytes = assetkit::EncodeAni(animation);
  const std::string in = folder.Write("pes.ani", bytes).string();
  int code = -1;
  const std::string out = RufoData("ani '" + in + "' '" + folder.Root() + "frames'", &code);
  EXPECT_EQ(code, 0);
  EXPECT_NE(out.find("size 4 x 2, 16 bits per pixel"), std::string::npos) << out;
  EXPECT_NE(out.find("colour key 0xF800F8"), std::string::npos) << out;
  EXPECT_NE(out.find("2 frames, 0.25 s each"), std::string::npos) << out;
  for (int f = 0; f < 2; ++f) {
    std::vector<uint32_t> expected;
    for (uint16_t p : animation.frames[f])
      expected.push_back(((p & 0xF800) << 8) | ((p & 0x7E0) << 5) | ((p & 0x1F) << 3));
    EXPECT_EQ(test::ReadPicture(folder.Root() + "frames/frame00" + std::to_string(f) + ".png"),
              expected)
        << "frame " << f;
  }

  // A damaged frame is reported; the others are still written.
  bytes[static_cast<uint8_t>(bytes[36]) | (static_cast<uint8_t>(bytes[37]) << 8)] = 'X';
  const std::string damaged = folder.Write("damaged.ani", bytes).string();
  RufoData("ani '" + damaged + "' '" + folder.Root() + "damaged'", &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(test::ReadPicture(folder.Root() + "damaged/frame000.png").size(), 8u);
  EXPECT_TRUE(test::ReadPicture(folder.Root() + "damaged/frame001.png").empty());

  RufoData("ani '" + folder.Root() + "pes.ani.missing' '" + folder.Root() + "x'", &code);
  EXPECT_EQ(code, 1);
  RufoData("ani '" + in + "'", &code);
  EXPECT_EQ(code, 2);
}

TEST(ScreenCommandTest, PrintsTheTableOfKeywordAndFlagRules) {
  test::TempFolder folder;
  const std::string path =
      folder
          .Write("screen.dat",
                 platform::Utf8ToCp1250("; a comment, then a blank line\r\n\r\n"
                                        "EMPTY\r\n"
                                        "BG=Bitmaps\\bg,POZADI\r\n"
                                        "ANI=0,0,KOČKA\r\n"
                                        "BITMAP=10,20,pic,A,flags=CF_HIDDEN,CF_HIDDEN\r\n"
                                        "BITMAP=10,20,pic,A,flags=X,CF_HIDDEN\r\n"
                                        "BITMAP=120,40,pic,LO\tGO,flags=CF_HIDDEN\r\n"
                                        "PATH_AX=anim\\\r\n"
                                        "ANIMAL=100,50,DOG\r\n"
                                        "ANI=100,50,DOG,flags=HD_PATH\r\n"
                                        "ANI=0,0,source,dog,PES,flags=CLK_PLAY\r\n"
                                        "ANI=0,0,sourcery,x,Y,flags=CLK_PL,END_PLAY_NH\r\n"
                                        "ANI=0,0,source,cat,KOCKA,flags=HD_PATH,CLK_PLAY\r\n"
                                        "ANI=0,0,KRTEK,flags=END_PLAY_NH,BOGUS,CLK_PLAY\r\n"
                                        "ABITMAX=-3, 4,faces,FACE,8,flags=CF_HIDDEN\r\n"
                                        "BUTTONS=1,2,ok,OK,17\r\n"
                                        "ani=1,1,lower\r\n"
                                        "BITMA=1,1,short"))
          .string();
  int code = -1;
  EXPECT_EQ(RufoData("screen '" + path + "'", &code),
            "index\ttype\tat\tname\tpath\tnumber\tflags\tcontrol\thit\n"
            "0\tEMPTY\t0,0\t\t\t0\t0x0\t-\t255\n"
            "1\tBG\t0,0\tPOZADI\tBitmaps\\bg\t0\t0x0\t-\t255\n"
            "2\tANI\t0,0\tKOČKA\tKOČKA\t0\t0x8000\t0xFF02\t1\n"
            "3\tBITMAP\t10,20\tA\tpic\t0\t0x80\t0xFF03\t255\n"
            "4\tBITMAP\t10,20\tA\tpic\t0\t0x0\t0xFF04\t255\n"
            "5\tBITMAP\t120,40\tLOGO\tpic\t0\t0x80\t0xFF05\t255\n"
            "6\tANI\t100,50\tDOG\tanim\\DOG\t0\t0x8000\t0xFF06\t5\n"
            "7\tANI\t100,50\tDOG\tDOG\t0\t0x8000\t0xFF07\t6\n"
            "8\tANI\t0,0\tPES\tanim\\dog\t0\t0xC000\t0xFF08\t7\n"
            "9\tANI\t0,0\tY\tanim\\x\t0\t0x4000\t0xFF09\t8\n"
            "10\tANI\t0,0\tKOCKA\tanim\\cat\t0\t0x8000\t0xFF0A\t9\n"
            "11\tANI\t0,0\tKRTEK\tanim\\KRTEK\t0\t0x0\t0xFF0B\t10\n"
            "12\tABITMAP\t-3,4\tFACE\tfaces\t8\t0x80\t0xFF0C\t255\n"
            "13\tBUTTON\t1,2\tOK\tok\t0\t0x0\t0xFF0D\t255\n");
  EXPECT_EQ(code, 0);

  const std::string first = folder.Write("first.dat", "ANI=3,4,PRVNI\n").string();
  EXPECT_EQ(RufoData("screen '" + first + "'", &code),
            "index\ttype\tat\tname\tpath\tnumber\tflags\tcontrol\thit\n"
            "0\tANI\t3,4\tPRVNI\tPRVNI\t0\t0x8000\t0xFF00\t255\n");
  RufoData("screen '" + path + ".missing'", &code);
  EXPECT_EQ(code, 1);
  RufoData("screen", &code);
  EXPECT_EQ(code, 2);
}

}  // namespace
}  // namespace rufo
