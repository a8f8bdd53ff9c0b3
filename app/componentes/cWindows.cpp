#include "app/componentes/cWindows.h"

namespace app {

bool cWindows::CorreApp(std::string_view caption) const {
  // The list holds the visible windows only, topmost first; the first match ends the walk.
  for (const std::string& titulo : Escritorio_.VisibleTitles()) {
    if (titulo.empty()) continue;
    if (titulo == caption) return true;
  }
  return false;
}

}  // namespace app
