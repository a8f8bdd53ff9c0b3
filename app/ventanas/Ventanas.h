//===- Ventanas.h - Opening KR917's windows afresh ------------------------===//
//
// Every command that opens a window opens it afresh: its loaded instance is
// unloaded and dropped, and a new one is shown modally. Windows of the
// higher folders are opened by name (NombresVentanas.h) through
// G().Ventanas.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "platform/forms/Application.h"

namespace app {

/// Opens the default instance of window class F afresh: its loaded
/// instance is unloaded and dropped, and a new one is shown modally.
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
