//===- KeyMapping.h - Qt key events as the model's key strokes ----------===//
//
// The model takes keys as VB did: a key code (vbKeyReturn, 65 for A, ...),
// the Shift/Ctrl/Alt state, and the Windows-1252 character the key types
// (none for arrows, Delete, F-keys and Alt combinations).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QString>
#include <Qt>

#include "platform/forms/Keys.h"

namespace qtui {

/// The key stroke of a Qt key `key` with `modifiers` typing `text`. KeyCode
/// 0 for a key the model has no code for; KeyAscii 0 when it types no
/// character.
forms::KeyStroke KeyStrokeOf(int key, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace qtui
