//===- Pictures.h - The model's picture names as pixmaps ----------------===//
//
// Windows, images, picture boxes, toolbars and grid cells name their
// pictures; the front end turns a name into a pixmap with a resolver the
// program may replace (to look in its own picture folder, say).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QPixmap>

#include <functional>
#include <string>
#include <string_view>

namespace qtui {

/// Turns a picture name into a pixmap; a null pixmap when there is none.
using PictureResolver = std::function<QPixmap(std::string_view name)>;

/// The default resolver: the name is the program path of an image file
/// (backslashes and any letter case, as the program writes it); a null
/// pixmap when no such image can be read.
QPixmap PictureFile(std::string_view name);

/// A resolver for a program that ships its pictures in `folder`: a name is
/// the file "<name>.png" there, else an image file as PictureFile reads it.
PictureResolver PictureFolder(std::string folder);

}  // namespace qtui
