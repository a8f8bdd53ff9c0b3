//===- FrmAdicionalCab.h - The rows of one schedule subsection ------------===//
//
// The modal window over one subsection of the open return's schedules
// (ClaveAdicional): it copies the subsection's work rows, with their type
// and currency names, into its own work table TMPF0917PATRIM1, lists them,
// and lets the user add, change (in the row window FrmAdicionalDet) and
// delete them. Aceptar writes the copy back over the subsection's rows of
// TMPF0917PATRIM, all of it or nothing; leaving with changes asks whether to
// keep them. For a sent return (registration mode) it only shows the rows.
//
// Its caption, its frame's caption and its help topic come from the return
// form's schedule buttons (TituloAdicional, TituloMarcoAdicional,
// AyudaAdicional). A failure of the database is told in the schedules' error
// box and the window stays open; after a failed load it only lets the user
// leave, so nothing half-read can be written back.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

#include "platform/forms/CommandButton.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/text/Variant.h"

namespace app {

class FrmAdicionalCab : public forms::Form {
 public:
  FrmAdicionalCab();

  forms::Frame FrameAdicional{this, "FrameAdicional"};
  forms::DataControl DtaAdicional{this, "DtaAdicional"};
  forms::DataGrid GrdAdicional{this, "GrdAdicional"};
  forms::Label LblNumReg{this, "LblNumReg"};
  forms::CommandButton CmdNuevoRec{this, "CmdNuevoRec"};
  forms::CommandButton CmdModificaRec{this, "CmdModificaRec"};
  forms::CommandButton CmdEliminaRec{this, "CmdEliminaRec"};
  forms::CommandButton CmdAceptaCab{this, "CmdAceptaCab"};
  forms::CommandButton CmdSalirCab{this, "CmdSalirCab"};

  /// Fills TMPF0917PATRIM1 with the subsection's work rows and their type
  /// and currency names, all of them or none. Errors reach the caller.
  void Carga_tmp_Patrimonial();
  /// Binds the grid to TMPF0917PATRIM1 (by type name, then type and
  /// currency) and shows the count of rows. The row window calls it after
  /// each stored row. Errors reach the caller.
  void Carga_Grilla_Patrimonial();
  /// The grid's header lines, captions, hidden columns and width for the
  /// subsection (TitulosAdicional.cpp).
  void SetTitulos();
  /// Replaces the subsection's rows of TMPF0917PATRIM by those of
  /// TMPF0917PATRIM1 in one transaction, then says so. Errors reach the
  /// caller, with TMPF0917PATRIM as it was.
  void Graba_Detalle();
  /// Asks, then deletes the grid's current row from TMPF0917PATRIM1; a
  /// failure is told in the schedules' error box.
  void Eliminar();
  /// The rows of TMPF0917PATRIM1 of that kind and subsection; 0 after a
  /// failure, which is told.
  long Cuenta_Registros(std::string_view tip_informacion, std::string_view tip_movimiento1);

 protected:
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

 private:
  void CmdNuevoRec_Click();
  void CmdModificaRec_Click();
  void CmdEliminaRec_Click();
  void CmdAceptaCab_Click();
  void CmdSalirCab_Click();
  void GrdAdicional_DblClick();
  void GrdAdicional_FormatText(int ColIndex, vb::Variant& Value, long Bookmark);

  /// The write-back of Aceptar without the unload: true when it was done.
  bool Acepta();
  /// Only Salir stays usable.
  void SoloSalir();
  /// The return is a sent one shown to record its order number, as the
  /// return form reads it.
  static bool EnRegistro();
  /// True when the data control holds rows; false (and the focus on Nuevo,
  /// after the box `mensaje`) when it holds none.
  bool HayFilas(std::string_view mensaje);
};

/// Registers the window as ventana::kFrmAdicionalCab with G().Ventanas: it
/// opens afresh and modally for the subsection ClaveAdicional names.
void RegistraFrmAdicionalCab();

}  // namespace app
