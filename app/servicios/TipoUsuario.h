//===- TipoUsuario.h - The current user's type (CLAVES) -----------------===//
#pragma once

#include <string>

namespace app {

/// The CLAVES.Tipo of UsuarioSistema; "1" when the user has no row. "0"
/// lets the user see every user's taxpayers and returns.
std::string TipoUsuario();

}  // namespace app
