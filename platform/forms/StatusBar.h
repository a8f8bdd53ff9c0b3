//===- StatusBar.h - A status bar of text panels --------------------------===//
//
// Panels are indexed from 1, each with its text and width (twips). It takes
// no focus and raises no events.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"
#include "platform/text/Error.h"

namespace forms {

class StatusBar : public Control {
 public:
  StatusBar(Form* form, std::string name, int index = -1) : Control(form, std::move(name), index) {}
  std::string_view Kind() const override { return "StatusBar"; }

  /// Adds a panel; answers its index.
  int AddPanel(std::string_view text = "", long width = 1440) {
    Panels_.push_back({std::string(text), width});
    Changed(Property::Panels);
    return PanelCount();
  }
  int PanelCount() const { return static_cast<int>(Panels_.size()); }
  /// Error 9 outside 1 to PanelCount.
  const std::string& PanelText(int index) const { return Panel(index).Text; }
  void SetPanelText(int index, std::string_view text) {
    Panel(index).Text = std::string(text);
    Changed(Property::Panels);
  }
  long PanelWidth(int index) const { return Panel(index).Width; }
  void SetPanelWidth(int index, long width) {
    Panel(index).Width = width;
    Changed(Property::Panels);
  }

 private:
  struct PanelData {
    std::string Text;
    long Width;
  };
  const PanelData& Panel(int index) const {
    if (index < 1 || index > PanelCount()) vb::Raise(vb::ErrSubscript);
    return Panels_[static_cast<std::size_t>(index - 1)];
  }
  PanelData& Panel(int index) { return const_cast<PanelData&>(static_cast<const StatusBar&>(*this).Panel(index)); }

  std::vector<PanelData> Panels_;
};

}  // namespace forms
