// The stand-in's windows as its pictures show them (the control gallery
// shows every kind of control of the front end): no label's caption and no
// grid header's caption is cut off by its box.
#include <QWidget>

#include <gtest/gtest.h>

#include "host/Screenshots.h"
#include "tests/support/CaptionFit.h"
#include "tests/support/SampleFixture.h"

namespace dexlora {
namespace {

TEST(HostWindows, EveryCaptionFitsItsBox) {
  kr::testing::SampleInstallation sample;
  int seen = 0;
  const int failed = VisitScreenshots(sample.Layout(), [&seen](const qtui::Shot& shot, QWidget& window) {
    ++seen;
    for (const kr::testing::CutCaption& cut : kr::testing::CutCaptions(window)) {
      ADD_FAILURE() << shot.Name << " (" << window.windowTitle().toStdString() << "): " << kr::testing::Describe(cut);
    }
    return true;
  });
  EXPECT_EQ(failed, 0) << "windows not shown";
  EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace dexlora
