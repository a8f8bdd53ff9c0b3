//===- SampleReport.h - A short report drawn on any canvas --------------===//
#pragma once

#include "platform/print/Canvas.h"

namespace qtui::test {

inline const print::Font kTitleFont{"Courier New", 12, true};
inline const print::Font kBodyFont{"Courier New", 8, false};

// Two portrait pages and a landscape one, as the preview and the printer
// receive them.
inline void DrawSampleReport(print::Canvas& canvas) {
  canvas.DrawText(1500, 300, "RESUMEN ANUAL", kTitleFont);
  canvas.DrawText(150, 1200, "Línea de ocho puntos", kBodyFont);
  canvas.DrawRect(150, 2820, 11000, 3090);
  canvas.NewPage();
  canvas.DrawText(150, 600, "Segunda hoja", kBodyFont);
  canvas.SetOrientation(print::Orientation::Landscape);
  canvas.NewPage();
  canvas.DrawText(13000, 600, "Hoja apaisada", kBodyFont);
  canvas.NewPage();
  canvas.EndDocument();
}

}  // namespace qtui::test
