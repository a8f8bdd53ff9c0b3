//===- NombresVentanas.h - The names KR917's windows are opened by -------===//
//
// Windows of the higher folders (the return form, its schedules, printing)
// are opened by these names through G().Ventanas; KR917's main registers
// them; an unregistered name is an error.
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
inline constexpr std::string_view kTodas[] = {kFrm0917,     kFrmModFor,       kFrmAbrirEnv,   kFrmBancos,
                                              kFrmImprimir, kFrmAdicionalCab, kFrmExoneradas, kFrmInafectas,
                                              kFrmConsist,  kFrmAdicionalDet};

}  // namespace app::ventana
