#include "platform/qt/Appearance.h"

#include <QApplication>
#include <QWidget>

#include <cmath>

#include "platform/forms/Control.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/PagePainter.h"

namespace qtui {

int Pixels(long twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

QRect PixelRect(long left, long top, long width, long height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QString ToQt(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QString AccessCaption(std::string_view caption) { return ToQt(caption); }

QString PlainCaption(std::string_view caption) {
  QString in = ToQt(caption);
  QString out;
  out.reserve(in.size());
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == u'&') {
      if (i + 1 < in.size() && in[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += in[i];
  }
  return out;
}

QFont ControlFont(const forms::StdFont& font) {
  QFont f(FontFamily(font.Name));
  f.setPointSizeF(font.Size > 0 ? font.Size : 8);
  f.setBold(font.Bold);
  f.setItalic(font.Italic);
  return f;
}

std::optional<QColor> PlainColor(long vbColor) {
  auto bits = static_cast<unsigned long>(vbColor);
  if ((bits & 0x80000000UL) != 0) return std::nullopt;
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

std::optional<QPalette::ColorRole> SystemRole(long vbColor) {
  auto bits = static_cast<unsigned long>(vbColor);
  if ((bits & 0x80000000UL) == 0) return std::nullopt;
  switch (bits & 0xFFUL) {
    case 5: return QPalette::Base;          // the window's background
    case 8: return QPalette::Text;          // the window's text
    case 15: return QPalette::Button;       // the button face
    case 18: return QPalette::ButtonText;   // the button's text
    default: return std::nullopt;
  }
}

void ApplyColor(QWidget& widget, QPalette::ColorRole role, long vbColor) {
  QPalette palette = widget.palette();
  if (auto rgb = PlainColor(vbColor)) {
    palette.setColor(role, *rgb);
    if (role == QPalette::Window) widget.setAutoFillBackground(true);
  } else {
    palette.setColor(role, QApplication::palette(&widget).color(SystemRole(vbColor).value_or(role)));
  }
  widget.setPalette(palette);
}

}  // namespace qtui
