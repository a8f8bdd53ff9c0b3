//===- Toolbar.h - A toolbar of buttons handled by index ------------------===//
//
// Buttons are indexed from 1; each has a caption, an image (an index into
// the toolbar's ImageList, 0 for none), a style (tbrDefault or
// tbrSeparator), Enabled and Visible. A click of a usable button raises
// ButtonClick with it; a separator does nothing. The toolbar takes no focus.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"

namespace forms {

class ImageList;
class Toolbar;

/// One button of a toolbar; a change of it shows at once.
class ToolbarButton {
 public:
  ToolbarButton(Toolbar& owner, int index) : Owner_(owner), Index_(index) {}
  int Index() const { return Index_; }
  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string_view caption);
  int Image() const { return Image_; }
  void SetImage(int image);
  int Style() const { return Style_; }
  void SetStyle(int style);
  const std::string& ToolTipText() const { return ToolTipText_; }
  void SetToolTipText(std::string_view text);
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return Visible_; }
  void SetVisible(bool visible);

 private:
  Toolbar& Owner_;
  int Index_;
  std::string Caption_;
  int Image_ = 0;
  int Style_ = tbrDefault;
  std::string ToolTipText_;
  bool Enabled_ = true;
  bool Visible_ = true;
};

class Toolbar : public Control {
 public:
  Toolbar(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "Toolbar"; }

  /// Adds a button at the end; answers it.
  ToolbarButton& AddButton(std::string_view caption = "", int image = 0, int style = tbrDefault);
  /// The button `index` (from 1); error 9 outside.
  ToolbarButton& Buttons(int index) const;
  int ButtonCount() const { return static_cast<int>(Buttons_.size()); }
  ImageList* Images() const { return Images_; }
  void SetImageList(ImageList* images);

  /// ButtonClick(Button): the button the user clicked.
  Event<ToolbarButton&> ButtonClick;

 private:
  friend class Input;
  friend class ToolbarButton;
  void ButtonChanged() { Changed(Property::Buttons); }
  /// The user clicks button `index`; false when it cannot be clicked.
  bool UserClickButton(int index);

  std::vector<std::unique_ptr<ToolbarButton>> Buttons_;
  ImageList* Images_ = nullptr;
};

}  // namespace forms
