//===- Line.h - A line drawn on a window ----------------------------------===//
//
// From (X1, Y1) to (X2, Y2) in twips; it has no events.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"

namespace forms {

class Line : public Control {
 public:
  Line(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "Line"; }

  long X1() const { return X1_; }
  long Y1() const { return Y1_; }
  long X2() const { return X2_; }
  long Y2() const { return Y2_; }
  void SetPoints(long x1, long y1, long x2, long y2) {
    X1_ = x1;
    Y1_ = y1;
    X2_ = x2;
    Y2_ = y2;
    Changed(Property::Geometry);
  }
  long BorderColor() const { return BorderColor_; }
  void SetBorderColor(long color) {
    BorderColor_ = color;
    Changed(Property::ForeColor);
  }
  int BorderWidth() const { return BorderWidth_; }
  void SetBorderWidth(int width) {
    BorderWidth_ = width;
    Changed(Property::Geometry);
  }

 protected:
  void CopyPropertiesFrom(const Control& other) override {
    Control::CopyPropertiesFrom(other);
    const auto& line = static_cast<const Line&>(other);
    X1_ = line.X1_;
    Y1_ = line.Y1_;
    X2_ = line.X2_;
    Y2_ = line.Y2_;
    BorderColor_ = line.BorderColor_;
    BorderWidth_ = line.BorderWidth_;
  }

 private:
  long X1_ = 0, Y1_ = 0, X2_ = 0, Y2_ = 0;
  long BorderColor_ = vbWindowText;
  int BorderWidth_ = 1;
};

}  // namespace forms
