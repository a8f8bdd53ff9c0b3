//===- ImageList.h - A list of pictures for a toolbar ---------------------===//
//
// Pictures are names the front end resolves, indexed from 1. It is never
// shown itself.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"
#include "platform/text/Error.h"

namespace forms {

class ImageList : public Control {
 public:
  ImageList(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {
    SetVisible(false);
  }
  std::string_view Kind() const override { return "ImageList"; }

  /// Adds a picture; answers its index.
  int Add(std::string_view picture) {
    Pictures_.emplace_back(picture);
    Changed(Property::Picture);
    return Count();
  }
  int Count() const { return static_cast<int>(Pictures_.size()); }
  /// The picture `index` (from 1); error 9 outside the list.
  const std::string& Picture(int index) const {
    if (index < 1 || index > Count()) vb::Raise(vb::ErrSubscript);
    return Pictures_[static_cast<std::size_t>(index - 1)];
  }

 private:
  std::vector<std::string> Pictures_;
};

}  // namespace forms
