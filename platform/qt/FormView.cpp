#include "platform/qt/FormView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Input.h"
#include "platform/forms/MDIForm.h"
#include "platform/forms/Menu.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/Toolbar.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/KeyMapping.h"
#include "platform/qt/QtFrontEnd.h"

namespace qtui {
namespace {

using forms::Property;

// A form's Width and Height include the frame of a classic window: 4-pixel
// borders, a 19-pixel caption, and a 19-pixel menu bar when it has menus.
// What is left is the client area, which a Qt window's geometry is, so that
// the controls keep their room: the window manager's frame (when there is
// one) lies outside it, as the manager draws it. Left and Top place that
// frame's outer corner (MoveFrame).
constexpr int kBorderPixels = 2 * 4;
constexpr int kCaptionPixels = 19 + 2 * 4;
constexpr int kMenuPixels = 19;

/// A top-level window that hands its close box to its view.
template <class Base>
class ModelWindow : public Base {
 public:
  explicit ModelWindow(FormView* view) : Base(nullptr), View_(view) {}
  void Detach() { View_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The model decides: QueryUnload and Unload may cancel.
    event->ignore();
    if (View_ != nullptr) View_->CloseRequested();
  }

 private:
  FormView* View_;
};

class DialogWindow : public ModelWindow<QDialog> {
 public:
  using ModelWindow::ModelWindow;
  // Escape is the model's key (the Cancel button), never a way out of the window.
  void reject() override {}
};

using FrameWindow = ModelWindow<QMainWindow>;

void DetachWindow(QWidget* window) {
  if (auto* dialog = dynamic_cast<DialogWindow*>(window)) dialog->Detach();
  if (auto* frame = dynamic_cast<FrameWindow*>(window)) frame->Detach();
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= forms::vbShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= forms::vbCtrlMask;
  if (modifiers & Qt::AltModifier) shift |= forms::vbAltMask;
  return shift;
}

bool IsDockedKind(std::string_view kind) { return kind == "Toolbar" || kind == "StatusBar"; }

// Where a window placed at `at` begins: on its screen. A classic frame is
// often put a border off the screen's edge so its client area starts at the
// corner; here the frame itself must stay where it can be reached.
QPoint OnScreen(const QWidget& window, QPoint at) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return at;
  const QRect room = screen->availableGeometry();
  return {std::max(at.x(), room.left()), std::max(at.y(), room.top())};
}

// Brings a window to the top; the offscreen platform has no stacking to change.
void Raise(QWidget& window) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window.raise();
  window.activateWindow();
}

}  // namespace

FormView::FormView(forms::Form& form, QtFrontEnd& front, QObject* parent)
    : QObject(parent), Form_(&form), Front_(front) {
  if (dynamic_cast<forms::MDIForm*>(&form) != nullptr) {
    Main_ = new FrameWindow(this);
    Window_ = Main_;
    Content_ = new QWidget(Main_);
    Main_->setCentralWidget(Content_);
  } else {
    auto* dialog = new DialogWindow(this);
    Window_ = dialog;
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Content_ = new QWidget(dialog);
    layout->addWidget(Content_);
  }
  Window_->setObjectName(ToQt(form.Name()));
  Content_->setObjectName(QStringLiteral("content"));
  Window_->installEventFilter(this);
  Content_->installEventFilter(this);
  std::vector<forms::Control*> controls = form.Controls();
  for (forms::Control* c : controls) EnsureView(*c);
  ApplyFrameOffsets();
  RebuildMenus();
  SyncFlags();
  SyncWindow(Property::All);
}

FormView::~FormView() {
  Views_.clear();
  Retired_.clear();
  delete Window_;
}

ControlView* FormView::ViewOf(const forms::Control& control) const {
  auto it = Views_.find(&control);
  return it != Views_.end() ? it->second.get() : nullptr;
}

QWidget* FormView::WidgetOf(const forms::Control& control) const {
  ControlView* view = ViewOf(control);
  return view != nullptr ? view->Widget() : nullptr;
}

