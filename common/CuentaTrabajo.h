//===- CuentaTrabajo.h - The workgroup account the programs open with ----===//
//
// All three programs open the shared database as one account of the
// workgroup file that the host installs. Neither its name nor its password
// is kept whole in the program: both are put together from character codes
// when asked for.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

namespace common {

struct CuentaTrabajo {
  std::string Usuario;
  std::string Clave;
};

/// The account's user name and password, 8 characters each.
CuentaTrabajo CuentaGrupoTrabajo();

}  // namespace common
