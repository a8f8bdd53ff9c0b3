//===- ProbeWindows.h - Small windows that log their events, for the tests ===//
#pragma once

#include <string>
#include <vector>

#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"

namespace forms::probe {

/// What the probe windows did, in order (kept across instances).
inline std::vector<std::string> Log;

inline void Note(std::string line) { Log.push_back(std::move(line)); }

/// A dialog the probe shows modally.
class frmDialogo : public Form {
 public:
  frmDialogo() : Form("frmDialogo") {
    cmdAceptar.SetCaption("&Aceptar");
    cmdAceptar.Click = [this] { Unload(*this); };
    txtNombre.GotFocus = [] { Note("txtNombre.GotFocus"); };
  }
  TextBox txtNombre{this, "txtNombre"};
  CommandButton cmdAceptar{this, "cmdAceptar"};

 protected:
  void Form_Load() override { Note("frmDialogo.Load"); }
  void Form_Activate() override { Note("frmDialogo.Activate"); }
  void Form_Unload(int&) override { Note("frmDialogo.Unload"); }
};

/// Three chained text boxes, a button, an option pair, a list and a label.
class frmProbe : public Form {
 public:
  frmProbe() : Form("frmProbe") {
    optSi.Add(0).SetCaption("No");
    optSi.Add(1).SetCaption("Si");
    for (int i : {0, 1}) optSi(i).SetContainer(fraOpciones);
    for (const char* item : {"Uno", "Dos", "Tres"}) cboLista.AddItem(item);

    for (TextBox* box : {&txtA, &txtB, &txtC}) {
      box->GotFocus = [box] { Note(box->Name() + ".GotFocus"); };
      box->LostFocus = [box] { Note(box->Name() + ".LostFocus"); };
    }
    txtA.Change = [this] { Chained(txtA, &txtB); };
    txtB.Change = [this] { Chained(txtB, &txtC); };
    txtC.Change = [this] { Chained(txtC, nullptr); };
    txtA.KeyDown = [](int& KeyCode, int) { Note("txtA.KeyDown(" + std::to_string(KeyCode) + ")"); };
    txtA.KeyPress = [this](int& KeyAscii) { txtA_KeyPress(KeyAscii); };
    txtA.KeyUp = [](int& KeyCode, int) { Note("txtA.KeyUp(" + std::to_string(KeyCode) + ")"); };
    cmdAceptar.GotFocus = [] { Note("cmdAceptar.GotFocus"); };
    cmdAceptar.Click = [this] { cmdAceptar_Click(); };
    optSi.On(&OptionButton::Click, [](int Index) { Note("optSi(" + std::to_string(Index) + ").Click"); });
    cboLista.Click = [this] { Note("cboLista.Click(" + std::to_string(cboLista.ListIndex()) + ")"); };
  }

  TextBox txtA{this, "txtA"};
  TextBox txtB{this, "txtB"};
  TextBox txtC{this, "txtC"};
  CommandButton cmdAceptar{this, "cmdAceptar"};
  Frame fraOpciones{this, "fraOpciones"};
  ControlArray<OptionButton> optSi{this, "optSi"};
  ComboBox cboLista{this, "cboLista"};
  Label lblTitulo{this, "lblTitulo"};

  // What the handlers do besides logging.
  bool ChainChanges = false;     // a change of A writes B, of B writes C
  bool EnterShowsDialog = false;  // Enter in A shows frmDialogo modally
  bool EnterSendsTab = false;     // Enter in A sends "{TAB}"
  bool AcceptUnloads = false;
  bool AcceptEnds = false;
  int CancelQueries = 0;          // QueryUnload cancels this many times
  bool UnloadAgain = false;       // Unload calls Unload on itself

 protected:
  void Form_Initialize() override { Note("frmProbe.Initialize"); }
  void Form_Load() override { Note("frmProbe.Load"); }
  void Form_Activate() override { Note("frmProbe.Activate"); }
  void Form_Deactivate() override { Note("frmProbe.Deactivate"); }
  void Form_QueryUnload(int& Cancel, int UnloadMode) override {
    Note("frmProbe.QueryUnload(" + std::to_string(UnloadMode) + ")");
    if (CancelQueries > 0) {
      --CancelQueries;
      Cancel = 1;
    }
  }
  void Form_Unload(int&) override {
    Note("frmProbe.Unload");
    if (UnloadAgain) Unload(*this);
  }
  void Form_Terminate() override { Note("frmProbe.Terminate"); }
  void Form_KeyPress(int& KeyAscii) override {
    Note("frmProbe.KeyPress(" + std::to_string(KeyAscii) + ")");
    if (KeyAscii == '!') KeyAscii = 0;
  }

 private:
  void Chained(TextBox& box, TextBox* next) {
    Note(box.Name() + ".Change(" + box.Text() + ")");
    if (ChainChanges && next != nullptr) next->SetText(box.Text() + "+");
    Note(box.Name() + ".Change end");
  }

  void txtA_KeyPress(int& KeyAscii) {
    Note("txtA.KeyPress(" + std::to_string(KeyAscii) + ")");
    if (KeyAscii == 'a') KeyAscii = 'A';  // replaced
    if (KeyAscii == '#') KeyAscii = 0;    // discarded
    if (KeyAscii == 13) {
      if (EnterShowsDialog) Default<frmDialogo>().Show(vbModal);
      if (EnterSendsTab) SendKeys("{TAB}");
      Note("txtA.KeyPress end");
    }
  }

  void cmdAceptar_Click() {
    Note("cmdAceptar.Click");
    if (AcceptUnloads) Unload(*this);
    if (AcceptEnds) End();
    Note("cmdAceptar.Click end");
  }
};

}  // namespace forms::probe
