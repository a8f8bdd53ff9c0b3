//===- Image.h - An image: a picture that takes no focus ------------------===//
//
// The picture is named (a file or resource name the front end resolves);
// Stretch fits it to the control. Events: Click, DblClick, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Control.h"

namespace forms {

class Image : public Control {
 public:
  Image(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "Image"; }

  const std::string& Picture() const { return Picture_; }
  void SetPicture(std::string_view picture) {
    Picture_ = std::string(picture);
    Changed(Property::Picture);
  }
  bool Stretch() const { return Stretch_; }
  void SetStretch(bool stretch) {
    Stretch_ = stretch;
    Changed(Property::Picture);
  }

 protected:
  void CopyPropertiesFrom(const Control& other) override {
    Control::CopyPropertiesFrom(other);
    const auto& image = static_cast<const Image&>(other);
    Picture_ = image.Picture_;
    Stretch_ = image.Stretch_;
  }

 private:
  std::string Picture_;
  bool Stretch_ = false;
};

}  // namespace forms
