#include "platform/qt/Screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace qtui {

bool SaveWidgetPng(QWidget& widget, const QString& path) {
  // Pending layouts and repaints first, so the picture is what a user sees.
  QCoreApplication::processEvents();
  widget.ensurePolished();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return widget.grab().save(path, "PNG");
}

}  // namespace qtui
