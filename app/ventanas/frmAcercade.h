//===- frmAcercade.h - The about box -------------------------------------===//
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"

namespace app {

/// The product's name, version and maker, opened from the Ayuda menu.
class frmAcercade : public forms::Form {
 public:
  frmAcercade();

  forms::Image Image1{this, "Image1"};
  forms::Label Text3{this, "Text3"};
  forms::Label Text1{this, "Text1"};
  forms::Label txtVersion{this, "txtVersion"};
  forms::Label Text4{this, "Text4"};
  forms::Line Line1{this, "Line1"};
  forms::CommandButton cmdAceptar{this, "cmdAceptar"};

 protected:
  void Form_Load() override;

 private:
  void cmdAceptar_Click();
};

}  // namespace app