QAction* FormView::ActionOf(const forms::Control& menu) const {
  auto it = Actions_.find(&menu);
  return it != Actions_.end() ? it->second.data() : nullptr;
}

ControlView* FormView::EnsureView(forms::Control& control) {
  if (ControlView* existing = ViewOf(control)) return existing;
  if (control.Kind() == "Menu") return nullptr;  // menus live in the menu bar
  QWidget* parent = Content_;
  ControlView* holder = nullptr;
  if (forms::Control* container = control.Container()) {
    holder = EnsureView(*container);
    if (holder != nullptr && holder->ChildArea() != nullptr) parent = holder->ChildArea();
  }
  bool dock = Main_ != nullptr && control.Container() == nullptr && IsDockedKind(control.Kind());
  std::unique_ptr<ControlView> made = Front_.Views().Make(control, *this, dock ? nullptr : parent);
  ControlView* view = made.get();
  Views_[&control] = std::move(made);
  if (QWidget* widget = view->Widget()) {
    if (dock) {
      view->SetDocked(true);
      if (auto* toolbar = qobject_cast<QToolBar*>(widget)) {
        Main_->addToolBar(Qt::TopToolBarArea, toolbar);
      } else if (auto* status = qobject_cast<QStatusBar*>(widget)) {
        Main_->setStatusBar(status);
      } else {
        view->SetDocked(false);
        widget->setParent(Content_);
      }
    }
    // The model moves the focus; Qt may only give it on a click.
    widget->setFocusPolicy(Qt::NoFocus);
    if (QWidget* focus = view->FocusWidget(); focus != nullptr && control.TakesFocus()) {
      focus->setFocusPolicy(Qt::ClickFocus);
    }
  }
  view->Sync(Property::All);
  Watch(*view);
  if (holder != nullptr) holder->Sync(Property::Container);
  HasLines_ = HasLines_ || view->HasLines();
  KeepLinesClear();
  return view;
}

void FormView::KeepLinesClear() {
  if (!HasLines_) return;
  for (auto& [control, view] : Views_) {
    QWidget* box = view->Widget();
    if (!view->HasLines() || box == nullptr || box->parentWidget() == nullptr) continue;
    // Siblings after the box in its container are stacked above it.
    std::vector<QRect> covers;
    bool above = false;
    for (QObject* child : box->parentWidget()->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget == box) above = true;
      if (!above || widget == nullptr || widget == box || widget->isHidden() || widget->isWindow()) continue;
      const QRect place = widget->geometry().translated(-box->pos()).intersected(box->rect());
      if (!place.isEmpty()) covers.push_back(place);
    }
    view->StandingOn(std::move(covers));
  }
}

void FormView::Watch(ControlView& view) {
  for (QWidget* part : view.Parts()) {
    if (part == nullptr) continue;
    if (Parts_.emplace(part, &view).second) {
      part->installEventFilter(this);
      connect(part, &QObject::destroyed, this, [this](QObject* gone) { Parts_.erase(gone); });
    } else {
      Parts_[part] = &view;
    }
  }
}

void FormView::Reparent(ControlView& view) {
  QWidget* widget = view.Widget();
  if (widget == nullptr || view.Docked()) return;
  QWidget* parent = Content_;
  if (forms::Control* container = view.Model().Container()) {
    ControlView* holder = EnsureView(*container);
    if (holder != nullptr && holder->ChildArea() != nullptr) parent = holder->ChildArea();
  }
  if (widget->parentWidget() != parent) widget->setParent(parent);
  view.Sync(Property::All);
}

void FormView::ApplyFrameOffsets() {
  if (Main_ == nullptr) return;
  int offset = 0;
  for (auto& [control, view] : Views_) {
    if (view->Docked() && control->Kind() == "Toolbar") offset += Pixels(control->Height());
  }
  for (auto& [control, view] : Views_) {
    if (view->Docked() || control->Container() != nullptr) continue;
    view->SetTopOffset(offset);
    view->Sync(Property::Geometry);
  }
}

