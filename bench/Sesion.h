//===- Sesion.h - The sample installation and KR917 started on it ---------===//
#pragma once

#include <string>
#include <string_view>

#include "bench/CarpetaTemporal.h"
#include "host/SampleInstallation.h"

namespace kr::bench {

/// A sample installation in a temporary folder of its own.
struct Muestra {
  CarpetaTemporal Carpeta;  // removed, with the installation, when the sample goes
  dexlora::SampleLayout Layout;
  /// A copy of the database as LUD917 left it, before any benchmark's rows.
  std::string Original;
};
/// A fresh sample installation in a temporary folder named after `nombre`,
/// with LUD917 run on it and WINDIR pointing at it.
Muestra InstalaMuestra(std::string_view nombre);

/// KR917 started as the screenshots start it: the workgroup account, the
/// period, the validator and the main window shown, whose load reads the
/// settings and opens the database.
void ArrancaKR917(const dexlora::SampleLayout& layout);

/// The user's next action: a click on KR917's main window. As every action
/// does, it first lets go of the windows the last one closed, which a loop
/// that opens and closes windows by the program's calls would otherwise keep.
void SiguienteAccion();

/// KR917 stopped as its end leaves things: every window gone, the database
/// closed, the shared variables new. The database file may then be replaced.
void ParaKR917();

}  // namespace kr::bench
