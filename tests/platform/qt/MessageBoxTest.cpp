// Message boxes as QMessageBox: VB's icon, buttons in order, default and
// escape buttons, and the program's exact title and text.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/qt/MessageBoxes.h"
#include "tests/platform/qt/QtFormsFixture.h"

namespace qtui::test {
namespace {

using namespace forms;

std::vector<std::string> ButtonTexts(const QMessageBox& box) {
  std::vector<std::string> texts;
  for (QAbstractButton* b : box.buttons()) texts.push_back(b->text().toStdString());
  return texts;
}

// The buttons of a shown box in the order they are laid out, left to right.
std::vector<std::string> ShownOrder(const QMessageBox& box) {
  QList<QAbstractButton*> list = box.buttons();
  std::vector<QAbstractButton*> buttons(list.begin(), list.end());
  std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
  std::vector<std::string> texts;
  for (QAbstractButton* b : buttons) texts.push_back(b->text().toStdString());
  return texts;
}

TEST_F(QtForms, AMessageBoxIsReadBackFromTheWidgetAndAnsweredByItsButton) {
  App.App().SetTitle("KR917");
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title, text, defaultButton;
  std::vector<std::string> buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    title = box->windowTitle();
    text = box->text();
    buttons = ShownOrder(*box);
    defaultButton = box->defaultButton()->text();
    box->buttons()[1]->click();  // "No"
  });
  int answer = MsgBox("¿Desea grabar los cambios?\r\nSe perderán si no.", vbYesNoCancel + vbQuestion + vbDefaultButton2,
                      "Grabar Formulario");
  EXPECT_EQ(answer, vbNo);
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(title, QStringLiteral("Grabar Formulario"));
  EXPECT_EQ(text, QStringLiteral("¿Desea grabar los cambios?\nSe perderán si no."));
  EXPECT_EQ(buttons, (std::vector<std::string>{"&Sí", "&No", "Cancelar"}));
  EXPECT_EQ(defaultButton, QStringLiteral("&No"));
}

TEST(MessageBoxes, EachStyleHasVBsIconButtonsDefaultAndEscape) {
  struct Case {
    int Style;
    QMessageBox::Icon Icon;
    std::vector<std::string> Buttons;
    const char* Default;
    const char* Escape;  // nullptr: Escape and the close box do nothing
  };
  const Case cases[] = {
      {vbOKOnly, QMessageBox::NoIcon, {"Aceptar"}, "Aceptar", "Aceptar"},
      {vbCritical, QMessageBox::Critical, {"Aceptar"}, "Aceptar", "Aceptar"},
      {vbInformation, QMessageBox::Information, {"Aceptar"}, "Aceptar", "Aceptar"},
      {vbOKCancel + vbExclamation + vbDefaultButton2, QMessageBox::Warning, {"Aceptar", "Cancelar"}, "Cancelar",
       "Cancelar"},
      {vbYesNo + vbQuestion, QMessageBox::Question, {"&Sí", "&No"}, "&Sí", nullptr},
      {vbYesNoCancel + vbDefaultButton3, QMessageBox::NoIcon, {"&Sí", "&No", "Cancelar"}, "Cancelar", "Cancelar"},
  };
  for (const Case& c : cases) {
    auto box = qtui::MakeMessageBox(MessageBox{"Texto", c.Style, "Título"});
    EXPECT_EQ(box->icon(), c.Icon) << c.Style;
    EXPECT_EQ(ButtonTexts(*box), c.Buttons) << c.Style;
    EXPECT_EQ(box->defaultButton()->text().toStdString(), c.Default) << c.Style;
    if (c.Escape == nullptr) {
      EXPECT_EQ(box->escapeButton(), nullptr) << c.Style;
    } else {
      ASSERT_NE(box->escapeButton(), nullptr) << c.Style;
      EXPECT_EQ(box->escapeButton()->text().toStdString(), c.Escape) << c.Style;
    }
    EXPECT_EQ(qtui::AnswerOf(*box), DefaultAnswer(c.Style)) << c.Style;  // nothing clicked yet
  }
}

TEST(MessageBoxes, TextIsPlainNotMarkup) {
  auto box = qtui::MakeMessageBox(MessageBox{"<b>3 < 4</b>", vbOKOnly, ""});
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text(), QStringLiteral("<b>3 < 4</b>"));
}

}  // namespace
}  // namespace qtui::test
