#include "platform/qt/ControlView.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/forms/Control.h"
#include "platform/forms/Input.h"
#include "platform/forms/TabControl.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"

namespace qtui {

using forms::Property;

ControlView::ControlView(forms::Control& control, ViewHost& host, QWidget* widget)
    : Control_(&control), Host_(&host), Widget_(widget) {
  if (Widget_ != nullptr) Widget_->setObjectName(ToQt(control.Name()));
}

ControlView::~ControlView() = default;

std::vector<QWidget*> ControlView::Parts() const {
  if (Widget_ == nullptr) return {};
  return {Widget_};
}

QRect ControlView::Place() const {
  const forms::Control& c = Model();
  return PixelRect(c.Left(), c.Top(), c.Width(), c.Height()).translated(0, -TopOffset_);
}

bool ControlView::ShownByModel() const {
  const forms::Control& c = Model();
  if (!c.Visible()) return false;
  if (auto* tabs = dynamic_cast<const forms::TabControl*>(c.Container())) {
    return c.ContainerPage() == tabs->Tab() && c.ContainerPage() < tabs->Tabs();
  }
  return true;
}

void ControlView::Sync(Property what) {
  if (Widget_ == nullptr) return;
  const forms::Control& c = Model();
  bool all = what == Property::All;
  if ((all || what == Property::Geometry || what == Property::Container) && !Docked_) {
    Widget_->setGeometry(Place());
  }
  if (all || what == Property::Enabled) Widget_->setEnabled(c.Enabled());
  if (all || what == Property::Font) Widget_->setFont(ControlFont(c.Font()));
  if (all || what == Property::BackColor) ApplyColor(*Widget_, BackRole(), c.BackColor());
  if (all || what == Property::ForeColor) ApplyColor(*Widget_, ForeRole(), c.ForeColor());
  if (all || what == Property::Visible || what == Property::Container) Widget_->setVisible(ShownByModel());
}

bool ControlView::OnMouse(QObject*, QMouseEvent&) { return false; }

void ControlView::ContextMenu(const QPoint&) {}

PanelView::PanelView(forms::Control& control, ViewHost& host, QWidget* parent)
    : ControlView(control, host, new QFrame(parent)), Name_(new QLabel(ToQt(control.Name()), Widget())) {
  auto* frame = static_cast<QFrame*>(Widget());
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(Name_);
  Name_->setAlignment(Qt::AlignCenter);
}

void PanelView::Sync(Property what) {
  ControlView::Sync(what);
  if (what != Property::All && what != Property::Container) return;
  // The name shows only while no control sits inside the panel.
  bool holdsControls = false;
  for (QWidget* child : Widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child != Name_) holdsControls = true;
  }
  Name_->setVisible(!holdsControls);
}

bool ReportClicks(ViewHost& host, forms::Control& control, QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  if (event.type() == QEvent::MouseButtonRelease) {
    host.Act([&] { return forms::Input::Click(control); });
    return true;
  }
  if (event.type() == QEvent::MouseButtonDblClick) {
    host.Act([&] { return forms::Input::DblClick(control, true); });
    return true;
  }
  return false;
}

ViewRegistry::ViewRegistry() {
  RegisterTextViews(*this);
  RegisterButtonViews(*this);
  RegisterListViews(*this);
  RegisterContainerViews(*this);
  RegisterGraphicViews(*this);
  RegisterBarViews(*this);
  RegisterGridView(*this);
  for (const char* never : {"ImageList", "CommonDialog"}) {
    Register(never, [](forms::Control& c, ViewHost& h, QWidget*) { return std::make_unique<HiddenView>(c, h); });
  }
}

void ViewRegistry::Register(std::string kind, ViewFactory factory) { Factories_[std::move(kind)] = std::move(factory); }

bool ViewRegistry::Knows(std::string_view kind) const { return Factories_.find(kind) != Factories_.end(); }

std::unique_ptr<ControlView> ViewRegistry::Make(forms::Control& control, ViewHost& host, QWidget* parent) const {
  auto it = Factories_.find(control.Kind());
  if (it != Factories_.end()) {
    if (auto view = it->second(control, host, parent)) return view;
  }
  return std::make_unique<PanelView>(control, host, parent);
}

}  // namespace qtui
