// Pictures of the whole screen, as the user saw it at a step.
#include <QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

#include "tests/e2e/Desktop.h"

namespace kr::e2e {

Area Desktop::ScreenArea() const {
  if (Display_ == nullptr) return {};
  XWindowAttributes a{};
  XGetWindowAttributes(Display_, DefaultRootWindow(Display_), &a);
  return {0, 0, a.width, a.height};
}

std::vector<unsigned int> Desktop::ScreenPixels() const {
  std::vector<unsigned int> pixels;
  if (Display_ == nullptr) return pixels;
  Window root = DefaultRootWindow(Display_);
  XWindowAttributes a{};
  XGetWindowAttributes(Display_, root, &a);
  XImage* image = XGetImage(Display_, root, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height),
                            AllPlanes, ZPixmap);
  if (image == nullptr) return pixels;
  pixels.resize(static_cast<std::size_t>(a.width) * static_cast<std::size_t>(a.height));
  for (int y = 0; y < a.height; ++y) {
    unsigned int* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(a.width);
    if (image->bits_per_pixel == 32) {
      std::memcpy(row, image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line,
                  static_cast<std::size_t>(a.width) * 4);
    } else {
      for (int x = 0; x < a.width; ++x) row[x] = static_cast<unsigned int>(XGetPixel(image, x, y));
    }
  }
  XDestroyImage(image);
  return pixels;
}

bool Desktop::SaveScreen(const std::string& path) const {
  if (Display_ == nullptr) return false;
  XWindowAttributes a{};
  XGetWindowAttributes(Display_, DefaultRootWindow(Display_), &a);
  std::vector<unsigned int> pixels = ScreenPixels();
  if (pixels.empty()) return false;
  QImage image(a.width, a.height, QImage::Format_RGB32);
  for (int y = 0; y < a.height; ++y) {
    std::memcpy(image.scanLine(y), pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(a.width),
                static_cast<std::size_t>(a.width) * 4);
  }
  return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace kr::e2e
