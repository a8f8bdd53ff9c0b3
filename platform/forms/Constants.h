//===- Constants.h - VB's constants for windows, keys and message boxes ---===//
//
// The values are VB's own, so the system's code compares and passes the
// numbers it always did (`If MsgBox(...) = vbYes`, `KeyAscii = 13`).
//
//===----------------------------------------------------------------------===//
#pragma once

namespace forms {

// Show
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// Message-box buttons, icons and default button; they are added together.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

// Message-box answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// QueryUnload's UnloadMode.
inline constexpr int vbFormControlMenu = 0;  // the close box
inline constexpr int vbFormCode = 1;         // the Unload statement
inline constexpr int vbFormMDIForm = 4;      // the MDI frame is closing

// Screen.MousePointer
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbHourglass = 11;

// WindowState
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// Shift argument of key and mouse events.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Mouse buttons.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;

// Key codes (KeyDown, KeyUp).
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyApps = 93;  // the context-menu key

// Text alignment (TextBox, Label, grid column).
inline constexpr int vbLeftJustify = 0;
inline constexpr int vbRightJustify = 1;
inline constexpr int vbCenter = 2;

// CheckBox.Value
inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

// ComboBox.Style
inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboDropdownList = 2;

// Colours the system names: system colours (&H80000000 + index) and plain RGB.
inline constexpr long vbWindowBackground = 0x80000005L;
inline constexpr long vbWindowText = 0x80000008L;
inline constexpr long vbButtonFace = 0x8000000FL;
inline constexpr long vbButtonText = 0x80000012L;
inline constexpr long vbWhite = 0xFFFFFFL;
inline constexpr long vbBlack = 0x000000L;

// Toolbar button styles.
inline constexpr int tbrDefault = 0;
inline constexpr int tbrSeparator = 3;

// CommonDialog help commands.
inline constexpr int cdlHelpContext = 1;
inline constexpr int cdlHelpContents = 3;

}  // namespace forms
