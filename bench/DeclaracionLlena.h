//===- DeclaracionLlena.h - A saved return with every box filled -----------===//
//
// The sample installation after LUD917's run, KR917's main window shown on
// the current front end, and a saved return whose every box is filled (137
// DET rows) with 10 schedule rows. Made once per benchmark binary.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "host/SampleInstallation.h"

namespace app {
class Frm0917;
}

namespace kr::bench {

inline constexpr char kRuc[] = "10076543211";

struct Instalacion {
  std::string Carpeta;
  dexlora::SampleLayout Layout;
  /// A copy of the database as it stood after the return was stored.
  std::string CopiaCruda;

  Instalacion();
};

/// The installation of this binary, made on the first call.
Instalacion& LaInstalacion();

/// The saved return open (modeless, to be typed into from here) with the
/// focus in box 100, its caret at the end.
app::Frm0917& AbreEnCasilla100();

}  // namespace kr::bench
