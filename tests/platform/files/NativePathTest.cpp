#include "platform/files/NativePath.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/FileSystem.h"
#include "tests/support/TestSupport.h"

namespace vb {
namespace {

using kr::testing::KeepCurrentFolder;
using kr::testing::TempFolder;

class NativePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root.Write("KR/RPT/00000001.PRN", "x");
    Root.Write("KR/0917/KR917", "x");
    Root.Write("Ñandú/Año.txt", "x");
  }
  TempFolder Root;
};

TEST_F(NativePathTest, MapsBackslashesAndFindsComponentsIgnoringCase) {
  struct Case {
    const char* program;
    const char* native;
  } cases[] = {
      {"KR\\RPT\\00000001.PRN", "KR/RPT/00000001.PRN"},
      {"kr\\rpt\\00000001.prn", "KR/RPT/00000001.PRN"},
      {"Kr/Rpt\\00000001.Prn", "KR/RPT/00000001.PRN"},
      {"kr\\0917\\kr917", "KR/0917/KR917"},
      {"ñANDÚ\\AÑO.TXT", "Ñandú/Año.txt"},
      // A file about to be created keeps its name; its folders are still found.
      {"kr\\rpt\\00000002.PRN", "KR/RPT/00000002.PRN"},
      // Past the first component that matches nothing, the rest is as written.
      {"kr\\Nuevo\\Rpt\\a.txt", "KR/Nuevo/Rpt/a.txt"},
      {"kr\\rpt\\", "KR/RPT/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NativePath(Root.Program(c.program)), Root.Path() + "/" + c.native) << c.program;
  }
}

TEST_F(NativePathTest, PrefersTheExactNameOverAnotherCase) {
  Root.Write("KR/RPT/mens.txt", "lower");
  Root.Write("KR/RPT/MENS.TXT", "upper");
  EXPECT_EQ(NativePath(Root.Program("KR\\RPT\\MENS.TXT")), Root.Path() + "/KR/RPT/MENS.TXT");
  EXPECT_EQ(NativePath(Root.Program("KR\\RPT\\mens.txt")), Root.Path() + "/KR/RPT/mens.txt");
}

// A folder found once is remembered, but never trusted past what is there now.
TEST_F(NativePathTest, AFolderFoundOnceIsFoundAgainAfterItChanges) {
  EXPECT_EQ(NativePath(Root.Program("kr\\rpt\\00000001.prn")), Root.Path() + "/KR/RPT/00000001.PRN");
  EXPECT_EQ(NativePath(Root.Program("kr\\rpt\\00000001.prn")), Root.Path() + "/KR/RPT/00000001.PRN");
  std::filesystem::rename(Root / "KR/RPT", Root / "KR/Rpt");
  EXPECT_EQ(NativePath(Root.Program("kr\\rpt\\00000001.prn")), Root.Path() + "/KR/Rpt/00000001.PRN");
  Root.Write("KR/Rpt/Otro.txt", "x");
  EXPECT_EQ(NativePath(Root.Program("kr\\rpt\\otro.TXT")), Root.Path() + "/KR/Rpt/Otro.txt");
  EXPECT_EQ(NativePath(Root.Program("kr\\rpt\\nuevo.txt")), Root.Path() + "/KR/Rpt/nuevo.txt");
}

TEST_F(NativePathTest, RelativePathsStartAtTheCurrentFolder) {
  KeepCurrentFolder keep;
  ChDir(Root.Program("kr\\"));
  EXPECT_EQ(NativePath("rpt\\00000001.prn"), "RPT/00000001.PRN");
  EXPECT_EQ(NativePath("..\\kr\\RPT"), "../KR/RPT");
}

}  // namespace
}  // namespace vb
