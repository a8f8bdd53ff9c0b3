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

int VisitShots(const std::vector<Shot>& shots, const ShotVisitor& visit, const std::function<void()>& after) {
  int failed = 0;
  for (const Shot& shot : shots) {
    QWidget* window = nullptr;
    try {
      window = shot.Show();
    } catch (const vb::Error& e) {
      std::fprintf(stderr, "screenshots: %s: %d %s\n", shot.Name.c_str(), e.Number(), e.Description().c_str());
    } catch (const forms::ProgramEnd&) {
    } catch (const std::exception& e) {
      std::fprintf(stderr, "screenshots: %s: %s\n", shot.Name.c_str(), e.what());
    }
    if (window == nullptr) {
      std::fprintf(stderr, "screenshots: %s was not shown\n", shot.Name.c_str());
      ++failed;
    } else {
      // Pending layouts and repaints first, so the window is what a user sees.
      QCoreApplication::processEvents();
      window->ensurePolished();
      if (!visit(shot, *window)) ++failed;
    }
    if (after) after();
    QApplication::processEvents();
  }
  return failed;
}

ShotVisitor SavePngIn(const QString& folder) {
  return [folder](const Shot& shot, QWidget& window) {
    const QString path = QDir(folder).filePath(QString::fromStdString(shot.Name) + QStringLiteral(".png"));
    if (!SaveWidgetPng(window, path)) {
      std::fprintf(stderr, "screenshots: %s was not saved\n", shot.Name.c_str());
      return false;
    }
    std::printf("  %s\n", path.toLocal8Bit().constData());
    return true;
  };
}

void QuietOffscreenNotes() { gStandardHandler = qInstallMessageHandler(DropOffscreenNotes); }

}  // namespace qtui
