#include "platform/qt/MessageBoxes.h"

#include <QAbstractButton>
#include <QPushButton>

#include "platform/forms/Constants.h"
#include "platform/qt/Appearance.h"

namespace qtui {
namespace {

constexpr const char* kAnswer = "vbAnswer";
constexpr const char* kDefault = "vbDefault";

QString ButtonText(int answer) {
  switch (answer) {
    case forms::vbOK: return QStringLiteral("Aceptar");
    case forms::vbCancel: return QStringLiteral("Cancelar");
    case forms::vbYes: return QStringLiteral("&Sí");
    default: return QStringLiteral("&No");
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (forms::MessageIcon(style)) {
    case forms::vbCritical: return QMessageBox::Critical;
    case forms::vbQuestion: return QMessageBox::Question;
    case forms::vbExclamation: return QMessageBox::Warning;
    case forms::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const forms::MessageBox& box, QWidget* parent) {
  auto shown = std::make_unique<QMessageBox>(parent);
  shown->setWindowTitle(ToQt(box.Title));
  shown->setTextFormat(Qt::PlainText);
  QString text = ToQt(box.Prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  shown->setText(text);
  shown->setIcon(IconOf(box.Style));
  std::vector<int> answers = forms::MessageButtons(box.Style);
  int defaultAnswer = forms::DefaultAnswer(box.Style);
  shown->setProperty(kDefault, defaultAnswer);
  QAbstractButton* escape = nullptr;
  for (int answer : answers) {
    // One role for all keeps VB's order whatever the desktop's button order.
    QPushButton* button = shown->addButton(ButtonText(answer), QMessageBox::AcceptRole);
    button->setProperty(kAnswer, answer);
    if (answer == defaultAnswer) shown->setDefaultButton(button);
    if (answer == forms::vbCancel || (answers.size() == 1 && answer == forms::vbOK)) escape = button;
  }
  shown->setEscapeButton(escape);
  return shown;
}

int AnswerOf(const QMessageBox& box) {
  if (QAbstractButton* clicked = box.clickedButton(); clicked != nullptr && clicked->property(kAnswer).isValid()) {
    return clicked->property(kAnswer).toInt();
  }
  return box.property(kDefault).toInt();
}

}  // namespace qtui
