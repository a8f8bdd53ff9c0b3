// Pictures named by the model, read from files that another user may have
// put anything in place of.
#include "platform/qt/Pictures.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QPixmapCache>

#include <cstdio>
#include <string>

#include "tests/support/NotAFile.h"
#include "tests/support/TestSupport.h"

namespace qtui::test {
namespace {

using kr::testing::TempFolder;

void SavePicture(const std::string& path) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
}

// What is not a file at a picture's name is no picture, at once.
TEST(Pictures, WhatStandsAtAPicturesNameInsteadOfAFileIsNoPicture) {
  TempFolder folder;
  const PictureResolver own = PictureFolder(folder.Path());
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    SCOPED_TRACE(c.What);
    kr::testing::Planted planted(c.Kind, folder / "logo.png");
    const std::optional<std::string> answer = kr::testing::AnswerInChild(
        [&] {
          return std::to_string(PictureFile(folder.Program("LOGO.PNG")).isNull()) +
                 std::to_string(own("logo").isNull());
        },
        deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, "11");
  }
}

// A picture is read through the descriptor it was opened on: a name that is
// a file when looked at and a pipe nobody writes to when opened, swapped
// back and forth meanwhile, never makes the window wait.
TEST(Pictures, APictureSwappedForAPipeMeanwhileNeverHolds) {
  TempFolder folder;
  const std::string picture = folder / "logo.png";
  const std::string pipe = folder / "tubo";
  SavePicture(picture);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
  const pid_t swapper = ::fork();
  ASSERT_GE(swapper, 0);
  if (swapper == 0) {
    for (;;) ::renameat2(AT_FDCWD, picture.c_str(), AT_FDCWD, pipe.c_str(), RENAME_EXCHANGE);
  }
  const std::optional<std::string> answer = kr::testing::AnswerInChild(
      [&] {
        int found = 0;
        for (int n = 0; n < 2000; ++n) {
          QPixmapCache::clear();  // each call reads the file, as the first one does
          found += !PictureFile(picture).isNull();
        }
        return std::to_string(found);
      },
      kr::testing::HangDeadline());
  ::kill(swapper, SIGKILL);
  ::waitpid(swapper, nullptr, 0);
  ASSERT_TRUE(answer) << "still waiting";
}

}  // namespace
}  // namespace qtui::test
