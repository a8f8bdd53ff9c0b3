//===- Screenshot.h - What a window shows, as a PNG file ----------------===//
#pragma once

#include <QString>

class QWidget;

namespace qtui {

/// Writes what `widget` shows (laid out and painted now, shown or not) to
/// the PNG file `path`, making its folder; false when it could not.
bool SaveWidgetPng(QWidget& widget, const QString& path);

}  // namespace qtui
