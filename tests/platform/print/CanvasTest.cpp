#include "platform/print/Canvas.h"

#include <gtest/gtest.h>

namespace print {
namespace {

TEST(Canvas, PageBreakIsTakenLazily) {
  Recorder r;
  r.DrawText(150, 2900, "RUC", Font{});
  r.NewPage();
  r.DrawText(10, 175, "second", Font{});
  r.NewPage();  // a break followed by the end adds no blank sheet
  EXPECT_FALSE(r.Ended());
  r.EndDocument();
  EXPECT_TRUE(r.Ended());
  ASSERT_EQ(r.Pages().size(), 2u);
  EXPECT_EQ(std::get<TextItem>(r.Pages()[1].Items()[0]).Text, "second");
}

TEST(Canvas, OrientationHoldsFromThePageItIsSetOn) {
  Recorder r;
  r.DrawText(0, 0, "p1", Font{});
  r.SetOrientation(Orientation::Landscape);  // the page already begun keeps its orientation
  r.NewPage();
  r.DrawText(0, 0, "p2", Font{});
  r.EndDocument();
  EXPECT_EQ(r.Pages()[0].Orientation(), Orientation::Portrait);
  EXPECT_EQ(r.Pages()[1].Orientation(), Orientation::Landscape);
}

TEST(Canvas, RectangleIsFourLinesWhateverTheCornerOrder) {
  Page a, b;
  a.DrawRect(150, 2820, 11000, 3090);
  b.DrawRect(11000, 3090, 150, 2820);
  ASSERT_EQ(a.Items().size(), 4u);
  auto span = [](const Page& p) {
    int minX = 1 << 30, maxX = -1;
    for (const Item& i : p.Items()) {
      const auto& l = std::get<LineItem>(i);
      minX = std::min({minX, l.X1, l.X2});
      maxX = std::max({maxX, l.X1, l.X2});
    }
    return std::pair{minX, maxX};
  };
  EXPECT_EQ(span(a), span(b));
}

TEST(Canvas, VbColoursAreBlueGreenRed) {
  EXPECT_EQ(FromVbColor(0x00FFFFC0u), 0xC0FFFFu);  // light cyan: red 192, green 255, blue 255
  EXPECT_EQ(FromVbColor(0x80000005u), kWhite);     // the window background
}

}  // namespace
}  // namespace print
