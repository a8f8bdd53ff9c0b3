//===- DeclaracionLlena.h - A saved return with every box filled -----------===//
//
// The sample installation after LUD917's run, over the database of an office
// of some size (or the sample's own), KR917's main window shown on the
// current front end, and a saved return whose every box is filled (137 DET
// rows) with 10 schedule rows. Made once per benchmark binary; a benchmark
// of another office size puts that office's database under it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>

#include "bench/Sesion.h"
#include "host/SampleInstallation.h"

namespace app {
class Frm0917;
}

namespace kr::bench {

inline constexpr char kRuc[] = "10076543211";

struct Instalacion {
  Muestra Sitio;
  /// The other returns the database holds now; -1 before the first.
  int Oficina = -1;

  Instalacion();
  const dexlora::SampleLayout& Layout() const { return Sitio.Layout; }
  /// KR917 stopped, the database of `oficina` other returns put in place (0:
  /// the sample's own), KR917 started again and the filled return stored;
  /// nothing when it stands there already.
  void Pon(int oficina);
};

/// The installation of this binary (made on the first call) over `oficina` other returns.
Instalacion& LaInstalacion(int oficina = 0);

/// The saved return open (modeless, to be typed into from here) with the
/// focus in box 100, its caret at the end.
app::Frm0917& AbreEnCasilla100(int oficina = 0);

}  // namespace kr::bench
