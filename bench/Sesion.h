//===- Sesion.h - The sample installation and KR917 started on it ---------===//
#pragma once

#include <string>
#include <string_view>

#include "host/SampleInstallation.h"

namespace kr::bench {

/// A sample installation in a temporary folder.
struct Muestra {
  std::string Carpeta;  // the temporary folder, removed by the benchmark when done
  dexlora::SampleLayout Layout;
};
/// A fresh sample installation in a temporary folder named after `nombre`,
/// with LUD917 run on it and WINDIR pointing at it.
Muestra InstalaMuestra(std::string_view nombre);

/// KR917 started as the screenshots start it: the workgroup account, the
/// period, the validator and the main window shown, whose load reads the
/// settings and opens the database.
void ArrancaKR917(const dexlora::SampleLayout& layout);

}  // namespace kr::bench
