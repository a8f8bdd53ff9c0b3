//===- Frame.h - A frame: a captioned container ---------------------------===//
//
// What it holds is disabled or hidden with it, and its option buttons form
// one group. It never takes the focus. Events: Click, DblClick, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class Frame : public Control {
 public:
  Frame(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "Frame"; }

  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption) {
    Caption_ = std::string(caption);
    Changed(Property::Caption);
  }

 protected:
  void CopyPropertiesFrom(const Control& other) override {
    Control::CopyPropertiesFrom(other);
    Caption_ = static_cast<const Frame&>(other).Caption_;
  }

 private:
  std::string Caption_;
};

}  // namespace forms
