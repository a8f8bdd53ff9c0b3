//===- Registro.h - Opening the return form by its name ------------------===//
#pragma once

namespace app {

/// Registers the return form as ventana::kFrm0917 with G().Ventanas: it
/// opens afresh and modally for the return the shared variables name.
void RegistraFrm0917();

}  // namespace app
