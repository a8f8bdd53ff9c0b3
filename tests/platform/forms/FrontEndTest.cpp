// Message boxes and the front ends: the scripted user's script and what it
// catches, the console front end, help, the clipboard and the pointer.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/forms/Printer.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/platform/forms/ProbeWindows.h"
#include "tests/support/TestSupport.h"

namespace forms::probe {
namespace {

using kr::testing::ErrorNumberOf;

TEST(MessageStyles, ButtonsAndDefaultAnswers) {
  struct Case {
    int Style;
    std::vector<int> Buttons;
    int Default;
    int Icon;
  };
  const Case cases[] = {
      {vbOKOnly, {vbOK}, vbOK, 0},
      {vbCritical, {vbOK}, vbOK, vbCritical},
      {vbOKCancel + vbExclamation + vbDefaultButton2, {vbOK, vbCancel}, vbCancel, vbExclamation},
      {vbYesNoCancel + vbQuestion, {vbYes, vbNo, vbCancel}, vbYes, vbQuestion},
      {vbYesNoCancel + vbDefaultButton3, {vbYes, vbNo, vbCancel}, vbCancel, 0},
      {vbYesNo + vbQuestion + vbDefaultButton2, {vbYes, vbNo}, vbNo, vbQuestion},
      {vbOKOnly + vbInformation + vbDefaultButton3, {vbOK}, vbOK, vbInformation},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageButtons(c.Style), c.Buttons) << c.Style;
    EXPECT_EQ(DefaultAnswer(c.Style), c.Default) << c.Style;
    EXPECT_EQ(MessageIcon(c.Style), c.Icon) << c.Style;
  }
  EXPECT_EQ(ErrorNumberOf([] { MessageButtons(2); }), 5);  // Abort/Retry/Ignore: never asked for
}

class Scripted : public ::testing::Test {
 protected:
  Scripted() { Log.clear(); }
  testing::ScriptedUser User;
  Application App{User};
};

TEST_F(Scripted, AnswersEachBoxFromTheScriptAndRecordsIt) {
  App.App().SetTitle("KR917");
  User.ExpectMsgBox({"¿Confirma que va a eliminar la declaración?", vbYesNo + vbQuestion + vbDefaultButton2,
                     "Eliminar Formularios"},
                    vbYes);
  User.ExpectMsgBox("Hecho", vbOK);
  EXPECT_EQ(MsgBox("¿Confirma que va a eliminar la declaración?", vbYesNo + vbQuestion + vbDefaultButton2,
                   "Eliminar Formularios"),
            vbYes);
  EXPECT_EQ(MsgBox("Hecho", vbInformation), vbOK);
  ASSERT_EQ(User.Messages().size(), 2u);
  EXPECT_EQ(User.Messages()[1], (MessageBox{"Hecho", vbInformation, "KR917"}));  // the title defaults to App.Title
}

TEST_F(Scripted, AStepScriptsWhatItsOwnActionsBringBeforeWhatWaitsAfterIt) {
  User.ExpectModal<frmDialogo>([&](frmDialogo& d) {
    User.ExpectMsgBox("dentro", vbOK);
    MsgBox("dentro");
    User.Click(d.cmdAceptar);
  });
  User.ExpectMsgBox("después", vbOK);
  Default<frmDialogo>().Show(vbModal);
  MsgBox("después");
  EXPECT_EQ(User.Messages().size(), 2u);
}

TEST_F(Scripted, VerifyDoneInsideAStepLeavesTheScriptUsable) {
  User.ExpectModal<frmDialogo>([&](frmDialogo& d) {
    User.ExpectMsgBox("dentro", vbOK);
    MsgBox("dentro");
    User.VerifyDone();
    User.ExpectMsgBox("después del control", vbOK);
    MsgBox("después del control");
    User.Click(d.cmdAceptar);
  });
  Default<frmDialogo>().Show(vbModal);
  User.ExpectModal<frmDialogo>([&](frmDialogo& d) { User.Click(d.cmdAceptar); });
  User.ExpectMsgBox("al final", vbOK);
  Default<frmDialogo>().Show(vbModal);
  MsgBox("al final");
  EXPECT_EQ(User.Messages().size(), 3u);
}

TEST_F(Scripted, WhatTheScriptDidNotExpectFailsTheTest) {
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = MsgBox("sorpresa", vbYesNo + vbDefaultButton2), "unexpected message box");
  EXPECT_EQ(answer, vbNo);  // the default button

  User.ExpectMsgBox({"texto", vbCritical, "Error"}, vbOK);
  EXPECT_NONFATAL_FAILURE(MsgBox("texto", vbExclamation, "Error"), "was expected");

  EXPECT_NONFATAL_FAILURE(Default<frmDialogo>().Show(vbModal), "unexpected modal window frmDialogo");
  EXPECT_FALSE(Default<frmDialogo>().Visible());

  User.ExpectModal("frmDialogo", [](Form&) {});
  EXPECT_NONFATAL_FAILURE(Default<frmDialogo>().Show(vbModal), "still open after its step");
  EXPECT_FALSE(Default<frmDialogo>().Visible());

  User.ExpectMsgBox("nunca", vbOK);
  EXPECT_NONFATAL_FAILURE(User.VerifyDone(), "expected but never shown");

  frmProbe& f = Default<frmProbe>();
  f.Show();
  f.txtB.SetEnabled(false);
  EXPECT_NONFATAL_FAILURE(User.Click(f.txtB), "refused a click on frmProbe.txtB");
}

