//===- Fonts.h - Installed free fonts in place of the system's fonts ----===//
//
// Reports and windows name Windows fonts. Each is drawn with an installed
// free font of the same metrics (Liberation), so texts placed in twips line
// up in columns as they were laid out.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QFont>
#include <QString>

#include <string_view>

#include "platform/print/Page.h"

namespace qtui {

/// The installed family that draws a font the system names: "Courier New"
/// and "Courier" (any letter case) give "Liberation Mono", "MS Sans Serif"
/// gives "Liberation Sans"; any other name is kept as it is.
QString FontFamily(std::string_view systemName);

/// A font for a page text: the mapped family, the size in points, bold or not.
QFont PageFont(const print::Font& font);

}  // namespace qtui
