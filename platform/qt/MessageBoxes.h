//===- MessageBoxes.h - VB's message boxes as QMessageBox ---------------===//
//
// A box shows the program's title and text exactly (plain text, CR LF as a
// line break), VB's icon for the style, its buttons in VB's order with
// Spanish texts, and the style's default button. Escape answers Cancel, or
// OK in a box with OK alone; a Yes/No box can only be answered by its
// buttons (Escape and the close box do nothing), as in VB.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QMessageBox>

#include <memory>

#include "platform/forms/FrontEnd.h"

namespace qtui {

/// The box for `box`, not shown yet.
std::unique_ptr<QMessageBox> MakeMessageBox(const forms::MessageBox& box, QWidget* parent = nullptr);

/// The answer (vbOK, vbCancel, vbYes, vbNo) of the button clicked on a box
/// made by MakeMessageBox; the default answer when none was.
int AnswerOf(const QMessageBox& box);

}  // namespace qtui
