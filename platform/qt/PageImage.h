//===- PageImage.h - A page as an image or a PNG file -------------------===//
//
// Screenshots and tests look at pages as the preview shows them.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QImage>
#include <QPageSize>
#include <QString>

#include "platform/print/Page.h"

namespace qtui {

/// The page as the screen shows it, background included, on a sheet of
/// `paper` in the page's orientation at 15 twips per pixel.
QImage PageImage(const print::Page& page, const QPageSize& paper = QPageSize(QPageSize::Letter));

/// Writes PageImage(page, paper) to `path` as a PNG; false when it could not.
bool SavePagePng(const print::Page& page, const QString& path,
                 const QPageSize& paper = QPageSize(QPageSize::Letter));

}  // namespace qtui
