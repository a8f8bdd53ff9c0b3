//===- ServiciosFixture.h - KR917's shared services over a sample installation ===//
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/componentes/cValidador.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "platform/text/Variant.h"
#include "tests/support/Filas.h"
#include "tests/support/SampleFixture.h"

namespace app::testing {

/// A window with one list, recording the selection at each Click.
class frmLista : public forms::Form {
 public:
  frmLista() : Form("frmLista") {
    cboLista.Click = [this] { Clicks.push_back(cboLista.ListIndex()); };
  }
  forms::ComboBox cboLista{this, "cboLista"};
  std::vector<int> Clicks;
};

/// The shared variables made anew for each test, as KR917 has them after its
/// start on a fresh sample installation: the database open, the validation
/// component made, ASESOR1 (type "1") the settings user, period 2002, form 0917.
class Servicios : public ::testing::Test {
 protected:
  Servicios() {
    ReiniciaCompartidas();
    G().BaseDatos = Sample.Open(G().Motor);
    G().Validador = std::make_unique<cValidador>();
    G().UsuarioSistema = "ASESOR1";
    G().Periodo = "2002";
    G().Formulario = "0917";
  }
  ~Servicios() override { ReiniciaCompartidas(); }

  /// Runs statements on the database.
  void Run(std::initializer_list<std::string_view> statements) {
    for (std::string_view sql : statements) G().BaseDatos->Execute(sql, dao::dbFailOnError);
  }

  /// Every row of a query, each as its values' texts joined by "|" (Null as "Null").
  std::vector<std::string> Rows(const std::string& sql) { return kr::testing::Filas(*G().BaseDatos, sql); }


  /// The list's items, in order.
  static std::vector<std::string> Items(const forms::ListControl& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
  }

  frmLista& Lista() { return forms::Default<frmLista>(); }

  kr::testing::SampleInstallation Sample;
  forms::testing::ScriptedUser User;
  forms::Application App{User};
};

}  // namespace app::testing
