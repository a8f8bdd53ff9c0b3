//===- BuiltInViews.h - The views of the model's own control kinds ------===//
//
// Each file of views registers its kinds; the registry calls them all.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>

#include "platform/qt/ControlView.h"

class QMouseEvent;

namespace qtui {

/// Passes the left button's release as a click and its double click to a
/// control that does nothing else with the mouse (a label, an image, a
/// frame); true when the event was one of them.
bool ReportClicks(ViewHost& host, forms::Control& control, QMouseEvent& event);

/// Registers `View` for `kind`, made for controls that are a `Model`; any
/// other control of that kind name falls back to the registry's default.
template <class Model, class View>
void RegisterKind(ViewRegistry& registry, const char* kind) {
  registry.Register(kind, [](forms::Control& c, ViewHost& h, QWidget* parent) -> std::unique_ptr<ControlView> {
    auto* model = dynamic_cast<Model*>(&c);
    if (model == nullptr) return nullptr;
    return std::make_unique<View>(*model, h, parent);
  });
}

/// TextBox and MaskEdBox (EditViews.cpp).
void RegisterTextViews(ViewRegistry& registry);
/// CommandButton, OptionButton and CheckBox (ButtonViews.cpp).
void RegisterButtonViews(ViewRegistry& registry);
/// ComboBox and ListBox (ListViews.cpp).
void RegisterListViews(ViewRegistry& registry);
/// Frame, PictureBox and TabControl (ContainerViews.cpp).
void RegisterContainerViews(ViewRegistry& registry);
/// Label, Image and Line (GraphicViews.cpp).
void RegisterGraphicViews(ViewRegistry& registry);
/// Toolbar, StatusBar, HScrollBar and VScrollBar (BarViews.cpp).
void RegisterBarViews(ViewRegistry& registry);
/// DataGrid (GridView.cpp).
void RegisterGridView(ViewRegistry& registry);

}  // namespace qtui
