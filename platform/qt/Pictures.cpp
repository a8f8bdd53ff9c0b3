#include "platform/qt/Pictures.h"

#include <QFileInfo>

#include "platform/files/NativePath.h"
#include "platform/qt/Appearance.h"

namespace qtui {

QPixmap PictureFile(std::string_view name) {
  if (name.empty()) return {};
  QString path = ToQt(vb::NativePath(name));
  if (!QFileInfo(path).isFile()) return {};
  return QPixmap(path);
}

PictureResolver PictureFolder(std::string folder) {
  return [folder = std::move(folder)](std::string_view name) {
    QString path = ToQt(folder + "/" + std::string(name) + ".png");
    if (!name.empty() && QFileInfo(path).isFile()) return QPixmap(path);
    return PictureFile(name);
  };
}

}  // namespace qtui
