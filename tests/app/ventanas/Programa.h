//===- Programa.h - KR917 run in-process over a sample installation -----===//
//
// Each test gets the sample installation, a desktop holding the host's
// window, its own single-instance lock folder, the scripted user and new
// shared variables, and starts the program with Arranca().
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "platform/forms/Application.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/WindowList.h"
#include "tests/support/SampleFixture.h"
#include "tests/support/TestSupport.h"

namespace app::testing {

/// The scripted user that also notes whether the main window was on screen
/// behind each message box.
class Usuario : public forms::testing::ScriptedUser {
 public:
  int ShowMessage(const forms::MessageBox& box) override {
    forms::MDIForm* marco = forms::Application::Current().MDIFrame();
    VentanaDetras.push_back(marco != nullptr && marco->Visible());
    return ScriptedUser::ShowMessage(box);
  }
  std::vector<bool> VentanaDetras;
};

class Programa : public ::testing::Test {
 protected:
  Programa() {
    ReiniciaCompartidas();
    G().Motor.SetLockWaitMs(100);
    Aplicacion.SetDatabaseOpener(AbreFuenteDatos);
  }
  ~Programa() override {
    Aplicacion.Reset();
    ReiniciaCompartidas();
  }

  /// Runs the program's start; false when it ended the program.
  bool Arranca() {
    try {
      ModGen00::Main(Escritorio, Bloqueo);
      return true;
    } catch (const forms::ProgramEnd&) {
      return false;
    }
  }

  MDIFrm& Principal() { return forms::Default<MDIFrm>(); }
  /// The program folder as the settings file names it, ending in "\".
  std::string SysPath() const { return Instalacion.SysPath(); }

  kr::testing::KeepCurrentFolder Carpeta;
  kr::testing::SampleInstallation Instalacion;
  kr::testing::TempFolder Bloqueos;
  host::FixedWindowList Escritorio{{"Dexlora"}};
  host::InstanceLock Bloqueo{Bloqueos.Path()};
  Usuario User;
  forms::Application Aplicacion{User};
};

}  // namespace app::testing
