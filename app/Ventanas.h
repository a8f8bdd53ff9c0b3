//===- Ventanas.h - The windows that KR917's commands open --------------===//
//
// The main window and the list windows open other windows by name ("Frm0917",
// "frmModFor", ...). The program registers, at start, how each window is
// opened afresh (its loaded instance unloaded and dropped, a new one shown
// modally); a window that is not registered opens as a placeholder titled
// with its name. Tests register recorders to see what was asked for.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <map>
#include <string>

namespace app {

class Ventanas {
 public:
  /// Opens its window afresh and returns when it has closed.
  using Abridor = std::function<void()>;

  /// How the window `nombre` is opened from now on.
  void Registra(const std::string& nombre, Abridor abridor);

  /// Opens the window `nombre` afresh, modally.
  void AbreNueva(const std::string& nombre);

 private:
  std::map<std::string, Abridor> Abridores_;
};

/// Opens the default instance of window class F afresh: its loaded
/// instance is unloaded and dropped, and a new one is shown modally.
template <class F>
void AbreNueva();

}  // namespace app

#include "platform/forms/Application.h"

namespace app {

template <class F>
void AbreNueva() {
  forms::Application& a = forms::Application::Current();
  if (a.HasInstance<F>()) {
    F& anterior = a.Instance<F>();
    if (anterior.Loaded()) a.Unload(anterior);
    a.Release<F>();
  }
  a.Instance<F>().Show(forms::vbModal);
}

}  // namespace app
