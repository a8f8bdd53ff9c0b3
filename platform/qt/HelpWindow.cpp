#include "platform/qt/HelpWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/Appearance.h"

namespace qtui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), Text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("help"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
  Text_->setReadOnly(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text_);
  resize(480, 360);
}

void HelpWindow::ShowPage(const host::HelpPage& page) {
  setWindowTitle(page.Found ? ToQt(page.Title) : QStringLiteral("Ayuda"));
  Text_->setPlainText(ToQt(page.Text));
  show();
  activateWindow();
}

QString HelpWindow::Text() const { return Text_->toPlainText(); }

}  // namespace qtui
