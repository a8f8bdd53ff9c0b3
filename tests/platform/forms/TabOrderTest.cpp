// The focus moves by TabIndex over the controls that can take it now, by
// Tab and by a label's access key.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/Application.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/testing/ScriptedUser.h"

namespace forms {
namespace {

class frmOrden : public Form {
 public:
  frmOrden() : Form("frmOrden") {
    t3.SetContainer(fra);
    tabs.SetTabStop(false);
    t4.SetContainer(tabs, 1);
    for (int i : {0, 1}) op.Add(i).SetContainer(fraOp);
  }
  TextBox t0{this, "t0"};
  TextBox t1{this, "t1"};
  TextBox t2{this, "t2"};
  Frame fra{this, "fra"};
  TextBox t3{this, "t3"};
  TabControl tabs{this, "tabs"};
  TextBox t4{this, "t4"};  // on page 1 of tabs
  Frame fraOp{this, "fraOp"};
  ControlArray<OptionButton> op{this, "op"};
};

std::string NameOf(const Control* c) {
  if (c == nullptr) return "(none)";
  return c->Index() >= 0 ? c->Name() + "(" + std::to_string(c->Index()) + ")" : c->Name();
}

class TabOrder : public ::testing::Test {
 protected:
  testing::ScriptedUser User;
  Application App{User};
};

TEST_F(TabOrder, TabVisitsWhatCanTakeTheFocusAndWraps) {
  using Names = std::vector<std::string>;
  struct Case {
    const char* What;
    std::function<void(frmOrden&)> Prepare;
    Names Order;
  };
  const Case cases[] = {
      {"as designed", [](frmOrden&) {}, {"t0", "t1", "t2", "t3", "op(0)", "op(1)"}},
      {"a disabled box", [](frmOrden& f) { f.t1.SetEnabled(false); }, {"t0", "t2", "t3", "op(0)", "op(1)"}},
      {"a hidden box", [](frmOrden& f) { f.t2.SetVisible(false); }, {"t0", "t1", "t3", "op(0)", "op(1)"}},
      {"a disabled frame", [](frmOrden& f) { f.fra.SetEnabled(false); }, {"t0", "t1", "t2", "op(0)", "op(1)"}},
      {"a hidden frame", [](frmOrden& f) { f.fra.SetVisible(false); }, {"t0", "t1", "t2", "op(0)", "op(1)"}},
      {"no tab stop", [](frmOrden& f) { f.t1.SetTabStop(false); }, {"t0", "t2", "t3", "op(0)", "op(1)"}},
      {"the other page", [](frmOrden& f) { f.tabs.SetTab(1); }, {"t0", "t1", "t2", "t3", "t4", "op(0)", "op(1)"}},
      {"the page cut off", [](frmOrden& f) { f.tabs.SetTab(1); f.tabs.SetTabs(1); },
       {"t0", "t1", "t2", "t3", "op(0)", "op(1)"}},
      {"a chosen option", [](frmOrden& f) { f.op(1).SetValue(true); }, {"t0", "t1", "t2", "t3", "op(1)"}},
      {"a tab index moved", [](frmOrden& f) { f.t3.SetTabIndex(0); }, {"t0", "t3", "t1", "t2", "op(0)", "op(1)"}},
  };
  for (const Case& c : cases) {
    App.Reset();
    frmOrden& f = Default<frmOrden>();
    c.Prepare(f);
    f.Show();
    Names seen{NameOf(f.ActiveControl())};
    for (std::size_t i = 0; i < c.Order.size(); ++i) {
      User.Tab();
      seen.push_back(NameOf(f.ActiveControl()));
    }
    Names expected = c.Order;
    expected.push_back(c.Order.front());  // round again
    EXPECT_EQ(seen, expected) << c.What;
    User.Press(vbKeyTab, vbShiftMask);
    EXPECT_EQ(NameOf(f.ActiveControl()), c.Order.back()) << c.What << ", backwards";
  }
}

TEST_F(TabOrder, AWindowWithNothingToFocusKeepsNoFocus) {
  frmOrden& f = Default<frmOrden>();
  for (Control* c : f.Controls()) c->SetEnabled(false);
  f.Show();
  User.Tab();
  EXPECT_EQ(f.ActiveControl(), nullptr);
}

/// Labels before what they name, each sharing its box's tab index and
/// made before it, as the system's windows place them.
class frmEtiquetas : public Form {
 public:
  frmEtiquetas() : Form("frmEtiquetas") {
    lblNombre.SetCaption("&Nombre:");
    lblMonto.SetCaption("&Monto:");
    lblNota.SetCaption("N&ota:");
    lblDetalle.SetCaption("&Detalle");
    lblTotal.SetCaption("&Total");
    lblRazon.SetCaption("Ruc && Razón");
    const std::pair<Control*, int> orden[] = {
        {&lblNombre, 0}, {&txtNombre, 0}, {&lblMonto, 1}, {&txtMonto, 1}, {&lblNota, 2}, {&lblDetalle, 2},
        {&fraNota, 2},   {&txtNota, 3},   {&lblRazon, 4}, {&txtRazon, 4}, {&lblTotal, 9},
    };
    for (const auto& [control, indice] : orden) control->SetTabIndex(indice);
    lblDetalle.SetContainer(fraNota);
    txtNota.KeyDown = [this](int& KeyCode, int Shift) {
      Keys.push_back(std::to_string(KeyCode) + "/" + std::to_string(Shift));
    };
  }
  Label lblNombre{this, "lblNombre"};
  TextBox txtNombre{this, "txtNombre"};
  Label lblMonto{this, "lblMonto"};
  TextBox txtMonto{this, "txtMonto"};
  Label lblNota{this, "lblNota"};
  Frame fraNota{this, "fraNota"};
  Label lblDetalle{this, "lblDetalle"};
  TextBox txtNota{this, "txtNota"};
  Label lblRazon{this, "lblRazon"};
  TextBox txtRazon{this, "txtRazon"};
  Label lblTotal{this, "lblTotal"};
  /// The KeyDown events txtNota got: key code / shift.
  std::vector<std::string> Keys;
};

// Alt and a label's access letter put the focus on the first control after
// the label in tab order that can take it; the key goes no further. A key
// no usable label marks is an ordinary key of the focused control.
TEST_F(TabOrder, ALabelsAccessKeyFocusesWhatFollowsIt) {
  struct Case {
    const char* What;
    std::function<void(frmEtiquetas&)> Prepare;
    int KeyCode;
    int Shift;
    const char* Focus;
    std::vector<std::string> Keys;  // what reached txtNota, which had the focus
  };
  const Case cases[] = {
      {"the box after its label", [](frmEtiquetas&) {}, 'N', vbAltMask, "txtNombre", {}},
      {"with Shift too", [](frmEtiquetas&) {}, 'M', vbAltMask | vbShiftMask, "txtMonto", {}},
      {"a disabled box is passed over", [](frmEtiquetas& f) { f.txtMonto.SetEnabled(false); }, 'M', vbAltMask,
       "txtNota", {}},
      {"a label and a frame are passed over", [](frmEtiquetas&) {}, 'O', vbAltMask, "txtNota",
       {}},
      {"a label inside a frame", [](frmEtiquetas&) {}, 'D', vbAltMask, "txtNota", {}},
      {"the last label wraps to the first control", [](frmEtiquetas&) {}, 'T', vbAltMask, "txtNombre", {}},
      {"\"&&\" marks no key", [](frmEtiquetas&) {}, 'R', vbAltMask, "txtNota", {"82/4"}},
      {"a hidden label", [](frmEtiquetas& f) { f.lblMonto.SetVisible(false); }, 'M', vbAltMask, "txtNota",
       {"77/4"}},
      {"a disabled label", [](frmEtiquetas& f) { f.lblMonto.SetEnabled(false); }, 'M', vbAltMask, "txtNota",
       {"77/4"}},
      {"the letter alone", [](frmEtiquetas&) {}, 'N', 0, "txtNota", {"78/0"}},
      {"with Ctrl", [](frmEtiquetas&) {}, 'N', vbAltMask | vbCtrlMask, "txtNota", {"78/6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    App.Reset();
    frmEtiquetas& f = Default<frmEtiquetas>();
    c.Prepare(f);
    f.Show();
    User.Focus(f.txtNota);
    User.Press(c.KeyCode, c.Shift);
    EXPECT_EQ(NameOf(f.ActiveControl()), c.Focus);
    EXPECT_EQ(f.Keys, c.Keys);
  }
}

}  // namespace
}  // namespace forms
