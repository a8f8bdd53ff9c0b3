//===- DeclaracionFixture.h - KR917 with its return form over the sample -===//
//
// Each test gets the sample installation after LUD917's run (the schedule
// and work tables, the professions and the other reference rows), KR917
// started in-process with the return form, its breakdowns and the schedule
// windows registered under their names, and helpers that store a return's
// rows and open it as the program does.
//
// The settings user is ASESOR1 (type "1"): the declarant list holds the
// sample's ASESOR1 taxpayers, GARCIA (10076543211) first. The sample's sent
// returns are GARCIA 001 and 002 and VARGAS 001, none numbered yet.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "return/Frm0917.h"
#include "tests/app/ventanas/Programa.h"

namespace app::testing {

inline constexpr char kGarcia[] = "10076543211";
inline constexpr char kQuispe[] = "10401234565";

/// What leaving a changed return asks, and leaving a typed order number.
inline constexpr char kPreguntaGuardar[] = "¿El formulario ha sido modificado, desea guardar los cambios?";
inline constexpr char kPreguntaOrden[] = " El número de orden ha cambiado. ¿Desea guardar los cambios?";

/// A stored box row: CASILLA and I_VALOR.
using Fila = std::pair<std::string, std::string>;

/// The stored answer No to the rectification question: a saved return with
/// it can be typed into on every page, as leaving page 0 checks the answer.
inline const Fila kNoRectifica{"871", "0"};

class Declaracion : public Programa {
 protected:
  void SetUp() override;
  /// Puts the database KR917 starts on in place: the sample after LUD917's run.
  virtual void PonBase();

  /// Runs statements on the program's database.
  void Ejecuta(std::initializer_list<std::string> sentencias);
  /// Every row of a query, its values' texts joined by "|", in the query's order.
  std::vector<std::string> Filas(const std::string& sql);

  /// Stores a registered return of `ruc`: its CAB row (payment columns as
  /// given) and one DET row per box, inserted in the order given.
  void Guarda(const std::string& ruc, const std::vector<Fila>& casillas, const std::string& cheque = " ",
              const std::string& banco = " ", const std::string& nrocheque = " ");
  /// A schedule row of `ruc` in F0917PATRIM, of kind `tipo`, subsection and type "01", currency `moneda`.
  void GuardaAnexo(const std::string& ruc, const std::string& tipo, const std::string& moneda);
  /// The work table's rows: kind, subsection, type, currency, description.
  std::vector<std::string> Trabajo();

  /// Nueva from the main window; `paso` acts in the form, which it must close.
  void AbreNueva(std::function<void(Frm0917&)> paso);
  /// The saved return of `ruc`, as the saved-returns list opens it (Modo 2).
  void AbreGuardada(const std::string& ruc, std::function<void(Frm0917&)> paso);
  /// Opens the form with the shared variables as they are.
  void Abre(std::function<void(Frm0917&)> paso);
  /// Closes the form with its close box, answering No when it asks to save.
  void Cierra(Frm0917& f);

  /// Brings forward the tab pages that hold `control`, outermost first.
  void MuestraPaginas(forms::Control& control);
  /// The user types `texto` over what box `casilla` holds (focus in, all of
  /// it selected, the keys; Backspace for "") and leaves it with Tab.
  void Teclea(Frm0917& f, std::int16_t casilla, std::string_view texto);

  /// The user answers the identification page of a new return: the
  /// declarant `ruc` and No to the rectification question. Its other pages
  /// can then be reached without the identification check's message.
  void Identifica(Frm0917& f, const std::string& ruc = kGarcia);

  /// The item of the declarant list that starts with `ruc`.
  static int ItemDe(const forms::ComboBox& lista, const std::string& ruc);

  /// The inconsistency window, opened by its name, is only recorded: how
  /// often it was asked for, and the list file's bytes when it was.
  int ListasMostradas = 0;
  std::string ListaAlAbrir;
};

}  // namespace app::testing
