//===- HScrollBar.h - A horizontal scroll bar -----------------------------===//
//
// A ScrollBar (ScrollBar.h) lying across; Left and Right move it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Constants.h"
#include "platform/forms/ScrollBar.h"

namespace forms {

class HScrollBar : public ScrollBar {
 public:
  HScrollBar(Form* form, std::string name, int index = -1)
      : ScrollBar(form, std::move(name), index, vbKeyLeft, vbKeyRight) {}
  std::string_view Kind() const override { return "HScrollBar"; }
};

}  // namespace forms
