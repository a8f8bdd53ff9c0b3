// One QApplication for the whole binary, made as the programs make theirs,
// on the offscreen platform so the tests need no display.
#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>

#include "platform/qt/FrontEndChoice.h"

namespace {

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    App_ = qtui::StartQt(Argc_, Argv_);
    // QApplication takes the environment's locale; keep the comma-decimal
    // one the test main chose, so a dependence on it still shows.
    if (const char* name = std::getenv("KR_TEST_LOCALE")) std::setlocale(LC_ALL, name);
  }
  void TearDown() override { App_.reset(); }

 private:
  int Argc_ = 1;
  char Name_[16] = "qt_tests";
  char* Argv_[2] = {Name_, nullptr};
  std::unique_ptr<QApplication> App_;
};

[[maybe_unused]] testing::Environment* const kQtEnvironment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
