//===- frmBancos.h - The lookups of professions, banks and UIT values ----===//
//
// A read-only list of one PARAM group, chosen by TipoConsulta: 1 the
// profession codes (979), 2 the banks (004), 3 the UIT values by date (404,
// newest first). The user reads it and leaves with Salir.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"

namespace app {

/// The read-only lookup of one reference group.
class frmBancos : public forms::Form {
 public:
  frmBancos();

  forms::DataControl Dta1{this, "Dta1"};
  forms::DataGrid grdBancos{this, "grdBancos"};
  forms::CommandButton CmdSalir{this, "CmdSalir"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void CmdSalir_Click();
};

}  // namespace app
