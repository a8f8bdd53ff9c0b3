// The views of combo boxes and list boxes. The selection is the model's: a
// choice in the drop-down list or a click on a row goes to the model, and
// the widget shows the model's items, selection and text.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "platform/forms/ComboBox.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/forms/ListBox.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"

namespace qtui {
namespace {

using forms::Property;

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(forms::ComboBox& combo, ViewHost& host, QWidget* parent)
      : ControlView(combo, host, new QComboBox(parent)), Combo_(combo), Box_(static_cast<QComboBox*>(Widget())) {
    Box_->setInsertPolicy(QComboBox::NoInsert);
    Box_->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(Box_, &QComboBox::activated, Guard(), [this](int index) {
      Host().Act([&] { return forms::Input::Choose(Combo_, index); });
      Sync(Property::ListIndex);
    });
  }

  std::vector<QWidget*> Parts() const override {
    std::vector<QWidget*> parts{Box_};
    if (Box_->lineEdit() != nullptr) parts.push_back(Box_->lineEdit());
    return parts;
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    QSignalBlocker block(Box_);
    if (all) {
      Box_->setEditable(Combo_.Style() == forms::vbComboDropdown);
      if (Box_->lineEdit() != nullptr) Box_->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    }
    if (all || what == Property::List) {
      QStringList items;
      for (int i = 0; i < Combo_.ListCount(); ++i) items << ToQt(Combo_.List(i));
      Box_->clear();
      Box_->addItems(items);
    }
    if (all || what == Property::List || what == Property::ListIndex || what == Property::Text) {
      Box_->setCurrentIndex(Combo_.ListIndex());
      if (Box_->lineEdit() != nullptr) {
        QString text = ToQt(Combo_.Text());
        if (Box_->lineEdit()->text() != text) Box_->lineEdit()->setText(text);
      }
    }
    if (all || what == Property::DroppedWidth || what == Property::Geometry) {
      Box_->view()->setMinimumWidth(static_cast<int>(Combo_.DroppedWidth()));
    }
  }

 protected:
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }

 private:
  forms::ComboBox& Combo_;
  QComboBox* Box_;
};

class ListBoxView : public ControlView {
 public:
  ListBoxView(forms::ListBox& list, ViewHost& host, QWidget* parent)
      : ControlView(list, host, new QListWidget(parent)), List_(list), Widget_(static_cast<QListWidget*>(Widget())) {
    Widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    Widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  }

  std::vector<QWidget*> Parts() const override { return {Widget_, Widget_->viewport()}; }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    QSignalBlocker block(Widget_);
    if (all || what == Property::List) {
      Widget_->clear();
      for (int i = 0; i < List_.ListCount(); ++i) Widget_->addItem(ToQt(List_.List(i)));
    }
    if (all || what == Property::List || what == Property::ListIndex) {
      Widget_->setCurrentRow(List_.ListIndex());
      if (List_.ListIndex() < 0) Widget_->clearSelection();
    }
  }

  bool OnMouse(QObject* part, QMouseEvent& event) override {
    if (part != Widget_->viewport() || event.button() != Qt::LeftButton) return false;
    if (event.type() == QEvent::MouseButtonPress) {
      // The row goes to the model; the list shows the model's choice.
      int row = Widget_->indexAt(event.position().toPoint()).row();
      if (row >= 0) Host().Act([&] { return forms::Input::Choose(List_, row); });
      Sync(Property::ListIndex);
      return true;
    }
    if (event.type() == QEvent::MouseButtonDblClick) {
      Host().Act([&] { return forms::Input::DblClick(List_, true); });
      return true;
    }
    return event.type() == QEvent::MouseButtonRelease;
  }

 protected:
  QPalette::ColorRole BackRole() const override { return QPalette::Base; }
  QPalette::ColorRole ForeRole() const override { return QPalette::Text; }

 private:
  forms::ListBox& List_;
  QListWidget* Widget_;
};

}  // namespace

void RegisterListViews(ViewRegistry& registry) {
  RegisterKind<forms::ComboBox, ComboBoxView>(registry, "ComboBox");
  RegisterKind<forms::ListBox, ListBoxView>(registry, "ListBox");
}

}  // namespace qtui
