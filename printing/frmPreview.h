//===- frmPreview.h - The preview window and the report interpreter ------===//
//
// A page-command file (common/ArchivoComandos.h) is shown here one page box
// per page, with paging and scrolling, or printed: the same interpretation
// draws either into the page boxes' pages or on a print job's canvas
// (forms::Printer). A new window serves each report (ModObjetos::VistaPrevia).
//
// The whole file is read and checked before anything is drawn: a bad line
// shows its number and nothing is shown or printed. The toolbar's print
// runs on a job of its own and leaves the pages on screen as they are.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/HScrollBar.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/VScrollBar.h"
#include "platform/print/Canvas.h"

namespace app {

/// ModoVista while the window previews.
inline constexpr char kPresPrevia[] = "PresPrevia";
/// ModoVista once it prints.
inline constexpr char kImprimir[] = "IMPRIMIR";

/// "Presentación Preliminar": the pages of one report.
class frmPreview : public forms::Form {
 public:
  frmPreview();

  forms::Toolbar tlbPrevia{this, "tlbPrevia"};
  forms::ImageList ImageList1{this, "ImageList1"};
  forms::PictureBox picFondo{this, "picFondo"};
  forms::ControlArray<forms::PictureBox> picPrevia{this, "picPrevia"};
  forms::ControlArray<forms::VScrollBar> vsbPic{this, "vsbPic"};
  forms::HScrollBar HScroll1{this, "HScroll1"};

  /// The report file's name, without its folder ("00000042.PRN").
  std::string Archivo;
  /// kPresPrevia while previewing, kImprimir once printing.
  std::string ModoVista;
  /// While interpreting, the highest page met; afterwards the box shown.
  std::int16_t PaginaVisible = 0;
  /// The page boxes loaded.
  std::int16_t TotalPaginas = 0;

  /// Interprets the report `archivo` of the report folder whole: into the
  /// page boxes for kPresPrevia, on a print job for any other mode.
  void pDesencripta(const std::string& archivo, const std::string& modo);
  /// Draws one text, one text upright, one rectangle: on page box `pagina`
  /// while previewing, on the print job while printing.
  void ppos(int x, int y, const std::string& texto, int negrita, int tamano, int pagina);
  void pPosVerti(int x, int y, const std::string& texto, int negrita, int tamano, int pagina);
  void pCuadro(int x1, int y1, int x2, int y2, int pagina);
  /// Shows page box 0 (n = 0), the previous one (-2) or the next one (-1).
  void pMostrar(int n);

 protected:
  void Form_Load() override;

 private:
  void tlbPrevia_ButtonClick(forms::ToolbarButton& Button);
  void vsbPic_Change(int Index);
  void HScroll1_Change();

  // The end of a run that failed: its message, the job ended, the window gone.
  void Falla(int numero, const std::string& descripcion);
  // The box a drawing command of page `pagina` goes to while previewing,
  // loaded when its page is new; -1 when the page lies outside the range.
  int CajaDe(int pagina);
  // The page being drawn in box `caja`, which takes the orientation its
  // sheet prints in when its first item comes.
  print::Page& HojaDe(int caja);
  // Hands the pages drawn to their boxes, each on a sheet of its orientation.
  void EntregaHojas();
  // The scroll ranges of the box shown.
  void AjustaBarras();

  std::shared_ptr<print::Canvas> Impresora_;
  std::string FuenteImpresora_;
  print::Orientation Orientacion_ = print::Orientation::Portrait;
  std::vector<print::Page> Hojas_;
  std::vector<bool> Orientadas_;
};

}  // namespace app
