//===- PictureBox.h - A picture box: a picture, and a container -----------===//
//
// The picture is named (a file or resource name the front end resolves).
// It holds controls as a frame does and takes the focus. Events: Click,
// DblClick, GotFocus, LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class PictureBox : public Control {
 public:
  PictureBox(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "PictureBox"; }

  const std::string& Picture() const { return Picture_; }
  void SetPicture(std::string_view picture) {
    Picture_ = std::string(picture);
    Changed(Property::Picture);
  }

  bool TakesFocus() const override { return true; }

 protected:
  void CopyPropertiesFrom(const Control& other) override {
    Control::CopyPropertiesFrom(other);
    Picture_ = static_cast<const PictureBox&>(other).Picture_;
  }

 private:
  std::string Picture_;
};

}  // namespace forms