// --- Menus ---

void FormView::RebuildMenus() {
  for (auto& [menu, action] : Actions_) {
    if (action) action->deleteLater();
  }
  Actions_.clear();
  std::vector<forms::Menu*> top = forms::MenuBar(*Form_);
  if (top.empty() && MenuBar_ == nullptr) return;
  QMenuBar* bar = nullptr;
  if (Main_ != nullptr) {
    bar = Main_->menuBar();
  } else if (MenuBar_ == nullptr) {
    bar = new QMenuBar(Window_);
    static_cast<QVBoxLayout*>(Window_->layout())->setMenuBar(bar);
  } else {
    bar = static_cast<QMenuBar*>(MenuBar_);
  }
  MenuBar_ = bar;
  bar->clear();
  for (forms::Menu* menu : top) AddMenu(*bar, *menu);
}

void FormView::AddMenu(QWidget& into, forms::Menu& menu) {
  std::vector<forms::Menu*> items = menu.Items();
  QAction* action = nullptr;
  if (menu.IsSeparator()) {
    action = new QAction(&into);
    action->setSeparator(true);
  } else if (!items.empty()) {
    auto* sub = new QMenu(&into);
    // Opening a menu is its Click: the program enables its items there.
    connect(sub, &QMenu::aboutToShow, this, [this, &menu] { Act([&] { return forms::Input::ChooseMenu(menu); }); });
    action = sub->menuAction();
    for (forms::Menu* item : items) AddMenu(*sub, *item);
  } else {
    action = new QAction(&into);
    connect(action, &QAction::triggered, this, [this, &menu] { Act([&] { return forms::Input::ChooseMenu(menu); }); });
  }
  into.addAction(action);
  Actions_[&menu] = action;
  SyncMenu(menu);
}

void FormView::SyncMenu(forms::Menu& menu) {
  QAction* action = ActionOf(menu);
  if (action == nullptr) return;
  if (!menu.IsSeparator()) action->setText(AccessCaption(menu.Caption()));
  action->setEnabled(menu.Enabled());
  action->setVisible(menu.Visible());
  action->setCheckable(menu.Checked() || action->isCheckable());
  action->setChecked(menu.Checked());
}

// --- The window ---

void FormView::SyncFlags() {
  Qt::WindowFlags flags = Main_ != nullptr ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (Form_->MinButton()) flags |= Qt::WindowMinimizeButtonHint;
  if (Form_->MaxButton()) flags |= Qt::WindowMaximizeButtonHint;
  if (Window_->windowFlags() == flags) return;
  bool shown = Window_->isVisible();
  Window_->setWindowFlags(flags);  // hides the window
  if (shown) Window_->show();
}

void FormView::SyncSize() {
  int width = Pixels(Form_->Width()) - kBorderPixels;
  int height = Pixels(Form_->Height()) - kCaptionPixels;
  if (Form_->Width() <= 0 || Form_->Height() <= 0) {
    QRect used = Content_->childrenRect();
    Window_->resize(std::max(used.right() + 8, 120), std::max(used.bottom() + 8, 60));
    return;
  }
  // A dialog's menu bar is ours, above the client area; a main window's is inside it, as the model's.
  if (Main_ == nullptr && MenuBar_ != nullptr) height += MenuBar_->sizeHint().height() - kMenuPixels;
  width = std::max(width, 1);
  if (Main_ != nullptr) height = FrameHeight(height);
  Window_->resize(width, std::max(height, 1));
}

int FormView::FrameHeight(int height) {
  // Between the bars lies the model's client area less the twips of its
  // docked bars; Qt's menu bar, toolbars and status bar take what they need
  // around it, more than a classic window's.
  int between = height - (MenuBar_ != nullptr ? kMenuPixels : 0);
  for (auto& [control, view] : Views_) {
    if (view->Docked() && control->Visible()) between -= Pixels(control->Height());
  }
  Between_ = std::max(between, 1);
  // The bars have their sizes only once shown and laid out: until then a
  // classic window's, and FitFrame corrects it as the client area is laid out.
  if (Window_->isVisible() && Content_->height() > 0) {
    Bars_ = Window_->height() - Content_->height();
  } else {
    Bars_ = height - Between_;
  }
  return Between_ + Bars_;
}

