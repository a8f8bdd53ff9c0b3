#include "platform/qt/Fonts.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace qtui {
namespace {

TEST(Fonts, SystemNamesMapToMetricCompatibleFamilies) {
  struct Case {
    const char* System;
    const char* Installed;
  };
  const Case cases[] = {
      {"Courier New", "Liberation Mono"}, {"Courier new", "Liberation Mono"},
      {"Courier", "Liberation Mono"},     {"COURIER NEW", "Liberation Mono"},
      {"MS Sans Serif", "Liberation Sans"}, {"DejaVu Sans", "DejaVu Sans"},
      {"Courier New Bold", "Courier New Bold"},
  };
  for (const Case& c : cases) EXPECT_EQ(FontFamily(c.System).toStdString(), c.Installed) << c.System;
}

// The mapping is worth nothing unless the family is really installed: a
// fallback font would put every column of a report out of place.
TEST(Fonts, MappedFamiliesResolveToInstalledFonts) {
  for (bool bold : {false, true}) {
    const QFontInfo mono(PageFont(print::Font{"Courier New", 8, bold}));
    EXPECT_EQ(mono.family().toStdString(), "Liberation Mono");
    EXPECT_TRUE(mono.fixedPitch());
    EXPECT_EQ(mono.bold(), bold);
  }
  const QFontInfo sans(PageFont(print::Font{"MS Sans Serif", 12, false}));
  EXPECT_EQ(sans.family().toStdString(), "Liberation Sans");
}

}  // namespace
}  // namespace qtui
