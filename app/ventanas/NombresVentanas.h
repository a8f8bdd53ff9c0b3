//===- NombresVentanas.h - The names KR917's windows are opened by -------===//
//
// Windows of the higher folders (the return form, its schedules, printing)
// are opened by these names through G().Ventanas; KR917's main registers
// them. A window not built yet opens as a placeholder that names it; any
// other unregistered name is an error.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

namespace app::ventana {

inline constexpr char kFrm0917[] = "Frm0917";
inline constexpr char kFrmModFor[] = "frmModFor";
inline constexpr char kFrmAbrirEnv[] = "frmAbrirEnv";
inline constexpr char kFrmBancos[] = "frmBancos";
inline constexpr char kFrmImprimir[] = "frmImprimir";
inline constexpr char kFrmAdicionalCab[] = "FrmAdicionalCab";
inline constexpr char kFrmAdicionalDet[] = "FrmAdicionalDet";
inline constexpr char kFrmExoneradas[] = "FrmExoneradas";
inline constexpr char kFrmInafectas[] = "FrmInafectas";
inline constexpr char kFrmConsist[] = "FrmConsist";

/// Every name the program opens a window by.
inline constexpr std::string_view kTodas[] = {kFrm0917,         kFrmModFor,     kFrmAbrirEnv,  kFrmBancos,
                                              kFrmImprimir,     kFrmAdicionalCab, kFrmExoneradas, kFrmInafectas,
                                              kFrmConsist,      kFrmAdicionalDet};

/// The windows this version does not have yet: they open as placeholders.
inline constexpr std::string_view kPendientes[] = {kFrmImprimir};

}  // namespace app::ventana
