// The controls' own rules: typing at the caret, lists, masks, pages, scroll
// bars, control arrays, buttons, menus, toolbars and custom controls.
#include <gtest/gtest.h>

#include "platform/forms/Application.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/HScrollBar.h"
#include "platform/forms/Input.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/MaskEdBox.h"
#include "platform/forms/Menu.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/VScrollBar.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/support/TestSupport.h"

namespace forms {
namespace {

using kr::testing::ErrorNumberOf;

/// A status-bar-like control of the system's own, made of nothing but properties.
class StatusPanel : public Control {
 public:
  using Control::Control;
  std::string_view Kind() const override { return "StatusPanel"; }
  const std::string& numdoc() const { return NumDoc_; }
  void Setnumdoc(std::string_view v) {
    NumDoc_ = std::string(v);
    Changed(Property::Custom);
  }

 private:
  std::string NumDoc_;
};

class frmControles : public Form {
 public:
  frmControles() : Form("frmControles") {
    cboLista.Click = [this] { ++Clicks; };
    cboEditable.SetStyle(vbComboDropdown);
    cboEditable.Change = [this] { ++Changes; };
    txtCampo.Change = [this] { ++Changes; };
    mkeFecha.SetMask("##/##/####");
    mkeFecha.Change = [this] { ++Changes; };
    tabs.SetTabs(5);
    tabs.Click = [this](int PreviousTab) { Previous.push_back(PreviousTab); };
    hsBarra.SetRange(1, 2);
    hsBarra.Change = [this] { Events.push_back("Change"); };
    hsBarra.Scroll = [this] { Events.push_back("Scroll"); };
    chkMarca.Click = [this] { ++Clicks; };
    cmdAceptar.SetDefault(true);
    cmdAceptar.Click = [this] { Events.push_back("cmdAceptar"); };
    cmdCancelar.SetCancel(true);
    cmdCancelar.Click = [this] { Events.push_back("cmdCancelar"); };
    mnuArchivo.SetCaption("&Archivo");
    for (Menu* m : {&mnuNuevo, &mnuRaya, &mnuSalir}) m->SetContainer(mnuArchivo);
    mnuNuevo.SetCaption("&Nuevo");
    mnuRaya.SetCaption("-");
    mnuSalir.SetCaption("&Salir");
    mnuNuevo.Click = [this] { Events.push_back("mnuNuevo"); };
    for (const char* caption : {"Nueva", "Modifcar", "", "Ayuda"}) tlbBarra.AddButton(caption);
    tlbBarra.Buttons(3).SetStyle(tbrSeparator);
    tlbBarra.ButtonClick = [this](ToolbarButton& Button) { Events.push_back("tool " + std::to_string(Button.Index())); };
  }
  TextBox txtCampo{this, "txtCampo"};
  ComboBox cboLista{this, "cboLista"};
  ComboBox cboEditable{this, "cboEditable"};
  MaskEdBox mkeFecha{this, "mkeFecha"};
  TabControl tabs{this, "tabs"};
  HScrollBar hsBarra{this, "hsBarra"};
  VScrollBar vsBarra{this, "vsBarra"};
  CheckBox chkMarca{this, "chkMarca"};
  CommandButton cmdAceptar{this, "cmdAceptar"};
  CommandButton cmdCancelar{this, "cmdCancelar"};
  Menu mnuArchivo{this, "mnuArchivo"};
  Menu mnuNuevo{this, "mnuNuevo"};
  Menu mnuRaya{this, "mnuRaya"};
  Menu mnuSalir{this, "mnuSalir"};
  Toolbar tlbBarra{this, "tlbBarra"};
  ControlArray<PictureBox> picPagina{this, "picPagina"};
  StatusPanel stsEstado{this, "stsEstado"};

