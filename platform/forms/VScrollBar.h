//===- VScrollBar.h - A vertical scroll bar -------------------------------===//
//
// A ScrollBar (ScrollBar.h) standing upright; Up and Down move it, its
// Min at the top.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Constants.h"
#include "platform/forms/ScrollBar.h"

namespace forms {

class VScrollBar : public ScrollBar {
 public:
  VScrollBar(Form* form, std::string name, int index = -1)
      : ScrollBar(form, std::move(name), index, vbKeyUp, vbKeyDown) {}
  std::string_view Kind() const override { return "VScrollBar"; }
};

}  // namespace forms
