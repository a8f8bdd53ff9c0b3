#include "platform/qt/KeyMapping.h"

#include <QList>

#include <array>

#include "platform/forms/Constants.h"
#include "platform/text/Cp1252.h"

namespace qtui {
namespace {

struct NamedKey {
  int Qt;
  int Code;
  int Ascii;  // the character it types, 0 for none
};

constexpr std::array kNamedKeys{
    NamedKey{Qt::Key_Return, forms::vbKeyReturn, 13}, NamedKey{Qt::Key_Enter, forms::vbKeyReturn, 13},
    NamedKey{Qt::Key_Escape, forms::vbKeyEscape, 27}, NamedKey{Qt::Key_Tab, forms::vbKeyTab, 0},
    NamedKey{Qt::Key_Backtab, forms::vbKeyTab, 0},    NamedKey{Qt::Key_Backspace, forms::vbKeyBack, 8},
    NamedKey{Qt::Key_Delete, forms::vbKeyDelete, 0},  NamedKey{Qt::Key_Insert, forms::vbKeyInsert, 0},
    NamedKey{Qt::Key_Home, forms::vbKeyHome, 0},      NamedKey{Qt::Key_End, forms::vbKeyEnd, 0},
    NamedKey{Qt::Key_Left, forms::vbKeyLeft, 0},      NamedKey{Qt::Key_Up, forms::vbKeyUp, 0},
    NamedKey{Qt::Key_Right, forms::vbKeyRight, 0},    NamedKey{Qt::Key_Down, forms::vbKeyDown, 0},
    NamedKey{Qt::Key_PageUp, 33, 0},                  NamedKey{Qt::Key_PageDown, 34, 0},
    NamedKey{Qt::Key_Space, forms::vbKeySpace, ' '},  NamedKey{Qt::Key_Menu, forms::vbKeyApps, 0},
    NamedKey{Qt::Key_Shift, forms::vbKeyShift, 0},    NamedKey{Qt::Key_Control, 17, 0},
    NamedKey{Qt::Key_Alt, 18, 0},
};

int ShiftOf(Qt::KeyboardModifiers modifiers, int key) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier || key == Qt::Key_Backtab) shift |= forms::vbShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= forms::vbCtrlMask;
  if (modifiers & Qt::AltModifier) shift |= forms::vbAltMask;
  return shift;
}

// The Windows-1252 code of a one-character text, or -1.
int CodeOfText(const QString& text) {
  if (text.size() != 1 && !(text.size() == 2 && text[0].isHighSurrogate())) return -1;
  return vb::Cp1252Code(static_cast<char32_t>(text.toUcs4().value(0)));
}

}  // namespace

forms::KeyStroke KeyStrokeOf(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  forms::KeyStroke k;
  k.Shift = ShiftOf(modifiers, key);
  bool alt = (k.Shift & forms::vbAltMask) != 0;
  bool ctrl = (k.Shift & forms::vbCtrlMask) != 0;
  int typed = CodeOfText(text);

  for (const NamedKey& named : kNamedKeys) {
    if (named.Qt != key) continue;
    k.KeyCode = named.Code;
    k.KeyAscii = alt ? 0 : named.Ascii;
    if (named.Qt == Qt::Key_Space && ctrl) k.KeyAscii = 0;
    return k;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    k.KeyCode = forms::vbKeyF1 + (key - Qt::Key_F1);
    k.KeyAscii = 0;
    return k;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    k.KeyCode = 'A' + (key - Qt::Key_A);
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    k.KeyCode = '0' + (key - Qt::Key_0);
  } else if (typed > 0) {
    k.KeyCode = forms::KeyOfChar(typed).KeyCode;
  } else {
    return forms::KeyStroke{0, k.Shift, 0};
  }
  if (alt) {
    k.KeyAscii = 0;
  } else if (ctrl && k.KeyCode >= 'A' && k.KeyCode <= 'Z') {
    k.KeyAscii = k.KeyCode - 'A' + 1;
  } else if (typed >= 32 && typed != 127) {
    k.KeyAscii = typed;
  } else {
    k.KeyAscii = 0;
  }
  return k;
}

}  // namespace qtui