void FormView::FitFrame() {
  if (Main_ == nullptr || Between_ <= 0) return;
  if (Window_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
  // Only the bars' own heights are corrected: a size the user or the window
  // manager gave the window stays.
  const int bars = Window_->height() - Content_->height();
  if (bars == Bars_) return;
  Bars_ = bars;
  Window_->resize(Window_->width(), Between_ + bars);
}

void FormView::SyncWindow(Property what) {
  bool all = what == Property::All;
  if (all || what == Property::Caption) Window_->setWindowTitle(ToQt(Form_->Caption()));
  if (all || what == Property::Geometry) {
    SyncSize();
    // Moved before it is first shown, the window is mapped where it belongs
    // and the window manager's frame begins there.
    if (Placed()) MoveFrame(OnScreen(*Window_, QPoint(Pixels(Form_->Left()), Pixels(Form_->Top()))));
  }
  if (all || what == Property::Enabled) {
    Content_->setEnabled(Form_->Enabled());
    if (MenuBar_ != nullptr) MenuBar_->setEnabled(Form_->Enabled());
  }
  if (all || what == Property::BackColor) ApplyColor(*Content_, QPalette::Window, Form_->BackColor());
  if (all || what == Property::Icon) {
    QPixmap icon = Picture(Form_->Icon());
    if (!icon.isNull()) Window_->setWindowIcon(QIcon(icon));
  }
  if (what == Property::WindowState) SyncFlags();
  if (all || what == Property::WindowState) {
    Qt::WindowStates state = Form_->WindowState() == forms::vbMaximized   ? Qt::WindowMaximized
                             : Form_->WindowState() == forms::vbMinimized ? Qt::WindowMinimized
                                                                          : Qt::WindowNoState;
    Window_->setWindowState(state);
  }
  if (all || what == Property::Visible) {
    if (Form_->Visible()) {
      ShowWindow();
    } else if (Window_->isVisible()) {
      Window_->hide();
      Window_->setWindowModality(Qt::NonModal);
    }
  }
  if (all || what == Property::ActiveControl) ApplyFocus();
  if (what == Property::All) {
    for (auto& [control, view] : Views_) view->Sync(Property::All);
  }
}

void FormView::MoveFrame(QPoint at) {
  FramePlace_ = at;
  // Moved, a dialog keeps its place rather than centring itself as it is
  // shown. The native window is told the frame's place itself: until Qt has
  // heard of the frame, QWidget::move would put the client area there and
  // the title bar above it.
  if (!Window_->isVisible()) Window_->move(at);
  Window_->winId();
  Window_->windowHandle()->setFramePosition(at);
}

bool FormView::Placed() const { return Form_->Placed() || Form_->Left() != 0 || Form_->Top() != 0; }

void FormView::ShowWindow() {
  if (Window_->isVisible()) return;
  Window_->setWindowModality(Form_->Modal() ? Qt::ApplicationModal : Qt::NonModal);
  QWidget* frame = Front_.FrameWindow();
  if (frame != nullptr && frame != Window_) {
    // A window of the program's frame stays above it, centred on it unless placed.
    Window_->winId();
    if (frame->windowHandle() != nullptr) Window_->windowHandle()->setTransientParent(frame->windowHandle());
    if (!Placed()) {
      // Frame on frame: this window's is not drawn yet, and the program's frame's stands for it.
      const QRect outer = frame->frameGeometry(), inner = frame->geometry();
      const QSize size = Window_->size() + (outer.size() - inner.size());
      QPoint at = outer.center() - QPoint(size.width() / 2, size.height() / 2);
      // A window wider or taller than the frame still begins on the screen, where it can be reached.
      if (QScreen* screen = frame->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - size.width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size.height())));
      }
      MoveFrame(at);
    }
  }
  if (FramePlace_ && !Window_->isVisible()) {
    // The last say before the window is mapped: Qt forgets that a place
    // includes the frame when a window made but hidden is resized.
    Window_->winId();
    Window_->windowHandle()->setFramePosition(*FramePlace_);
  }
  Window_->show();
  Raise(*Window_);
  ApplyFocus();
}

