// The views of the text box and the masked edit box. Their editors never
// edit by themselves: keys go to the model, and the editor shows the
// model's text, caret and selection. The mouse places the caret and selects
// as usual; the selection is then handed to the model.
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/forms/MaskEdBox.h"
#include "platform/forms/TextBox.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/TextPositions.h"

namespace qtui {
namespace {

using forms::Property;

Qt::Alignment AlignmentOf(int vbAlignment) {
  switch (vbAlignment) {
    case forms::vbRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case forms::vbCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

/// An editor that shows a model text: a line edit, or a plain-text edit for several lines.
class Editor {
 public:
  Editor(QWidget* parent, bool multiLine) {
    if (multiLine) {
      Multi_ = new QPlainTextEdit(parent);
      Multi_->setContextMenuPolicy(Qt::NoContextMenu);
      Multi_->setUndoRedoEnabled(false);
    } else {
      Line_ = new QLineEdit(parent);
      Line_->setContextMenuPolicy(Qt::NoContextMenu);
    }
  }

  QWidget* Widget() const { return Line_ != nullptr ? static_cast<QWidget*>(Line_) : Multi_; }
  std::vector<QWidget*> Parts() const {
    if (Line_ != nullptr) return {Line_};
    return {Multi_, Multi_->viewport()};
  }
  bool MultiLine() const { return Multi_ != nullptr; }

  void SetText(std::string_view text) {
    QSignalBlocker block(Widget());
    QString shown = EditorText(text, MultiLine());
    if (Line_ != nullptr) {
      if (Line_->text() != shown) Line_->setText(shown);
    } else if (Multi_->toPlainText() != shown) {
      Multi_->setPlainText(shown);
    }
  }

  void SetSelection(std::string_view text, long start, long length) {
    QSignalBlocker block(Widget());
    int from = EditorPosition(text, start, MultiLine());
    int to = EditorPosition(text, start + length, MultiLine());
    if (Line_ != nullptr) {
      if (to > from) {
        Line_->setSelection(from, to - from);
      } else {
        Line_->setCursorPosition(from);
      }
      return;
    }
    QTextCursor cursor = Multi_->textCursor();
    cursor.setPosition(from);
    if (to > from) cursor.setPosition(to, QTextCursor::KeepAnchor);
    Multi_->setTextCursor(cursor);
  }

  /// The editor's selection as the model counts it: start and length.
  std::pair<long, long> Selection(std::string_view text) const {
    int from = 0, to = 0;
    if (Line_ != nullptr) {
      if (Line_->hasSelectedText()) {
        from = Line_->selectionStart();
        to = from + static_cast<int>(Line_->selectedText().size());
      } else {
        from = to = Line_->cursorPosition();
      }
    } else {
      QTextCursor cursor = Multi_->textCursor();
      from = cursor.selectionStart();
      to = cursor.selectionEnd();
    }
    long start = ModelPosition(text, from, MultiLine());
    return {start, ModelPosition(text, to, MultiLine()) - start};
  }

  void SetAlignment(int vbAlignment) {
    if (Line_ != nullptr) Line_->setAlignment(AlignmentOf(vbAlignment));
  }
  void SetReadOnly(bool readOnly) {
    if (Line_ != nullptr) {
      Line_->setReadOnly(readOnly);
    } else {
      Multi_->setReadOnly(readOnly);
    }
  }

 private:
  QLineEdit* Line_ = nullptr;
  QPlainTextEdit* Multi_ = nullptr;
};

class TextBoxView : public ControlView {
 public:
  TextBoxView(forms::TextBox& box, ViewHost& host, QWidget* parent)
      : TextBoxView(box, host, new Editor(parent, box.MultiLine())) {}

  std::vector<QWidget*> Parts() const override { return Editor_->Parts(); }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Text) Editor_->SetText(Box_.Text());
    if (all || what == Property::Text || what == Property::Selection) {
      Editor_->SetSelection(Box_.Text(), Box_.SelStart(), Box_.SelLength());
    }
    if (all || what == Property::Alignment) Editor_->SetAlignment(Box_.Alignment());
    if (all || what == Property::Locked) Editor_->SetReadOnly(Box_.Locked());
  }

  bool OnMouse(QObject*, QMouseEvent& event) override {
    if (event.button() != Qt::LeftButton) return false;
    if (event.type() == QEvent::MouseButtonRelease) {
      // The editor placed the caret or selected: the model takes it, then the click.
      auto [start, length] = Editor_->Selection(Box_.Text());
      Host().Act([&] { return forms::Input::Select(Box_, start, length); });
      Host().Act([&] { return forms::Input::Click(Box_); });
    } else if (event.type() == QEvent::MouseButtonDblClick) {
      Host().Act([&] { return forms::Input::DblClick(Box_, true); });
      return true;
    }
    return false;
  }

  void ContextMenu(const QPoint& globalPos) override {
    QMenu menu;
    QAction* paste = menu.addAction(QStringLiteral("&Pegar"));
    auto* app = forms::Application::Find();
    paste->setEnabled(app != nullptr && !app->Clipboard().GetText().empty() && !Box_.Locked() &&
                      !Box_.RefusesPaste());
    if (menu.exec(globalPos) == paste) Host().Act([&] { return forms::Input::Paste(Box_); });
  }

 protected:
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }

 private:
  TextBoxView(forms::TextBox& box, ViewHost& host, Editor* editor)
      : ControlView(box, host, editor->Widget()), Box_(box), Editor_(editor) {}

  forms::TextBox& Box_;
  std::unique_ptr<Editor> Editor_;
};

class MaskEdBoxView : public ControlView {
 public:
  MaskEdBoxView(forms::MaskEdBox& box, ViewHost& host, QWidget* parent)
      : ControlView(box, host, new QLineEdit(parent)), Box_(box), Edit_(static_cast<QLineEdit*>(Widget())) {
    Edit_->setContextMenuPolicy(Qt::NoContextMenu);
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    QSignalBlocker block(Edit_);
    if (all || what == Property::Text || what == Property::Mask) {
      QString shown = ToQt(Box_.Text());
      if (Edit_->text() != shown) Edit_->setText(shown);
    }
    if (all || what == Property::Text || what == Property::Mask || what == Property::Selection) {
      Edit_->setCursorPosition(EditorPosition(Box_.Text(), Box_.SelStart(), false));
    }
    if (all || what == Property::Locked) Edit_->setReadOnly(Box_.Locked());
  }

  bool OnMouse(QObject*, QMouseEvent& event) override {
    if (event.type() == QEvent::MouseButtonRelease && event.button() == Qt::LeftButton) {
      // The caret goes where the user clicked; the box has no click event.
      long caret = ModelPosition(Box_.Text(), Edit_->cursorPosition(), false);
      Host().Act([&] {
        Box_.SetSelStart(caret);
        return true;
      });
    }
    return false;
  }

 protected:
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }

 private:
  forms::MaskEdBox& Box_;
  QLineEdit* Edit_;
};

}  // namespace

void RegisterTextViews(ViewRegistry& registry) {
  RegisterKind<forms::TextBox, TextBoxView>(registry, "TextBox");
  RegisterKind<forms::MaskEdBox, MaskEdBoxView>(registry, "MaskEdBox");
}

}  // namespace qtui
