#include "platform/qt/TextPositions.h"

#include <string>

#include "platform/qt/Appearance.h"
#include "platform/text/Cp1252.h"

namespace qtui {
namespace {

// The editor units of each model character: 2 beyond the BMP, 0 for the LF of a CR LF in a multi-line box.
template <class Visit>
void Walk(std::string_view text, bool multiLine, Visit visit) {
  std::u32string points = vb::ToCodePoints(text);
  for (std::size_t i = 0; i < points.size(); ++i) {
    int units = points[i] > 0xFFFF ? 2 : 1;
    if (multiLine && points[i] == U'\n' && i > 0 && points[i - 1] == U'\r') units = 0;
    if (!visit(units)) return;
  }
}

}  // namespace

QString EditorText(std::string_view text, bool multiLine) {
  QString shown = ToQt(text);
  if (multiLine) shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

int EditorPosition(std::string_view text, long position, bool multiLine) {
  int units = 0;
  long seen = 0;
  Walk(text, multiLine, [&](int n) {
    if (seen >= position) return false;
    units += n;
    ++seen;
    return true;
  });
  return units;
}

long ModelPosition(std::string_view text, int position, bool multiLine) {
  int units = 0;
  long seen = 0;
  Walk(text, multiLine, [&](int n) {
    if (units >= position && n != 0) return false;
    units += n;
    ++seen;
    return true;
  });
  return seen;
}

}  // namespace qtui