void FormView::ApplyFocus() {
  forms::Control* focused = Form_->ActiveControl();
  ControlView* view = focused != nullptr ? ViewOf(*focused) : nullptr;
  QWidget* target = view != nullptr ? view->FocusWidget() : nullptr;
  if (target != nullptr && target->window()->focusWidget() != target) target->setFocus(Qt::OtherFocusReason);
}

// --- Notices ---

void FormView::FormChanged(Property what) {
  if (!Alive_) return;
  SyncWindow(what);
}

void FormView::FormActivated() {
  if (!Alive_ || !Window_->isVisible()) return;
  Raise(*Window_);
  ApplyFocus();
}

void FormView::ControlChanged(forms::Control& control, Property what) {
  if (!Alive_) return;
  if (auto* menu = dynamic_cast<forms::Menu*>(&control)) {
    if (what == Property::Container || Actions_.find(menu) == Actions_.end()) {
      RebuildMenus();
    } else {
      SyncMenu(*menu);
    }
    return;
  }
  bool made = ViewOf(control) == nullptr;
  ControlView* view = EnsureView(control);
  if (view == nullptr || made) return;  // a new view has read everything
  if (what == Property::Container) {
    Reparent(*view);
  } else {
    view->Sync(what);
  }
  if (what == Property::All || what == Property::Container) Watch(*view);
  std::string_view kind = control.Kind();
  if (kind == "TabControl" && (what == Property::Tab || what == Property::Tabs || what == Property::All)) {
    for (auto& [child, childView] : Views_) {
      if (child->Container() == &control) childView->Sync(Property::Visible);
    }
  }
  if (kind == "ImageList") {
    for (auto& [other, otherView] : Views_) {
      auto* toolbar = dynamic_cast<const forms::Toolbar*>(other);
      if (toolbar != nullptr && toolbar->Images() == &control) otherView->Sync(Property::Buttons);
    }
  }
  if (kind == "Toolbar" && view->Docked() && what == Property::Geometry) ApplyFrameOffsets();
  // The model's client area less its docked bars is the room between them.
  if (view->Docked() && (what == Property::Geometry || what == Property::Visible)) SyncSize();
  if (what == Property::Geometry || what == Property::Visible || what == Property::Container ||
      what == Property::All || what == Property::Tab || what == Property::Tabs || what == Property::Font) {
    KeepLinesClear();
  }
}

void FormView::ControlLoaded(forms::Control& control) {
  if (!Alive_) return;
  if (dynamic_cast<forms::Menu*>(&control) != nullptr) {
    RebuildMenus();
    return;
  }
  EnsureView(control);
}

void FormView::ControlUnloaded(forms::Control& control) {
  if (!Alive_) return;
  if (auto action = Actions_.find(&control); action != Actions_.end()) {
    if (action->second) {
      action->second->setVisible(false);
      action->second->deleteLater();
    }
    Actions_.erase(action);
    return;
  }
  auto it = Views_.find(&control);
  if (it == Views_.end()) return;
  std::unique_ptr<ControlView> view = std::move(it->second);
  Views_.erase(it);
  for (auto part = Parts_.begin(); part != Parts_.end();) {
    part = part->second == view.get() ? Parts_.erase(part) : std::next(part);
  }
  view->Detach();
  if (QWidget* widget = view->Widget()) {
    // What it held stays alive with its own views.
    for (auto& [other, otherView] : Views_) {
      QWidget* w = otherView->Widget();
      if (w != nullptr && widget->isAncestorOf(w)) {
        w->hide();
        w->setParent(Content_);
      }
    }
    widget->hide();
    widget->deleteLater();
  }
  Retired_.push_back(std::move(view));  // a handler of its own may still be running
}

