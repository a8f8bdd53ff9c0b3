// Choosing the front end from the environment, and the translations the Qt
// front end relies on: Qt keys as the model's key strokes, editor positions
// as the model's character positions.
#include <gtest/gtest.h>

#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Constants.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/KeyMapping.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/qt/TextPositions.h"
#include "tests/support/TestSupport.h"

namespace qtui {
namespace {

using kr::testing::ScopedEnv;

struct Desktop {
  const char* Platform;
  const char* X;
  const char* Wayland;
  bool Display;
};

TEST(FrontEndChoice, QtOnlyWhenThereIsADisplay) {
  const Desktop cases[] = {
      {nullptr, nullptr, nullptr, false},
      {"offscreen", nullptr, nullptr, true},
      {nullptr, nullptr, "wayland-0", true},
      {nullptr, ":98765", nullptr, false},  // a DISPLAY whose server does not answer
      {"", "", "", false},
  };
  for (const Desktop& d : cases) {
    ScopedEnv platform("QT_QPA_PLATFORM", d.Platform), x("DISPLAY", d.X), wayland("WAYLAND_DISPLAY", d.Wayland);
    EXPECT_EQ(DisplayAvailable(), d.Display) << (d.Platform ? d.Platform : "-") << " " << (d.X ? d.X : "-");
    int argc = 1;
    char name[] = "programa";
    char* argv[] = {name, nullptr};
    ChosenFrontEnd chosen = ChooseFrontEnd(argc, argv);
    EXPECT_EQ(chosen.Qt() != nullptr, d.Display);
    if (!d.Display) {
      EXPECT_NE(dynamic_cast<forms::ConsoleFrontEnd*>(&chosen.Front()), nullptr);
    }
    chosen.Run();  // no window is loaded: returns at once
  }
}

// A program that runs unattended takes Qt only where a person sees its windows.
TEST(FrontEndChoice, UnattendedProgramsTakeQtOnlyWhereAPersonSeesIt) {
  const Desktop cases[] = {
      {"offscreen", nullptr, nullptr, false},
      {"offscreen:fontengine=freetype", nullptr, "wayland-0", false},
      {"minimal", nullptr, nullptr, false},
      {"xcb", nullptr, nullptr, false},
      {"xcb", ":98765", nullptr, false},
      {"wayland", nullptr, nullptr, false},
      {nullptr, ":98765", nullptr, false},
      {nullptr, nullptr, nullptr, false},
      {"wayland", nullptr, "wayland-0", true},
      {nullptr, nullptr, "wayland-0", true},
      {"vnc", nullptr, nullptr, true},
  };
  for (const Desktop& d : cases) {
    ScopedEnv platform("QT_QPA_PLATFORM", d.Platform), x("DISPLAY", d.X), wayland("WAYLAND_DISPLAY", d.Wayland);
    SCOPED_TRACE(std::string(d.Platform ? d.Platform : "-") + " " + (d.X ? d.X : "-") + " " +
                 (d.Wayland ? d.Wayland : "-"));
    EXPECT_EQ(PersonCanSee(), d.Display);
    int argc = 1;
    char name[] = "programa";
    char* argv[] = {name, nullptr};
    ChosenFrontEnd chosen = ChooseFrontEnd(argc, argv, Audience::Person);
    EXPECT_EQ(chosen.Qt() != nullptr, d.Display);
    if (!d.Display) {
      EXPECT_NE(dynamic_cast<forms::ConsoleFrontEnd*>(&chosen.Front()), nullptr);
    }
  }
  // KR917's choice stays as it was: the offscreen platform is a display.
  ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
  EXPECT_TRUE(DisplayAvailable());
}

TEST(KeyMapping, QtKeysBecomeTheModelsKeyStrokes) {
  using namespace forms;
  struct Case {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
    KeyStroke Stroke;
  };
  const Case cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", {65, 0, 'a'}},
      {Qt::Key_A, Qt::ShiftModifier, "A", {65, vbShiftMask, 'A'}},
      {Qt::Key_V, Qt::ControlModifier, "\x16", {86, vbCtrlMask, 22}},
      {Qt::Key_A, Qt::AltModifier, "a", {65, vbAltMask, 0}},
      {Qt::Key_5, Qt::NoModifier, "5", {53, 0, '5'}},
      {Qt::Key_Comma, Qt::NoModifier, ",", {188, 0, ','}},
      {Qt::Key_Ntilde, Qt::NoModifier, "ñ", {192, 0, 0xF1}},
      {Qt::Key_Return, Qt::NoModifier, "\r", {vbKeyReturn, 0, 13}},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", {vbKeyReturn, 0, 13}},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", {vbKeyBack, 0, 8}},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", {vbKeyEscape, 0, 27}},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", {vbKeyDelete, 0, 0}},
      {Qt::Key_Tab, Qt::NoModifier, "\t", {vbKeyTab, 0, 0}},
      {Qt::Key_Backtab, Qt::ShiftModifier, "", {vbKeyTab, vbShiftMask, 0}},
      {Qt::Key_F1, Qt::NoModifier, "", {vbKeyF1, 0, 0}},
      {Qt::Key_Insert, Qt::ShiftModifier, "", {vbKeyInsert, vbShiftMask, 0}},
      {Qt::Key_Space, Qt::NoModifier, " ", {vbKeySpace, 0, ' '}},
      {Qt::Key_Left, Qt::NoModifier, "", {vbKeyLeft, 0, 0}},
      {Qt::Key_unknown, Qt::NoModifier, "", {0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyStrokeOf(c.Key, c.Modifiers, c.Text), c.Stroke) << c.Key << " " << c.Text.toStdString();
  }
}

TEST(TextPositions, LineBreaksAreOneCharacterInTheEditor) {
  const std::string text = "uno\r\ndós\r\n";
  EXPECT_EQ(EditorText(text, true), QStringLiteral("uno\ndós\n"));
  EXPECT_EQ(EditorText(text, false), QStringLiteral("uno\r\ndós\r\n"));
  struct Case {
    long Model;
    int Editor;
  };
  for (Case c : {Case{0, 0}, Case{3, 3}, Case{5, 4}, Case{8, 7}, Case{10, 8}}) {
    EXPECT_EQ(EditorPosition(text, c.Model, true), c.Editor) << c.Model;
    EXPECT_EQ(ModelPosition(text, c.Editor, true), c.Model) << c.Editor;
  }
  EXPECT_EQ(EditorPosition("a😀b", 2, false), 3);  // beyond the BMP: two editor units
  EXPECT_EQ(ModelPosition("a😀b", 3, false), 2);
}

}  // namespace
}  // namespace qtui
