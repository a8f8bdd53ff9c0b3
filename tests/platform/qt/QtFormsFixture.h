//===- QtFormsFixture.h - A Qt front end and its application per test ---===//
#pragma once

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/forms/Application.h"
#include "platform/qt/QtFrontEnd.h"
#include "tests/platform/qt/TestWindows.h"

namespace qtui::test {

class QtForms : public ::testing::Test {
 protected:
  QtForms() { Log.clear(); }
  ~QtForms() override { QApplication::processEvents(); }

  /// The widget of `control`, failing the test when it has none.
  template <class W = QWidget>
  W* Widget(const forms::Control& control) {
    auto* widget = qobject_cast<W*>(Front.WidgetOf(control));
    EXPECT_NE(widget, nullptr) << control.Name();
    return widget;
  }

  QtFrontEnd Front;
  forms::Application App{Front};
};

}  // namespace qtui::test
