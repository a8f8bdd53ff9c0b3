//===- TestWindows.h - Small windows whose handlers log, for the Qt tests ===//
#pragma once

#include <string>
#include <vector>

#include "platform/forms/Application.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

namespace qtui::test {

/// What the windows' handlers did, in order.
inline std::vector<std::string> Log;

inline void Note(std::string line) { Log.push_back(std::move(line)); }

/// A dialog shown modally, closed by its button.
class frmDialogo : public forms::Form {
 public:
  frmDialogo() : Form("frmDialogo") {
    SetCaption("Diálogo");
    Move(0, 0, 3600, 1800);
    cmdCerrar.SetCaption("&Cerrar");
    cmdCerrar.Move(1200, 600, 1200, 375);
    cmdCerrar.Click = [this] {
      Note("cmdCerrar.Click");
      Unload(*this);
    };
  }
  forms::CommandButton cmdCerrar{this, "cmdCerrar"};

 protected:
  void Form_Load() override { Note("frmDialogo.Load"); }
  void Form_Unload(int&) override { Note("frmDialogo.Unload"); }
};

/// Two text boxes, two buttons and a label. The name box logs its key
/// events and changes, turns "a" into "A" and refuses "#"; the tab order
/// runs name, code, accept.
class frmEntrada : public forms::Form {
 public:
  frmEntrada() : Form("frmEntrada") {
    SetCaption("Entrada de datos");
    Move(0, 0, 6000, 3600);
    lblNombre.SetCaption("&Nombre:");
    lblNombre.Move(120, 240, 1000, 255);
    txtNombre.Move(1200, 240, 1500, 300);
    txtCodigo.Move(1200, 720, 1500, 300);
    cmdAceptar.SetCaption("&Aceptar");
    cmdAceptar.Move(3000, 240, 1200, 375);
    cmdDialogo.SetCaption("&Diálogo");
    cmdDialogo.Move(3000, 720, 1200, 375);
    txtNombre.SetTabIndex(0);
    txtCodigo.SetTabIndex(1);
    cmdAceptar.SetTabIndex(2);
    cmdDialogo.SetTabIndex(3);

    txtNombre.KeyDown = [](int& KeyCode, int) { Note("KeyDown(" + std::to_string(KeyCode) + ")"); };
    txtNombre.KeyPress = [](int& KeyAscii) {
      Note("KeyPress(" + std::to_string(KeyAscii) + ")");
      if (KeyAscii == 'a') KeyAscii = 'A';
      if (KeyAscii == '#') KeyAscii = 0;
    };
    txtNombre.Change = [this] { Note("Change(" + txtNombre.Text() + ")"); };
    txtNombre.KeyUp = [](int& KeyCode, int) { Note("KeyUp(" + std::to_string(KeyCode) + ")"); };
    cmdAceptar.GotFocus = [] { Note("cmdAceptar.GotFocus"); };
    cmdAceptar.Click = [] { Note("cmdAceptar.Click"); };
    cmdDialogo.Click = [] {
      forms::Default<frmDialogo>().Show(forms::vbModal);
      Note("after the dialog");
    };
  }

  forms::Label lblNombre{this, "lblNombre"};
  forms::TextBox txtNombre{this, "txtNombre"};
  forms::TextBox txtCodigo{this, "txtCodigo"};
  forms::CommandButton cmdAceptar{this, "cmdAceptar"};
  forms::CommandButton cmdDialogo{this, "cmdDialogo"};
  int CancelQueries = 0;  // QueryUnload cancels this many times

 protected:
  void Form_QueryUnload(int& Cancel, int UnloadMode) override {
    Note("QueryUnload(" + std::to_string(UnloadMode) + ")");
    if (CancelQueries > 0) {
      --CancelQueries;
      Cancel = 1;
    }
  }
  void Form_Unload(int&) override { Note("frmEntrada.Unload"); }
};

}  // namespace qtui::test
