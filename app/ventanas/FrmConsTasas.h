//===- FrmConsTasas.h - The rates in force this month ----------------------===//
//
// Five rates of PARAM group 998 as they hold for the current year and month,
// shown as percentages. The window reads them for its own period: the
// shared Periodo, and the tax year's rates and UIT, stay as they were. No
// command of the program opens it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"

namespace app {

/// The rates in force this month.
class FrmConsTasas : public forms::Form {
 public:
  FrmConsTasas();

  /// The rows' texts (0-3, 11), the headings (4, 9) and the rates (5-8, 10).
  forms::ControlArray<forms::Label> lblTasas{this, "lblTasas"};
  forms::CommandButton Command1{this, "Command1"};

 protected:
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

 private:
  void Command1_Click();
};

}  // namespace app
