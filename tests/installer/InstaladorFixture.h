//===- InstaladorFixture.h - A sample installation for LUD917's tests ---===//
//
// Each test runs the installer in-process on a fresh sample installation,
// with the scripted user answering (and recording) its message boxes, and
// reads the database back through its own engine.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "tests/support/OtherProgram.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "installer/Compartidas.h"
#include "platform/db/Engine.h"
#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "tests/support/SampleFixture.h"

namespace kr::testing {

/// The rows of a query, each as the texts of its fields ("<Null>" for Null), sorted.
using Filas = std::vector<std::vector<std::string>>;

/// The rows of `sql` on `db`, sorted.
Filas LeeFilas(dao::Database& db, const std::string& sql);

/// The installer on a fresh sample installation.
class Instalador : public ::testing::Test {
 protected:
  Instalador() { installer::ReiniciaCompartidas(); }
  ~Instalador() override { installer::ReiniciaCompartidas(); }

  /// Runs the installer as the program does and answers its exit status.
  int Ejecuta();
  /// Opens the database with the programs' account through a new engine.
  std::shared_ptr<dao::Database> Abre();
  /// Sets a key of the settings file's Options section.
  void Configura(const char* clave, const std::string& valor);
  /// The send-table list as the installer names it.
  std::string ArchivoEnvios() const;

  SampleInstallation Muestra;
  forms::testing::ScriptedUser Usuario;
  forms::Application Aplicacion{Usuario};
  dao::DBEngine Motor;
};


}  // namespace kr::testing