void FormView::Detach() {
  if (!Alive_) return;
  Alive_ = false;
  for (auto& [control, view] : Views_) view->Detach();
  DetachWindow(Window_);
  Parts_.clear();
  Window_->hide();
  Window_->setWindowModality(Qt::NonModal);
}

void FormView::CloseRequested() {
  Act([this] { return forms::Input::Close(*Form_); });
}

// --- What the user does ---

bool FormView::Act(const std::function<bool()>& action) {
  if (!Alive_) return false;
  return Front_.Guarded(action);
}

QPixmap FormView::Picture(std::string_view name) { return Front_.Picture(name); }

void FormView::EnsureActive() {
  auto* app = forms::Application::Find();
  if (app != nullptr && app->ActiveForm() != Form_ && app->AcceptsInput(*Form_)) forms::Input::Activate(*Form_);
}

void FormView::OnKey(ControlView* view, QKeyEvent& event) {
  forms::KeyStroke k = KeyStrokeOf(event.key(), event.modifiers(), event.text());
  if (k.KeyCode == 0) return;
  Act([&] {
    EnsureActive();
    // The key belongs to the control whose widget got it.
    forms::Control* target = view != nullptr ? &view->Model() : nullptr;
    if (target != nullptr && Form_->ActiveControl() != target && target->CanTakeFocus()) {
      if (!forms::Input::Focus(*target)) return false;
    }
    return forms::Input::Key(*Form_, k.KeyCode, k.Shift, k.KeyAscii);
  });
}

bool FormView::OnMouse(ControlView* view, QObject* watched, QMouseEvent& event) {
  if (event.type() == QEvent::MouseButtonPress) {
    Act([this] {
      EnsureActive();
      return true;
    });
  }
  if (view == nullptr || !Alive_) return false;
  if (event.button() == Qt::RightButton) {
    if (event.type() == QEvent::MouseButtonPress) {
      QPoint at = event.position().toPoint();
      auto* part = qobject_cast<QWidget*>(watched);
      if (part != nullptr && view->Widget() != nullptr) at = part->mapTo(view->Widget(), at);
      int shift = ShiftOf(event.modifiers());
      bool reached = Act([&] {
        return forms::Input::MouseDown(view->Model(), forms::vbRightButton, shift, static_cast<float>(at.x() * 15),
                                       static_cast<float>(at.y() * 15));
      });
      if (reached && Alive_) view->ContextMenu(event.globalPosition().toPoint());
    }
    return true;
  }
  // The model has no middle button; on X11 an editor would paste the
  // selection with it, behind the model's back.
  if (event.button() == Qt::MiddleButton) return true;
  return view->OnMouse(watched, event);
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (!Alive_) return false;
  if (watched == Content_ && event->type() == QEvent::Resize) FitFrame();
  ControlView* view = nullptr;
  if (auto it = Parts_.find(watched); it != Parts_.end()) {
    view = it->second;
  } else if (watched != Window_ && watched != Content_) {
    return false;  // the menu bar: its own keys
  }
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // Keys are the model's; Alt combinations stay with the access keys of menus and buttons.
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() & Qt::AltModifier) return false;
      key->accept();
      return true;
    }
    case QEvent::KeyPress:
      OnKey(view, *static_cast<QKeyEvent*>(event));
      return true;
    case QEvent::KeyRelease:
      return true;
    case QEvent::FocusIn: {
      auto* focus = static_cast<QFocusEvent*>(event);
      if (view != nullptr && focus->reason() == Qt::MouseFocusReason) {
        forms::Control& control = view->Model();
        Act([&] {
          EnsureActive();
          return forms::Input::Focus(control);
        });
        if (Alive_ && Form_->ActiveControl() != &control) ApplyFocus();
      }
      return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return OnMouse(view, watched, *static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu:
      return view != nullptr;
    default:
      return false;
  }
}

}  // namespace qtui