TEST_F(Scripted, PrintJobsAreRecordedOrCancelledByTheScript) {
  User.ExpectPrint();
  User.ExpectPrintCancel();
  std::shared_ptr<print::Canvas> job = Printer("00000001.PRN");
  job->DrawText(400, 30, "VELTA", print::Font{});
  job->EndDocument();
  EXPECT_EQ(ErrorNumberOf([] { Printer("00000002.PRN"); }), 20545);
  ASSERT_EQ(User.Printed().size(), 1u);
  EXPECT_TRUE(User.Printed()[0]->Ended());
  ASSERT_EQ(User.Printed()[0]->Pages().size(), 1u);
  EXPECT_EQ(std::get<print::TextItem>(User.Printed()[0]->Pages()[0].Items()[0]).Text, "VELTA");

  // Unexpected, the job still goes to a recorder so the program runs on.
  EXPECT_NONFATAL_FAILURE(Printer("00000003.PRN"), "unexpected print job \"00000003.PRN\"");
  EXPECT_EQ(User.Printed().size(), 2u);
  User.ExpectMsgBox("antes", vbOK);
  EXPECT_NONFATAL_FAILURE(Printer("00000004.PRN"), "expected message box \"antes\"");
  MsgBox("antes");
}

TEST_F(Scripted, F1AsksForTheTopicOfTheControlItsContainerOrTheWindow) {
  App.App().SetHelpFile("C:\\KR\\0917\\KR917");
  frmProbe& f = Default<frmProbe>();
  f.SetHelpContextID(1041);
  f.fraOpciones.SetHelpContextID(1052);
  f.txtB.SetHelpContextID(1067);
  f.Show();
  User.Focus(f.txtB);
  User.F1();
  User.Focus(f.optSi(0));
  User.F1();
  User.Focus(f.txtC);
  User.F1();
  std::vector<long> topics;
  for (const HelpRequest& r : User.HelpShown()) topics.push_back(r.ContextID);
  EXPECT_EQ(topics, (std::vector<long>{1067, 1052, 1041}));
  EXPECT_EQ(User.HelpShown()[0].File, "C:\\KR\\0917\\KR917");
}

TEST(ConsoleFrontEnd, WritesTitleColonTextAndAnswersTheDefault) {
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  ConsoleFrontEnd console(out);
  Application app(console);
  EXPECT_EQ(MsgBox("Debe ejecutar este módulo", vbCritical, "Error al ejecutar el módulo"), vbOK);
  EXPECT_EQ(MsgBox("¿Desea guardar?", vbYesNoCancel + vbDefaultButton2, "Salir"), vbNo);
  std::rewind(out);
  char buffer[256] = {};
  std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, out);
  std::fclose(out);
  EXPECT_EQ(std::string(buffer, n), "Error al ejecutar el módulo: Debe ejecutar este módulo\nSalir: ¿Desea guardar?\n");

  // A console program has no windows: a modal show returns at once, closed.
  frmDialogo& d = Default<frmDialogo>();
  d.Show(vbModal);
  EXPECT_FALSE(d.Visible());
  // Nor a printer.
  EXPECT_EQ(ErrorNumberOf([] { Printer("00000001.PRN"); }), 482);
}

/// A front end that measures text as a display would.
class Measuring : public testing::ScriptedUser {
 public:
  std::optional<int> StockFontTextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 7; }
};

TEST(StockFont, MeasuresWithTheFrontEndOrAFixedMetric) {
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  {
    testing::ScriptedUser user;
    Application app(user);
    EXPECT_EQ(StockFontTextWidth(letters) / 52, 6);  // no display
    EXPECT_EQ(StockFontTextWidth("ñandú"), 30);      // characters, not bytes
  }
  Measuring measuring;
  Application app(measuring);
  EXPECT_EQ(StockFontTextWidth(letters), 364);
}

/// A front end that keeps the notifications it gets.
class Recorder : public testing::ScriptedUser {
 public:
  void ControlChanged(Control& c, Property p) override {
    if (p == Property::Text) Changes.push_back(c.Name());
  }
  void ClipboardChanged(const std::string& text) override { Clipboards.push_back(text); }
  void MousePointerChanged(int pointer) override { Pointers.push_back(pointer); }
  std::vector<std::string> Changes;
  std::vector<std::string> Clipboards;
  std::vector<int> Pointers;
};

TEST(FrontEndNotices, PropertyClipboardAndPointerChangesReachTheFrontEndAtOnce) {
  Recorder recorder;
  Application app(recorder);
  frmProbe& f = Default<frmProbe>();
  f.txtA.SetText("antes de cargar");  // a window not loaded has no widgets to tell
  f.Show();
  f.txtB.SetText("x");
  Clipboard().SetText("copiado");
  Clipboard().Clear();
  Screen().SetMousePointer(vbHourglass);
  Screen().SetMousePointer(vbDefault);
  EXPECT_EQ(recorder.Changes, (std::vector<std::string>{"txtB"}));
  EXPECT_EQ(recorder.Clipboards, (std::vector<std::string>{"copiado", ""}));
  EXPECT_EQ(recorder.Pointers, (std::vector<int>{vbHourglass, vbDefault}));
  EXPECT_EQ(Screen().MousePointer(), vbDefault);
}

}  // namespace
}  // namespace forms::probe
