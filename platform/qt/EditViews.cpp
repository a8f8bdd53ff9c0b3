// The views of the text box and the masked edit box. Their editors never
// edit by themselves: keys go to the model, and the editor shows the
// model's text, caret and selection. The mouse places the caret and selects
// as usual; the selection is then handed to the model.
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <utility>
#include <vector>

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

/// A box of several lines whose lines keep clear of the controls standing
/// on it: a control standing in one line's gap (a count in a sentence) keeps
/// its own place, and the lines below begin under it.
class LinesEdit : public QPlainTextEdit {
 public:
  explicit LinesEdit(QWidget* parent) : QPlainTextEdit(parent) {
    // The room above the lines is the box's, in its colour.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
  }

  /// The places (in the box's pixels) of the controls standing on it.
  void SetCovers(std::vector<QRect> covers) {
    if (covers == Covers_) return;
    Covers_ = std::move(covers);
    Arrange();
  }

  /// Moves the lines down as far as a control standing in a line reaches
  /// into the next one, measured on the lines as the font lays them out.
  void Arrange() {
    int room = 0;
    if (!Covers_.empty()) {
      // The tops and bottoms of the lines in the box's pixels, without any room above them.
      std::vector<std::pair<int, int>> lines;
      const QPointF offset = contentOffset();
      const int top = frameWidth();
      for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingGeometry(block).translated(offset);
        const QTextLayout* layout = block.layout();
        for (int i = 0; layout != nullptr && i < layout->lineCount(); ++i) {
          const QRectF line = layout->lineAt(i).rect().translated(place.topLeft());
          lines.emplace_back(top + qFloor(line.top()), top + qCeil(line.bottom()));
        }
      }
      for (const QRect& cover : Covers_) {
        const int middle = cover.center().y();
        for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
          if (middle < lines[k].first || middle >= lines[k].second) continue;
          // Only a control of about a line's height stands in a line; a larger one just lies over the box.
          if (cover.height() >= 2 * (lines[k].second - lines[k].first)) break;
          room = std::max(room, cover.bottom() + 1 - lines[k + 1].first);
          break;
        }
      }
    }
    if (room != viewportMargins().top()) setViewportMargins(0, room, 0, 0);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QPlainTextEdit::resizeEvent(event);
    Arrange();
  }
  void changeEvent(QEvent* event) override {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) Arrange();
  }

 private:
  std::vector<QRect> Covers_;
};

/// An editor that shows a model text: a line edit, or a plain-text edit for several lines.
class Editor {
 public:
  Editor(QWidget* parent, bool multiLine) {
    if (multiLine) {
      Multi_ = new LinesEdit(parent);
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
      Multi_->Arrange();
    }
  }

  /// The places of the controls standing on the box (a box of several lines keeps its lines clear of them).
  void SetCovers(std::vector<QRect> covers) {
    if (Multi_ != nullptr) Multi_->SetCovers(std::move(covers));
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
  LinesEdit* Multi_ = nullptr;
};

class TextBoxView : public ControlView {
 public:
  TextBoxView(forms::TextBox& box, ViewHost& host, QWidget* parent)
      : TextBoxView(box, host, new Editor(parent, box.MultiLine())) {}

  std::vector<QWidget*> Parts() const override { return Editor_->Parts(); }
  bool HasLines() const override { return Editor_->MultiLine(); }
  void StandingOn(std::vector<QRect> places) override { Editor_->SetCovers(std::move(places)); }

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
