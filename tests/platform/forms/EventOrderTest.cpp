// The events of windows and controls in VB's order: loading, activation,
// focus, nested changes, keys, option and list clicks, modal windows,
// unloading and default instances.
#include <gtest/gtest.h>

#include "platform/forms/Application.h"
#include "platform/forms/MDIForm.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/platform/forms/ProbeWindows.h"
#include "tests/support/TestSupport.h"

namespace forms::probe {
namespace {

using Lines = std::vector<std::string>;
using kr::testing::ErrorNumberOf;

class EventOrder : public ::testing::Test {
 protected:
  EventOrder() { Log.clear(); }

  /// The probe shown, its log emptied.
  frmProbe& Shown() {
    frmProbe& f = Default<frmProbe>();
    f.Show();
    Log.clear();
    return f;
  }

  testing::ScriptedUser User;
  Application App{User};
};

TEST_F(EventOrder, ShowingLoadsActivatesAndFocusesTheFirstControl) {
  Default<frmProbe>().Show();
  EXPECT_EQ(Log, (Lines{"frmProbe.Initialize", "frmProbe.Load", "frmProbe.Activate", "txtA.GotFocus"}));
  Log.clear();
  User.Click(Default<frmProbe>().txtB);
  EXPECT_EQ(Log, (Lines{"txtA.LostFocus", "txtB.GotFocus"}));
}

TEST_F(EventOrder, EveryTextAssignmentRaisesChangeAtOnceNestedEvenWhenEqual) {
  frmProbe& f = Shown();
  f.ChainChanges = true;
  Lines once{"txtA.Change(x)", "txtB.Change(x+)", "txtC.Change(x++)", "txtC.Change end", "txtB.Change end",
             "txtA.Change end"};
  f.txtA.SetText("x");
  EXPECT_EQ(Log, once);
  Log.clear();
  f.txtA.SetText("x");
  EXPECT_EQ(Log, once);
}

TEST_F(EventOrder, AKeyRunsKeyDownKeyPressChangeKeyUp) {
  frmProbe& f = Shown();
  User.Type(f.txtA, "b");
  EXPECT_EQ(Log, (Lines{"txtA.KeyDown(66)", "txtA.KeyPress(98)", "txtA.Change(b)", "txtA.Change end",
                        "txtA.KeyUp(66)"}));
}

TEST_F(EventOrder, KeyPressReplacesOrDiscardsTheKey) {
  struct Case {
    const char* Typed;
    bool KeyPreview;
    const char* Text;
  };
  const Case cases[] = {
      {"abc", false, "Abc"},  // 'a' becomes 'A'
      {"a#b", false, "Ab"},   // '#' is discarded
      {"x!y", false, "x!y"},  // the window sees nothing without KeyPreview
      {"x!y", true, "xy"},    // with it the window discards '!' before the box
  };
  frmProbe& f = Shown();
  for (const Case& c : cases) {
    f.txtA.SetText("");
    f.SetKeyPreview(c.KeyPreview);
    User.Type(f.txtA, c.Typed);
    EXPECT_EQ(f.txtA.Text(), c.Text) << c.Typed << " preview " << c.KeyPreview;
  }
}

TEST_F(EventOrder, AnOptionClicksOnlyWhenItBecomesChosenByCode) {
  enum Action { CodeTrue, CodeFalse, UserClick };
  struct Case {
    int ChosenBefore;  // -1: none
    Action Act;
    int Option;
    Lines Clicks;
    int ChosenAfter;
  };
  const Case cases[] = {
      {-1, CodeTrue, 1, {"optSi(1).Click"}, 1},
      {0, CodeTrue, 1, {"optSi(1).Click"}, 1},
      {1, CodeTrue, 1, {}, 1},  // already chosen: no Click
      {1, CodeFalse, 1, {}, -1},
      {1, UserClick, 1, {"optSi(1).Click"}, 1},
      {1, UserClick, 0, {"optSi(0).Click"}, 0},
  };
  frmProbe& f = Shown();
  for (const Case& c : cases) {
    f.optSi(0).SetValue(false);
    f.optSi(1).SetValue(false);
    if (c.ChosenBefore >= 0) f.optSi(c.ChosenBefore).SetValue(true);
    Log.clear();
    if (c.Act == UserClick) {
      User.Click(f.optSi(c.Option));
      std::erase_if(Log, [](const std::string& line) { return line.find("Focus") != std::string::npos; });
    } else {
      f.optSi(c.Option).SetValue(c.Act == CodeTrue);
    }
    EXPECT_EQ(Log, c.Clicks) << "before " << c.ChosenBefore << " option " << c.Option;
    int chosen = f.optSi(0).Value() ? 0 : f.optSi(1).Value() ? 1 : -1;
    EXPECT_EQ(chosen, c.ChosenAfter);
  }
}

TEST_F(EventOrder, ListIndexClicksWheneverTheSelectionChanges) {
  struct Case {
    int Before;
    int Set;
    Lines Clicks;
  };
  const Case cases[] = {
      {-1, -1, {}},
      {0, 0, {}},
      {0, 2, {"cboLista.Click(2)"}},
      {1, -1, {"cboLista.Click(-1)"}},
  };
  frmProbe& f = Shown();
  for (const Case& c : cases) {
    f.cboLista.SetListIndex(c.Before);
    Log.clear();
    f.cboLista.SetListIndex(c.Set);
    EXPECT_EQ(Log, c.Clicks) << c.Before << " to " << c.Set;
  }
  f.cboLista.SetListIndex(0);
  Log.clear();
  User.Choose(f.cboLista, "Tres");
  EXPECT_EQ(Log, (Lines{"txtA.LostFocus", "cboLista.Click(2)"}));
  EXPECT_EQ(f.cboLista.Text(), "Tres");
}

TEST_F(EventOrder, AModalWindowShownInsideAKeyHandlerRunsToItsCloseThenTheHandlerGoesOn) {
  frmProbe& f = Shown();
  f.EnterShowsDialog = true;
  User.ExpectModal<frmDialogo>([&](frmDialogo& d) {
    User.Type(d.txtNombre, "Ana");
    User.Click(d.cmdAceptar);
  });
  User.Enter();
  EXPECT_EQ(Log, (Lines{"txtA.KeyDown(13)", "txtA.KeyPress(13)", "frmDialogo.Load", "txtA.LostFocus",
                        "frmProbe.Deactivate", "frmDialogo.Activate", "txtNombre.GotFocus", "frmDialogo.Unload",
                        "frmProbe.Activate", "txtA.GotFocus", "txtA.KeyPress end", "txtA.KeyUp(13)"}));
  EXPECT_EQ(User.ModalWindows(), (Lines{"frmDialogo"}));
  EXPECT_FALSE(App.HasInstance<frmDialogo>());
  EXPECT_EQ(App.ActiveForm(), &f);
}

TEST_F(EventOrder, AnUnloadCancelledIsDoneLaterAndANewInstanceLoadsAfresh) {
  frmProbe& f = Shown();
  f.CancelQueries = 1;
  f.txtB.SetText("tecleado");
  Log.clear();
  User.Close(f);
  EXPECT_TRUE(f.Loaded());
  User.Close(f);
  EXPECT_EQ(Log, (Lines{"frmProbe.QueryUnload(0)", "frmProbe.QueryUnload(0)", "frmProbe.Unload",
                        "frmProbe.Terminate"}));
  EXPECT_FALSE(App.HasInstance<frmProbe>());

  Log.clear();
  frmProbe& again = Default<frmProbe>();
  again.Show();
  EXPECT_EQ(Log, (Lines{"frmProbe.Initialize", "frmProbe.Load", "frmProbe.Activate", "txtA.GotFocus"}));
  EXPECT_EQ(again.txtB.Text(), "");
}

TEST_F(EventOrder, UnloadInsideUnloadAndInsideAClickHandler) {
  frmProbe& f = Shown();
  f.UnloadAgain = true;
  Unload(f);
  EXPECT_EQ(Log, (Lines{"frmProbe.QueryUnload(1)", "frmProbe.Unload", "frmProbe.Terminate"}));

  frmProbe& g = Shown();
  g.AcceptUnloads = true;
  User.Click(g.cmdAceptar);
  EXPECT_EQ(Log, (Lines{"txtA.LostFocus", "cmdAceptar.GotFocus", "cmdAceptar.Click", "frmProbe.QueryUnload(1)",
                        "frmProbe.Unload", "frmProbe.Terminate", "cmdAceptar.Click end"}));
  EXPECT_FALSE(g.Loaded());
}

TEST_F(EventOrder, SendKeysTabWaitsForTheRunningHandler) {
  frmProbe& f = Shown();
  f.EnterSendsTab = true;
  User.Enter();
  EXPECT_EQ(Log, (Lines{"txtA.KeyDown(13)", "txtA.KeyPress(13)", "txtA.KeyPress end", "txtA.KeyUp(13)",
                        "txtA.LostFocus", "txtB.GotFocus"}));

  SendKeys("{TAB}");
  EXPECT_EQ(f.ActiveControl(), &f.txtB);
  DoEvents();
  EXPECT_EQ(f.ActiveControl(), &f.txtC);
}

TEST_F(EventOrder, SetFocusFailsWhereVBFails) {
  struct Case {
    const char* What;
    std::function<Control&(frmProbe&)> Prepare;
    int Error;
  };
  const Case cases[] = {
      {"an enabled box", [](frmProbe& f) -> Control& { return f.txtB; }, 0},
      {"a disabled box", [](frmProbe& f) -> Control& { f.txtB.SetEnabled(false); return f.txtB; }, 5},
      {"a hidden box", [](frmProbe& f) -> Control& { f.txtB.SetVisible(false); return f.txtB; }, 5},
      {"an option of a disabled frame",
       [](frmProbe& f) -> Control& { f.fraOpciones.SetEnabled(false); return f.optSi(0); }, 5},
      {"a label", [](frmProbe& f) -> Control& { return f.lblTitulo; }, 5},
      {"a box of a hidden window", [](frmProbe& f) -> Control& { f.Hide(); return f.txtB; }, 5},
  };
  for (const Case& c : cases) {
    App.Reset();
    frmProbe& f = Shown();
    Control& target = c.Prepare(f);
    EXPECT_EQ(ErrorNumberOf([&] { target.SetFocus(); }), c.Error) << c.What;
    if (c.Error == 0) {
      EXPECT_EQ(f.ActiveControl(), &target);
    }
  }
  App.Reset();
  Load(Default<frmProbe>());  // loaded, not shown yet: as in its own Load
  EXPECT_EQ(ErrorNumberOf([&] { Default<frmProbe>().txtA.SetFocus(); }), 5);
}

TEST_F(EventOrder, ShowRefusesWhatVBRefuses) {
  frmProbe& f = Shown();
  EXPECT_EQ(ErrorNumberOf([&] { f.Show(vbModal); }), 400);
  User.ExpectModal<frmDialogo>([&](frmDialogo& d) {
    Default<frmProbe>().Hide();
    EXPECT_EQ(ErrorNumberOf([&] { Default<frmProbe>().Show(); }), 401);
    User.Click(d.cmdAceptar);
  });
  Default<frmDialogo>().Show(vbModal);
}

TEST_F(EventOrder, EndStopsTheHandlerAndDropsEveryWindow) {
  frmProbe& f = Shown();
  f.AcceptEnds = true;
  User.Click(f.cmdAceptar);
  EXPECT_EQ(Log, (Lines{"txtA.LostFocus", "cmdAceptar.GotFocus", "cmdAceptar.Click"}));
  EXPECT_TRUE(App.Ended());
  EXPECT_TRUE(User.Ended());
  EXPECT_TRUE(App.Forms().empty());
}

class frmHijo : public Form {
 public:
  explicit frmHijo(std::string name) : Form(std::move(name)) { SetMDIChild(true); }

