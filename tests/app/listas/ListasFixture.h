//===- ListasFixture.h - KR917 started over returns saved and sent -------===//
//
// Each test gets the program started in-process (Programa) on a sample
// installation with the two schedule tables LUD917 creates and a few of the
// professions it loads, registered returns of both users' taxpayers and the
// schedule rows of the sent ones:
//
//   CAB (form 0917)   10076543211 GARCIA     estado 0, week 0   ASESOR1
//                     10098765439 RODRIGUEZ  estado 1, week 2   ASESOR1
//                     10401234565 QUISPE     estado 9, week 0   ASESOR1
//                     10023456783 VARGAS     estado 0, week 0   SUPERV
//   CAB (form 0916)   10076543211 GARCIA     another form, never listed
//   HCAB              the sample's GARCIA 001 and 002 and VARGAS 001 (estado
//                     1), and QUISPE 001 with estado 0 (not sent yet)
//
// Every return has two box rows and one schedule row; the sample's own saved
// returns are taken out. The settings user is ASESOR1, of type "1".
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/DataGrid.h"
#include "tests/app/ventanas/Programa.h"

namespace app::testing {

/// The shared variables when a window was asked for through the factory.
struct Entrega {
  std::string Ventana;
  std::string RucDeclarante, NombreDeclarante, Periodo, Formulario;
  std::int16_t Semana;
  std::string Correlativo, NumeroOrden, NumeroControl;
  std::int16_t Modo;
  bool ModoRegistro, OrdenModificado;
};

class Listas : public Programa {
 protected:
  void SetUp() override;

  /// Runs statements on the program's database.
  void Ejecuta(std::initializer_list<std::string> sentencias);
  /// Every row of a query, its values' texts joined by "|", in the query's order.
  std::vector<std::string> Filas(const std::string& sql);
  /// The rows a grid shows, its visible cells joined by "|"; a picture as "[name]".
  static std::vector<std::string> Vista(const forms::DataGrid& grid);
  /// The visible columns' headings, joined by "|".
  static std::string Encabezados(const forms::DataGrid& grid);

  /// Makes "Frm0917" record the shared variables into Entregas instead of
  /// opening; `accion`, when given, runs then as the return form would.
  void RegistraFormulario(std::function<void()> accion = nullptr);
  std::vector<Entrega> Entregas;
  /// Makes "Frm0917" a bare modal window of that name, for the script to act in.
  void RegistraFormularioModal();

  /// Makes UsuarioSistema's CLAVES type `tipo`.
  void TipoDeUsuario(const std::string& tipo);
};

}  // namespace app::testing
