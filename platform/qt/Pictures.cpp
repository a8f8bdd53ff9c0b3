#include "platform/qt/Pictures.h"

#include <optional>

#include "platform/files/WholeFile.h"
#include "platform/text/Error.h"

namespace qtui {
namespace {

// The bytes of the image file at `path`, read through the layer, which never
// waits on a pipe or a device at the name and reads only a plain file: a name
// checked first and opened after could be another thing by then.
std::optional<std::string> ImageBytes(const std::string& path) {
  try {
    return vb::ReadFileBytes(path);
  } catch (const vb::Error&) {
    return std::nullopt;
  }
}

QPixmap Decoded(const std::string& bytes) {
  QPixmap pixmap;
  pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
  return pixmap;
}

}  // namespace

QPixmap PictureFile(std::string_view name) {
  if (name.empty()) return {};
  const std::optional<std::string> bytes = ImageBytes(std::string(name));
  return bytes ? Decoded(*bytes) : QPixmap();
}

PictureResolver PictureFolder(std::string folder) {
  return [folder = std::move(folder)](std::string_view name) {
    if (name.empty()) return QPixmap();
    if (const std::optional<std::string> bytes = ImageBytes(folder + "/" + std::string(name) + ".png")) {
      return Decoded(*bytes);
    }
    return PictureFile(name);
  };
}

}  // namespace qtui
