#include "platform/qt/PageImage.h"

#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include "platform/qt/PageWidget.h"
#include "tests/platform/qt/SampleReport.h"

namespace qtui {
namespace {

constexpr std::uint32_t kLightCyan = 0xC0FFFF;

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// How many dark pixels lie inside `r`.
int DarkIn(const QImage& image, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) n += Dark(image, x, y);
  }
  return n;
}

// The rightmost column holding a dark pixel in rows [top, bottom].
int RightmostDark(const QImage& image, int top, int bottom) {
  for (int x = image.width() - 1; x >= 0; --x) {
    for (int y = top; y <= bottom; ++y) {
      if (Dark(image, x, y)) return x;
    }
  }
  return -1;
}

class PageImageTest : public testing::Test {
 protected:
  void SetUp() override {
    test::DrawSampleReport(Report);
    ASSERT_EQ(Report.Pages().size(), 3u);
    First = Report.Pages()[0];
    First.SetBackColor(kLightCyan);
  }

  print::Recorder Report;
  print::Page First;
};

TEST_F(PageImageTest, PageIsPaintedOverItsBackgroundAtScreenScale) {
  const QImage image = PageImage(First);
  ASSERT_EQ(image.size(), QSize(816, 1056));  // Letter at 15 twips per pixel
  EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, kLightCyan);
  EXPECT_EQ(image.pixel(800, 1040) & 0xFFFFFF, kLightCyan);
}

TEST_F(PageImageTest, TextHangsFromItsTopLeftCorner) {
  const QImage image = PageImage(First);
  // The 12-point title at (1500, 300) twips: pixel (100, 20), 16 pixels tall.
  EXPECT_EQ(DarkIn(image, QRect(90, 0, 200, 19)), 0) << "nothing above the text's top";
  EXPECT_GT(DarkIn(image, QRect(100, 20, 200, 16)), 100);
  // The 8-point line at (150, 1200): pixel (10, 80), about 11 pixels tall.
  EXPECT_GT(DarkIn(image, QRect(10, 80, 120, 11)), 50);
  EXPECT_EQ(DarkIn(image, QRect(0, 94, 300, 90)), 0) << "nothing below the 8-point line";
}

TEST_F(PageImageTest, RectangleIsDrawnWithHairlines) {
  const QImage image = PageImage(First);
  // (150, 2820)-(11000, 3090) twips: columns 10 and 733, rows 188 and 206.
  for (int x : {200, 400, 700}) {
    EXPECT_TRUE(Dark(image, x, 188)) << x;
    EXPECT_TRUE(Dark(image, x, 206)) << x;
    EXPECT_FALSE(Dark(image, x, 187)) << x;
    EXPECT_FALSE(Dark(image, x, 189)) << x;
    EXPECT_FALSE(Dark(image, x, 197)) << x;
  }
  EXPECT_TRUE(Dark(image, 10, 197));
  EXPECT_TRUE(Dark(image, 733, 197));
  EXPECT_FALSE(Dark(image, 11, 197));
}

TEST_F(PageImageTest, LandscapePageIsWideAndHoldsTextBeyondPortraitWidth) {
  const QImage image = PageImage(Report.Pages()[2]);
  ASSERT_EQ(image.size(), QSize(1056, 816));
  EXPECT_GT(DarkIn(image, QRect(867, 40, 50, 11)), 20);  // "Hoja apaisada" at (13000, 600)
  EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, print::kWhite);
}

// Columns laid out in twips must line up whatever the text's length: a long
// line ends where a short text placed at its last character ends.
TEST_F(PageImageTest, CharacterAdvancesFollowTheTwipGrid) {
  print::Page page;
  const std::string line(100, 'M');
  page.DrawText(150, 5000, line, test::kBodyFont);
  page.DrawText(150 + 99 * 96, 5400, "M", test::kBodyFont);  // 8-point Courier: 96 twips a character
  const QImage image = PageImage(page);
  const int longEnd = RightmostDark(image, 333, 345);
  const int shortEnd = RightmostDark(image, 360, 372);
  ASSERT_GT(shortEnd, 600);
  EXPECT_NEAR(longEnd, shortEnd, 1);
}

TEST_F(PageImageTest, WidgetShowsThePageAsTheImageDoes) {
  PageWidget widget;
  widget.SetPage(First);
  EXPECT_EQ(widget.sizeHint(), QSize(816, 1056));
  widget.resize(widget.sizeHint());
  EXPECT_EQ(widget.grab().toImage().convertToFormat(QImage::Format_RGB32), PageImage(First));

  widget.SetPage(Report.Pages()[2]);
  EXPECT_EQ(widget.sizeHint(), QSize(1056, 816));
  widget.SetPaper(QPageSize(QPageSize::A4));
  EXPECT_EQ(widget.sizeHint(), QSize(1123, 794));
}

TEST_F(PageImageTest, PngFileHoldsThePage) {
  QTemporaryDir dir;
  const QString path = dir.filePath("page.png");
  ASSERT_TRUE(SavePagePng(First, path));
  const QImage read(path);
  ASSERT_EQ(read.size(), QSize(816, 1056));
  EXPECT_EQ(read.pixel(5, 5) & 0xFFFFFF, kLightCyan);
  EXPECT_TRUE(Dark(read, 200, 188));
  EXPECT_FALSE(SavePagePng(First, dir.filePath("missing/page.png")));
}

}  // namespace
}  // namespace qtui
