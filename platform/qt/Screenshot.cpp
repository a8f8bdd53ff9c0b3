#include "platform/qt/Screenshot.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <exception>

#include "platform/forms/Application.h"
#include "platform/text/Error.h"

namespace qtui {
namespace {

QtMessageHandler gStandardHandler = nullptr;

void DropOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (gStandardHandler != nullptr) gStandardHandler(type, context, message);
}

}  // namespace

bool SaveWidgetPng(QWidget& widget, const QString& path) {
  // Pending layouts and repaints first, so the picture is what a user sees.
  QCoreApplication::processEvents();
  widget.ensurePolished();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return widget.grab().save(path, "PNG");
}

int TakeShots(const std::vector<Shot>& shots, const QString& folder, const std::function<void()>& after) {
  int failed = 0;
  for (const Shot& shot : shots) {
    const QString path = QDir(folder).filePath(QString::fromStdString(shot.Name) + QStringLiteral(".png"));
    QWidget* window = nullptr;
    try {
      window = shot.Show();
    } catch (const vb::Error& e) {
      std::fprintf(stderr, "screenshots: %s: %d %s\n", shot.Name.c_str(), e.Number(), e.Description().c_str());
    } catch (const forms::ProgramEnd&) {
    } catch (const std::exception& e) {
      std::fprintf(stderr, "screenshots: %s: %s\n", shot.Name.c_str(), e.what());
    }
    if (window != nullptr && SaveWidgetPng(*window, path)) {
      std::printf("  %s\n", path.toLocal8Bit().constData());
    } else {
      std::fprintf(stderr, "screenshots: %s was not saved\n", shot.Name.c_str());
      ++failed;
    }
    if (after) after();
    QApplication::processEvents();
  }
  return failed;
}

void QuietOffscreenNotes() { gStandardHandler = qInstallMessageHandler(DropOffscreenNotes); }

}  // namespace qtui
