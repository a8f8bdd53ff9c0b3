#include "platform/qt/QtFrontEnd.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QWidget>
#include <QWindow>

#include <exception>

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/MDIForm.h"
#include "platform/host/HelpFile.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/FormView.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/PrintJob.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace qtui {
namespace {

Qt::CursorShape ShapeOf(int pointer) {
  switch (pointer) {
    case forms::vbHourglass: return Qt::WaitCursor;
    case 13: return Qt::BusyCursor;  // arrow and hourglass
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace

QtFrontEnd::QtFrontEnd() {
  // The model decides when the program ends, not the last window closing.
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) app->setQuitOnLastWindowClosed(false);
  QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &Root_, [this] {
    if (WritingClipboard_) return;
    auto* app = forms::Application::Find();
    if (app == nullptr) return;
    std::string text = FromQt(QGuiApplication::clipboard()->text());
    if (text == app->Clipboard().GetText()) return;
    WritingClipboard_ = true;
    app->Clipboard().SetText(text);
    WritingClipboard_ = false;
  });
}

QtFrontEnd::~QtFrontEnd() {
  for (auto& [form, loop] : ModalLoops_) loop->exit();
  if (PointerOverridden_) QApplication::restoreOverrideCursor();
  delete Help_.data();
}

QPixmap QtFrontEnd::Picture(std::string_view name) const {
  if (name.empty() || !Resolver_) return {};
  return Resolver_(name);
}

FormView* QtFrontEnd::ViewOf(const forms::Form& form) const {
  auto it = Forms_.find(&form);
  return it != Forms_.end() ? it->second : nullptr;
}

QWidget* QtFrontEnd::WindowOf(const forms::Form& form) const {
  FormView* view = ViewOf(form);
  return view != nullptr ? view->Window() : nullptr;
}

QWidget* QtFrontEnd::WidgetOf(const forms::Control& control) const {
  FormView* view = ViewOf(control.Parent());
  return view != nullptr ? view->WidgetOf(control) : nullptr;
}

QAction* QtFrontEnd::ActionOf(const forms::Control& menu) const {
  FormView* view = ViewOf(menu.Parent());
  return view != nullptr ? view->ActionOf(menu) : nullptr;
}

QWidget* QtFrontEnd::FrameWindow() const {
  auto* app = forms::Application::Find();
  if (app == nullptr || app->MDIFrame() == nullptr) return nullptr;
  return WindowOf(*app->MDIFrame());
}

QWidget* QtFrontEnd::DialogParent() const {
  auto* app = forms::Application::Find();
  if (app == nullptr) return nullptr;
  for (forms::Form* form : {app->TopModal(), app->ActiveForm(), static_cast<forms::Form*>(app->MDIFrame())}) {
    if (form == nullptr) continue;
    QWidget* window = WindowOf(*form);
    if (window != nullptr && window->isVisible()) return window;
  }
  return nullptr;
}

void QtFrontEnd::Run() {
  auto* app = forms::Application::Find();
  if (app == nullptr || app->Ended() || app->Forms().empty() || RunLoop_ != nullptr) return;
  QEventLoop loop;
  RunLoop_ = &loop;
  loop.exec();
  RunLoop_ = nullptr;
}

bool QtFrontEnd::Guarded(const std::function<bool()>& action) {
  std::string text;
  try {
    return action();
  } catch (const vb::Error& e) {
    text = "Error '" + vb::NumberText(e.Number()) + "' en tiempo de ejecución:\n\n" + e.Description();
  } catch (const forms::ProgramEnd&) {
    return true;
  } catch (const std::exception& e) {
    text = std::string("Error en tiempo de ejecución:\n\n") + e.what();
  }
  auto* app = forms::Application::Find();
  if (app == nullptr || app->Ended() || Reporting_) return false;
  Reporting_ = true;
  ShowMessage(forms::MessageBox{text, forms::vbCritical, app->App().Title()});
  Reporting_ = false;
  try {
    app->End();
  } catch (const forms::ProgramEnd&) {
  }
  return false;
}

// --- What needs the user ---

int QtFrontEnd::ShowMessage(const forms::MessageBox& box) {
  std::unique_ptr<QMessageBox> shown = MakeMessageBox(box, DialogParent());
  shown->exec();
  return AnswerOf(*shown);
}

void QtFrontEnd::RunModal(forms::Form& form) {
  if (ViewOf(form) == nullptr || !form.Loaded() || !form.Visible() || !form.Modal()) return;
  QEventLoop loop;
  ModalLoops_[&form] = &loop;
  loop.exec(QEventLoop::DialogExec);
  ModalLoops_.erase(&form);
}

void QtFrontEnd::EndModal(forms::Form& form) {
  if (auto it = ModalLoops_.find(&form); it != ModalLoops_.end()) it->second->exit();
}

void QtFrontEnd::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtFrontEnd::ShowHelp(const forms::HelpRequest& request) {
  long topic = request.Command == forms::cdlHelpContents ? host::kHelpContents : request.ContextID;
  host::HelpPage page = host::ReadHelpTopic(request.File, topic);
  if (Help_ == nullptr) Help_ = new HelpWindow();
  // Help stands beside the program as a program of its own would: a modal
  // window that asked for it must not keep the user from reading, scrolling
  // and closing it, so it belongs with that window.
  auto* app = forms::Application::Find();
  QWidget* modal = app != nullptr && app->TopModal() != nullptr ? WindowOf(*app->TopModal()) : nullptr;
  Help_->winId();
  if (modal != nullptr) modal->winId();
  Help_->windowHandle()->setTransientParent(modal != nullptr ? modal->windowHandle() : nullptr);
  Help_->ShowPage(page);
}

std::optional<int> QtFrontEnd::StockFontTextWidth(std::string_view text) {
  QFont stock(FontFamily("MS Sans Serif"));
  stock.setPointSizeF(8);
  return QFontMetrics(stock).horizontalAdvance(ToQt(text));
}

std::shared_ptr<print::Canvas> QtFrontEnd::StartPrintJob(std::string_view document) {
  return qtui::StartPrintJob(ToQt(document), DialogParent());
}

// --- What changed in the model ---

void QtFrontEnd::FormLoaded(forms::Form& form) {
  if (ViewOf(form) != nullptr) return;
  TakeDesktopClipboard();
  Forms_[&form] = new FormView(form, *this, &Root_);
}

void QtFrontEnd::FormUnloaded(forms::Form& form) {
  auto it = Forms_.find(&form);
  if (it == Forms_.end()) return;
  FormView* view = it->second;
  Forms_.erase(it);
  view->Detach();
  view->deleteLater();  // its own handler may be running
  auto* app = forms::Application::Find();
  if (RunLoop_ != nullptr && (app == nullptr || app->Forms().empty())) RunLoop_->exit();
}

void QtFrontEnd::FormChanged(forms::Form& form, forms::Property what) {
  if (FormView* view = ViewOf(form)) view->FormChanged(what);
}

void QtFrontEnd::FormActivated(forms::Form& form) {
  if (FormView* view = ViewOf(form)) view->FormActivated();
}

void QtFrontEnd::ControlChanged(forms::Control& control, forms::Property what) {
  if (FormView* view = ViewOf(control.Parent())) view->ControlChanged(control, what);
}

void QtFrontEnd::ControlLoaded(forms::Control& control) {
  if (FormView* view = ViewOf(control.Parent())) view->ControlLoaded(control);
}

void QtFrontEnd::ControlUnloaded(forms::Control& control) {
  if (FormView* view = ViewOf(control.Parent())) view->ControlUnloaded(control);
}

void QtFrontEnd::MousePointerChanged(int pointer) {
  if (pointer == forms::vbDefault) {
    if (PointerOverridden_) QApplication::restoreOverrideCursor();
    PointerOverridden_ = false;
    return;
  }
  if (PointerOverridden_) {
    QApplication::changeOverrideCursor(QCursor(ShapeOf(pointer)));
  } else {
    QApplication::setOverrideCursor(QCursor(ShapeOf(pointer)));
    PointerOverridden_ = true;
  }
}

void QtFrontEnd::ClipboardChanged(const std::string& text) {
  if (WritingClipboard_) return;
  WritingClipboard_ = true;
  if (text.empty()) {
    QGuiApplication::clipboard()->clear();
  } else {
    QGuiApplication::clipboard()->setText(ToQt(text));
  }
  WritingClipboard_ = false;
}

void QtFrontEnd::TakeDesktopClipboard() {
  // What the user copied before the program started is there to paste.
  if (ClipboardTaken_) return;
  ClipboardTaken_ = true;
  auto* app = forms::Application::Find();
  QString text = QGuiApplication::clipboard()->text();
  if (app == nullptr || text.isEmpty() || !app->Clipboard().GetText().empty()) return;
  WritingClipboard_ = true;
  app->Clipboard().SetText(FromQt(text));
  WritingClipboard_ = false;
}

void QtFrontEnd::ProgramEnded() {
  for (auto& [form, loop] : ModalLoops_) loop->exit();
  if (RunLoop_ != nullptr) RunLoop_->exit();
}

}  // namespace qtui
