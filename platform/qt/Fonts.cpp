#include "platform/qt/Fonts.h"

#include <array>

namespace qtui {
namespace {

struct FontAlias {
  std::string_view System;
  const char* Installed;
};

constexpr std::array kAliases{
    FontAlias{"Courier New", "Liberation Mono"},
    FontAlias{"Courier", "Liberation Mono"},
    FontAlias{"MS Sans Serif", "Liberation Sans"},
};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

QString FontFamily(std::string_view systemName) {
  for (const FontAlias& alias : kAliases) {
    if (SameNameIgnoringCase(systemName, alias.System)) return QString::fromLatin1(alias.Installed);
  }
  return QString::fromUtf8(systemName.data(), qsizetype(systemName.size()));
}

QFont PageFont(const print::Font& font) {
  QFont f(FontFamily(font.Name));
  f.setPointSizeF(font.Size);
  f.setBold(font.Bold);
  // Reports align columns by character counts: keep the fixed pitch even if
  // the family were missing, and keep fractional advances so a long line
  // ends where its twips say.
  if (f.family() == QLatin1String("Liberation Mono")) f.setStyleHint(QFont::TypeWriter);
  f.setHintingPreference(QFont::PreferVerticalHinting);
  f.setKerning(false);
  return f;
}

}  // namespace qtui
