#include "app/componentes/cWindows.h"

#include "platform/text/Strings.h"

namespace app {
namespace {

// The class comes into a buffer of 256 characters, its end included.
constexpr long kLargoClase = 255;

}  // namespace

void cWindows::CloseApp(std::string_view titulo, std::string_view className) const {
  // The shell's own window is never to be closed from here.
  if (titulo == "Progman") return;
  if (auto hwnd = Escritorio_.Find(className, titulo)) Escritorio_.Close(*hwnd);
}

bool cWindows::CorreApp(std::string_view caption) const {
  // Topmost first; the first match ends the walk.
  for (host::WindowHandle hwnd : Escritorio_.TopLevelWindows()) {
    if (!Escritorio_.IsVisible(hwnd)) continue;
    const std::string titulo = TextoVentana(hwnd);
    if (titulo.empty()) continue;
    if (titulo == caption) return true;
  }
  return false;
}

std::string cWindows::ClassName(std::string_view titulo) const {
  auto hwnd = Escritorio_.Find(std::nullopt, titulo);
  if (!hwnd) return {};
  return vb::Left(Escritorio_.ClassName(*hwnd), kLargoClase);
}

std::string cWindows::TextoVentana(host::WindowHandle hwnd) const { return Escritorio_.Title(hwnd); }

}  // namespace app