 protected:
  void Form_QueryUnload(int&, int UnloadMode) override {
    Note(Name() + ".QueryUnload(" + std::to_string(UnloadMode) + ")");
  }
  void Form_Unload(int&) override { Note(Name() + ".Unload"); }
};
class frmHijoUno : public frmHijo {
 public:
  frmHijoUno() : frmHijo("frmHijoUno") {}
};
class frmHijoDos : public frmHijo {
 public:
  frmHijoDos() : frmHijo("frmHijoDos") {}
};
class frmMarco : public MDIForm {
 public:
  frmMarco() : MDIForm("frmMarco") {}

 protected:
  void Form_QueryUnload(int&, int UnloadMode) override { Note("frmMarco.QueryUnload(" + std::to_string(UnloadMode) + ")"); }
  void Form_Unload(int&) override { Note("frmMarco.Unload"); }
};

TEST_F(EventOrder, TheMDIFrameTracksItsActiveChildAndAsksTheChildrenFirst) {
  frmMarco& marco = Default<frmMarco>();
  marco.Show();
  EXPECT_EQ(marco.ActiveForm(), nullptr);
  Default<frmHijoUno>().Show();
  Default<frmHijoDos>().Show();
  EXPECT_EQ(marco.ActiveForm(), &Default<frmHijoDos>());
  User.Close(Default<frmHijoDos>());
  EXPECT_EQ(marco.ActiveForm(), &Default<frmHijoUno>());
  Log.clear();
  Unload(marco);
  EXPECT_EQ(Log, (Lines{"frmMarco.QueryUnload(1)", "frmHijoUno.QueryUnload(4)", "frmHijoUno.Unload",
                        "frmMarco.Unload"}));
  EXPECT_TRUE(App.Forms().empty());
}

}  // namespace
}  // namespace forms::probe
