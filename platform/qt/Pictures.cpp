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

}  // namespace qtui
