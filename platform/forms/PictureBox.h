//===- PictureBox.h - A picture box: a picture, a drawing, a container ----===//
//
// The picture is named (a file or resource name the front end resolves).
// The drawing is a page of texts and lines in twips from the box's top-left
// corner (a preview page, say); the front end paints it over the picture.
// It holds controls as a frame does and takes the focus. Events: Click,
// DblClick, GotFocus, LostFocus, KeyDown, KeyPress, KeyUp, MouseDown.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <utility>

#include "platform/forms/Control.h"
#include "platform/print/Page.h"

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

  /// What has been drawn on the box (empty after Cls).
  const print::Page& Drawing() const { return Drawing_; }
  /// Replaces the drawing; the front end shows it at once.
  void SetDrawing(print::Page drawing) {
    Drawing_ = std::move(drawing);
    Changed(Property::Picture);
  }
  /// VB's Cls: clears the drawing.
  void Cls() { SetDrawing(print::Page()); }

  bool TakesFocus() const override { return true; }

 protected:
  void CopyPropertiesFrom(const Control& other) override {
    Control::CopyPropertiesFrom(other);
    Picture_ = static_cast<const PictureBox&>(other).Picture_;
  }

 private:
  std::string Picture_;
  print::Page Drawing_;
};

}  // namespace forms
