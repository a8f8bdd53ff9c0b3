//===- cValidador.h - The validation component -------------------------===//
#pragma once

namespace app {

/// Checks, key filters and text fitting shared by the windows (one instance, `Validador`).
class cValidador {
 public:
};

}  // namespace app