  int Clicks = 0;
  int Changes = 0;
  std::vector<int> Previous;
  std::vector<std::string> Events;
};

class Controls : public ::testing::Test {
 protected:
  frmControles& Shown() {
    frmControles& f = Default<frmControles>();
    f.Show();
    return f;
  }
  testing::ScriptedUser User;
  Application App{User};
};

TEST_F(Controls, TypingEditsAtTheCaretWithinMaxLength) {
  struct Case {
    const char* Text;
    long SelStart, SelLength, MaxLength;
    bool Locked;
    std::vector<int> PressedFirst;
    const char* Typed;
    const char* Result;
    long Caret;
    int Changes;
  };
  const Case cases[] = {
      {"", 0, 0, 0, false, {}, "hola", "hola", 4, 4},
      {"", 0, 0, 3, false, {}, "hola", "hol", 3, 3},               // the fourth key is refused
      {"abc", 1, 1, 3, false, {}, "X", "aXc", 2, 1},               // a selection is replaced, at the limit
      {"abc", 3, 0, 0, false, {}, "\b\b", "a", 1, 2},
      {"abc", 0, 0, 0, false, {}, "\b", "abc", 0, 0},              // nothing before the caret
      {"abc", 0, 0, 0, false, {vbKeyDelete}, "", "bc", 0, 1},
      {"abc", 3, 0, 0, false, {vbKeyHome}, "X", "Xabc", 1, 1},
      {"abc", 3, 0, 0, false, {vbKeyLeft, vbKeyLeft}, "ñ", "añbc", 2, 1},
      {"abc", 3, 0, 0, true, {vbKeyDelete}, "X\b", "abc", 3, 0},   // locked
      {"abc", 3, 0, 0, false, {}, "\r", "abc", 3, 0},              // Enter types nothing on one line
  };
  frmControles& f = Shown();
  for (const Case& c : cases) {
    f.txtCampo.SetText(c.Text);
    f.txtCampo.SetMaxLength(c.MaxLength);
    f.txtCampo.SetLocked(c.Locked);
    User.Focus(f.txtCampo);
    f.txtCampo.SetSelStart(c.SelStart);
    f.txtCampo.SetSelLength(c.SelLength);
    f.Changes = 0;
    for (int key : c.PressedFirst) User.Press(key);
    User.Type(c.Typed);
    EXPECT_EQ(f.txtCampo.Text(), c.Result) << c.Text << " + " << c.Typed;
    EXPECT_EQ(f.txtCampo.SelStart(), c.Caret) << c.Text << " + " << c.Typed;
    EXPECT_EQ(f.Changes, c.Changes) << c.Text << " + " << c.Typed;
  }
}

TEST_F(Controls, CodeIsNotLimitedByMaxLength) {
  frmControles& f = Shown();
  f.txtCampo.SetMaxLength(2);
  f.txtCampo.SetText("12345");
  f.txtCampo.SetMaxLength(1);  // a lower limit keeps the text
  EXPECT_EQ(f.txtCampo.Text(), "12345");
  f.txtCampo.SetSelStart(1);
  f.txtCampo.SetSelLength(3);
  EXPECT_EQ(f.txtCampo.SelText(), "234");
  f.Changes = 0;
  f.txtCampo.SetSelText("");
  EXPECT_EQ(f.txtCampo.Text(), "15");
  EXPECT_EQ(f.Changes, 1);
  EXPECT_EQ(ErrorNumberOf([&] { f.txtCampo.SetSelStart(-1); }), 380);
  EXPECT_EQ(ErrorNumberOf([&] { f.txtCampo.SetMaxLength(-1); }), 380);
}

TEST_F(Controls, PastingTakesTheClipboardUnlessAHandlerEmptiedIt) {
  struct Case {
    int KeyCode, Shift;
    bool Guard;  // the box's handlers empty the clipboard first, as the return form's do
    const char* Result;
  };
  const Case cases[] = {
      {vbKeyInsert, vbShiftMask, false, "123"},
      {'V', vbCtrlMask, false, "123"},
      {vbKeyInsert, vbShiftMask, true, ""},
      {vbKeyInsert, 0, false, ""},  // Insert alone pastes nothing
  };
  frmControles& f = Shown();
  for (const Case& c : cases) {
    f.txtCampo.SetText("");
    f.txtCampo.SetMaxLength(3);
    f.txtCampo.KeyDown = [&](int& KeyCode, int Shift) {
      if (c.Guard && KeyCode == vbKeyInsert && Shift == vbShiftMask) Clipboard().SetText("");
    };
    Clipboard().SetText("12345\r\nmás");
    User.Focus(f.txtCampo);
    User.Press(c.KeyCode, c.Shift);
    EXPECT_EQ(f.txtCampo.Text(), c.Result) << c.KeyCode << " guard " << c.Guard;
  }
  f.txtCampo.MouseDown = [](int Button, int, float, float) {
    if (Button == vbRightButton) Clipboard().SetText("");
  };
  Clipboard().SetText("9");
  User.RightClick(f.txtCampo);
  ASSERT_TRUE(Input::Paste(f.txtCampo));  // the context menu's Paste
  EXPECT_EQ(f.txtCampo.Text(), "");
}

TEST_F(Controls, ABoxThatRefusesPastingTakesNothingAndLeavesTheClipboardAlone) {
  frmControles& f = Shown();
  f.txtCampo.SetRefusesPaste(true);
  f.txtCampo.SetText("12");
  Clipboard().SetText("999");
  f.Changes = 0;
  User.Focus(f.txtCampo);
  User.Press(vbKeyInsert, vbShiftMask);
  User.Press('V', vbCtrlMask);
  User.RightClick(f.txtCampo);
  EXPECT_TRUE(Input::Paste(f.txtCampo));  // the context menu's Paste reaches the box, and inserts nothing
  EXPECT_EQ(f.txtCampo.Text(), "12");
  EXPECT_EQ(f.Changes, 0);
  EXPECT_EQ(Clipboard().GetText(), "999");
  f.txtCampo.SetSelStart(2);
  User.Type("3");  // typing goes on as before
  EXPECT_EQ(f.txtCampo.Text(), "123");

  // A box loaded into a control array refuses as its model does.
  ControlArray<TextBox> cajas{&f, "cajas"};
  cajas.Add(0).SetRefusesPaste(true);
  TextBox& cargada = cajas.Load(1);
  EXPECT_TRUE(cargada.RefusesPaste());
  cargada.SetVisible(true);
  EXPECT_TRUE(Input::Paste(cargada));
  EXPECT_EQ(cargada.Text(), "");
  f.txtCampo.SetRefusesPaste(false);
  EXPECT_TRUE(Input::Paste(f.txtCampo));
  EXPECT_EQ(f.txtCampo.Text(), "123999");
}

TEST_F(Controls, ADropDownListSelectsByTextKeyAndCode) {
  frmControles& f = Shown();
  for (const char* item : {"01  -  DNI", "04  -  Carnet de extranjería", "06  -  RUC", "07  -  Pasaporte"}) {
    f.cboLista.AddItem(item);
    f.cboLista.SetItemData(f.cboLista.NewIndex(), f.cboLista.NewIndex() * 10);
  }
  f.cboLista.SetText("06  -  ruc");  // ignoring case
  EXPECT_EQ(f.cboLista.ListIndex(), 2);
  EXPECT_EQ(f.cboLista.Text(), "06  -  RUC");
  EXPECT_EQ(ErrorNumberOf([&] { f.cboLista.SetText("99"); }), 383);
  f.cboLista.AddItem("00  -  Otro", 0);  // before the selection: it keeps its item
  EXPECT_EQ(f.cboLista.ListIndex(), 3);
  EXPECT_EQ(f.cboLista.ItemData(3), 20);
  f.Clicks = 0;
  f.cboLista.RemoveItem(3);  // the selected item: no selection, no Click
  EXPECT_EQ(f.cboLista.ListIndex(), -1);
  EXPECT_EQ(f.cboLista.Text(), "");
  EXPECT_EQ(f.Clicks, 0);
  EXPECT_EQ(f.cboLista.List(99), "");
  EXPECT_EQ(ErrorNumberOf([&] { f.cboLista.List(-1); }), 381);
  EXPECT_EQ(ErrorNumberOf([&] { f.cboLista.SetListIndex(9); }), 380);

  User.Focus(f.cboLista);
  User.Type("0");  // the next item starting with "0"
  User.Press(vbKeyDown);
  EXPECT_EQ(f.cboLista.ListIndex(), 1);
  EXPECT_EQ(f.Clicks, 2);
  f.cboLista.KeyDown = [](int& KeyCode, int) {
    if (KeyCode != vbKeyF1) KeyCode = 0;  // every key discarded: the mouse chooses
  };
  User.Press(vbKeyDown);
  User.Type("0");
  EXPECT_EQ(f.cboLista.ListIndex(), 1);
  f.cboLista.SetLocked(true);
  User.Choose(f.cboLista, 3);
  EXPECT_EQ(f.cboLista.ListIndex(), 1);

  f.cboLista.SetWidth(1500);  // 100 pixels
  f.cboLista.SetDroppedWidth(-24);
  EXPECT_EQ(f.cboLista.DroppedWidth(), 100);
  f.cboLista.SetDroppedWidth(228);
  EXPECT_EQ(f.cboLista.DroppedWidth(), 228);
}

TEST_F(Controls, ADropDownComboTakesTypingAndChoices) {
  frmControles& f = Shown();
  f.cboEditable.AddItem("Lima");
  f.cboEditable.AddItem("Cusco");
  f.Changes = 0;
  User.Type(f.cboEditable, "Pu");
  EXPECT_EQ(f.cboEditable.Text(), "Pu");
  EXPECT_EQ(f.cboEditable.ListIndex(), -1);
  EXPECT_EQ(f.Changes, 2);
  User.Choose(f.cboEditable, 1);
  EXPECT_EQ(f.cboEditable.Text(), "Cusco");
  f.cboEditable.SetText("Lima");
  EXPECT_EQ(f.cboEditable.ListIndex(), 0);
}

TEST_F(Controls, AMaskedBoxTakesDigitsIntoItsPlaces) {
  frmControles& f = Shown();
  EXPECT_EQ(f.mkeFecha.Text(), "__/__/____");
  User.Type(f.mkeFecha, "12a03/1980");  // a letter and the slash are refused, the literal skipped
  EXPECT_EQ(f.mkeFecha.Text(), "12/03/1980");
  EXPECT_EQ(f.mkeFecha.ClipText(), "12031980");
  User.Press(vbKeyBack);
  User.Press(vbKeyHome);
  User.Press(vbKeyDelete);
  EXPECT_EQ(f.mkeFecha.Text(), "_2/03/198_");
  EXPECT_EQ(f.mkeFecha.ClipText(), "203198");

  struct Case {
    const char* Text;
    int Error;
    const char* Shown;
  };
  const Case cases[] = {
      {"31/12/2500", 0, "31/12/2500"}, {"__/__/____", 0, "__/__/____"}, {"", 0, "__/__/____"},
      {"1/1/2000", 380, nullptr},      {"31-12-2500", 380, nullptr},    {"ab/cd/efgh", 380, nullptr},
  };
  for (const Case& c : cases) {
    f.mkeFecha.SetText("01/01/1850");
    f.Changes = 0;
    EXPECT_EQ(ErrorNumberOf([&] { f.mkeFecha.SetText(c.Text); }), c.Error) << c.Text;
    if (c.Shown != nullptr) {
      EXPECT_EQ(f.mkeFecha.Text(), c.Shown) << c.Text;
      EXPECT_EQ(f.Changes, 1) << c.Text;
    }
  }
}

TEST_F(Controls, TabPagesClickWithThePreviousPageAndCutPagesAreOutOfReach) {
  frmControles& f = Shown();
  f.tabs.SetTab(2);
  f.tabs.SetTab(2);
  f.tabs.SetTab(0);
  EXPECT_EQ(f.Previous, (std::vector<int>{0, 2}));
  EXPECT_EQ(ErrorNumberOf([&] { f.tabs.SetTab(5); }), 380);
  f.tabs.SetTabEnabled(4, false);
  f.tabs.SetTabs(4);
  EXPECT_EQ(ErrorNumberOf([&] { f.tabs.SetTab(4); }), 380);
  EXPECT_FALSE(f.tabs.TabEnabled(4));  // the page is still there
  f.tabs.SetTabEnabled(3, false);
  EXPECT_FALSE(Input::SelectTab(f.tabs, 3));
  EXPECT_TRUE(Input::SelectTab(f.tabs, 1));
  EXPECT_EQ(f.tabs.Tab(), 1);
  User.Press(vbKeyRight);  // page 3 is disabled, 4 cut off: it stays
  User.Press(vbKeyRight);
  EXPECT_EQ(f.tabs.Tab(), 2);
}

TEST_F(Controls, ScrollBarsMoveWithTheArrowKeysAlongThem) {
  frmControles& f = Shown();
  struct Case {
    ScrollBar* Bar;
    int Less, More, Across;
  };
  f.hsBarra.SetRange(0, 10);
  f.vsBarra.SetRange(0, 10);
  const Case cases[] = {{&f.hsBarra, vbKeyLeft, vbKeyRight, vbKeyDown}, {&f.vsBarra, vbKeyUp, vbKeyDown, vbKeyRight}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Bar->Kind());
    c.Bar->SetSmallChange(2);
    c.Bar->SetValue(5);
    User.Focus(*c.Bar);
    User.Press(c.More);
    EXPECT_EQ(c.Bar->Value(), 7);
    User.Press(c.Across);
    EXPECT_EQ(c.Bar->Value(), 7);
    User.Press(c.Less);
    User.Press(c.Less);
    EXPECT_EQ(c.Bar->Value(), 3);
    User.Scroll(*c.Bar, 10);
    User.Press(c.More);  // stops at Max
    EXPECT_EQ(c.Bar->Value(), 10);
  }
}

TEST_F(Controls, ScrollBarsAndCheckBoxesRaiseTheirEventsOnlyOnChange) {
  frmControles& f = Shown();
  f.hsBarra.SetValue(2);
  f.hsBarra.SetValue(2);
  EXPECT_EQ(ErrorNumberOf([&] { f.hsBarra.SetValue(3); }), 380);
  EXPECT_TRUE(Input::Scroll(f.hsBarra, 1, true));
  EXPECT_EQ(f.Events, (std::vector<std::string>{"Change", "Scroll", "Change"}));

  f.vsBarra.SetRange(0, 5);
  f.vsBarra.SetValue(4);
  f.vsBarra.SetRange(0, 3);  // the value is brought inside
  EXPECT_EQ(f.vsBarra.Value(), 3);

  f.chkMarca.SetValue(vbChecked);
  f.chkMarca.SetValue(vbChecked);
  User.Click(f.chkMarca);
  EXPECT_EQ(f.chkMarca.Value(), vbUnchecked);
  EXPECT_EQ(f.Clicks, 2);
  EXPECT_EQ(ErrorNumberOf([&] { f.chkMarca.SetValue(3); }), 380);
}

TEST_F(Controls, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  frmControles& f = Shown();
  User.Focus(f.txtCampo);
  User.Enter();
  User.Press(vbKeyEscape);
  f.cmdCancelar.SetDefault(true);  // takes the default from cmdAceptar
  EXPECT_FALSE(f.cmdAceptar.Default());
  User.Focus(f.cmdAceptar);
  User.Enter();  // the focused button is clicked, not the default
  User.Press(vbKeyEscape);  // but Escape is the cancel button's wherever the focus is
  EXPECT_EQ(f.Events, (std::vector<std::string>{"cmdAceptar", "cmdCancelar", "cmdAceptar", "cmdCancelar"}));
}

TEST_F(Controls, ControlArraysAreSparseAndBindLaterElements) {
  frmControles& f = Shown();
  std::vector<int> clicked;
  f.picPagina.Add(0).SetBackColor(0xFFFFFF);
  f.picPagina(0).Move(0, 0, 11900, 16840);
  f.picPagina.On(&PictureBox::Click, [&](int Index) { clicked.push_back(Index); });
  PictureBox& page = f.picPagina.Load(7);
  EXPECT_EQ(page.BackColor(), 0xFFFFFF);
  EXPECT_EQ(page.Width(), 11900);
  EXPECT_FALSE(page.Visible());
  page.SetVisible(true);
  User.Click(page);
  User.Click(f.picPagina(0));
  EXPECT_EQ(clicked, (std::vector<int>{7, 0}));
  EXPECT_EQ(f.picPagina.LBound(), 0);
  EXPECT_EQ(f.picPagina.UBound(), 7);
  EXPECT_EQ(f.FindControl("picPagina", 7), &page);
  EXPECT_EQ(ErrorNumberOf([&] { f.picPagina(3); }), 340);
  EXPECT_EQ(ErrorNumberOf([&] { f.picPagina.Load(7); }), 360);
  f.picPagina.Unload(7);
  EXPECT_EQ(ErrorNumberOf([&] { f.picPagina(7); }), 340);
  EXPECT_EQ(f.FindControl("picPagina", 7), nullptr);
}

TEST_F(Controls, MenusAndToolbarsTakeOnlyWhatCanBeChosen) {
  frmControles& f = Shown();
  EXPECT_EQ(f.mnuArchivo.Items(), (std::vector<Menu*>{&f.mnuNuevo, &f.mnuRaya, &f.mnuSalir}));
  EXPECT_EQ(MenuBar(f), (std::vector<Menu*>{&f.mnuArchivo}));
  User.ChooseMenu(f.mnuNuevo);
  EXPECT_FALSE(Input::ChooseMenu(f.mnuRaya));
  f.mnuArchivo.SetEnabled(false);
  EXPECT_FALSE(Input::ChooseMenu(f.mnuNuevo));

  User.ClickButton(f.tlbBarra, 2);
  EXPECT_TRUE(Input::ClickButton(f.tlbBarra, 3));  // a separator does nothing
  f.tlbBarra.Buttons(4).SetEnabled(false);
  EXPECT_FALSE(Input::ClickButton(f.tlbBarra, 4));
  EXPECT_FALSE(Input::ClickButton(f.tlbBarra, 5));
  EXPECT_EQ(ErrorNumberOf([&] { f.tlbBarra.Buttons(5); }), 9);
  EXPECT_EQ(f.Events, (std::vector<std::string>{"mnuNuevo", "tool 2"}));
}

class Notices : public testing::ScriptedUser {
 public:
  void ControlChanged(Control& c, Property p) override {
    if (p == Property::Custom) Custom.push_back(c.Name());
  }
  std::vector<std::string> Custom;
};

TEST(CustomControls, AWindowHoldsAControlOfTheSystemsOwn) {
  Notices notices;
  Application app(notices);
  frmControles& f = Default<frmControles>();
  f.Show();
  f.stsEstado.Setnumdoc("20100000001");
  EXPECT_EQ(f.stsEstado.numdoc(), "20100000001");
  EXPECT_EQ(f.FindControl("stsEstado"), &f.stsEstado);
  EXPECT_EQ(notices.Custom, (std::vector<std::string>{"stsEstado"}));
}

}  // namespace
}  // namespace forms
