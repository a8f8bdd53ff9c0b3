// The strips' pages and their help topics: F1 on a page gives the topic of
// the page in front, or of the outer page when the inner strip has none set.
#include <iterator>

#include "return/Frm0917.h"

namespace app {
namespace {

// The help topic of each page, from page 0; 0 where a strip sets none.
struct TemasTira {
  forms::TabControl Frm0917::*Tira;
  long Temas[5];
};

constexpr TemasTira kTemasAyuda[] = {
    {&Frm0917::tab0584, {1052, 1067, 1046, 1069, 1045}},
    {&Frm0917::SSTab1, {1045, 1038, 1072, 1062, 0}},
    {&Frm0917::SSTab2, {1067, 1068, 1066, 1065, 0}},
    {&Frm0917::SSTab3, {1069, 1009, 1008, 1055, 0}},
};

}  // namespace

void Frm0917::TemaDePagina(forms::TabControl& tira) {
  for (const TemasTira& t : kTemasAyuda) {
    if (&(this->*t.Tira) != &tira) continue;
    const int pagina = tira.Tab();
    if (pagina >= 0 && pagina < static_cast<int>(std::size(t.Temas)) && t.Temas[pagina] != 0) {
      tira.SetHelpContextID(t.Temas[pagina]);
    }
    return;
  }
}

void Frm0917::SSTab1_Click(int /*PreviousTab*/) { TemaDePagina(SSTab1); }
void Frm0917::SSTab2_Click(int /*PreviousTab*/) { TemaDePagina(SSTab2); }
void Frm0917::SSTab3_Click(int /*PreviousTab*/) { TemaDePagina(SSTab3); }

void Frm0917::tab0584_Click(int PreviousTab) {
  // Registering an order number changes nothing of the identification,
  // and keeps the topics as they are.
  if (EnRegistro()) return;
  // The identification is answered before the other pages are worked on;
  // a refusal brings page 0 back and keeps the topic.
  if (PreviousTab == 0 && !ValIdent("1")) return;
  // The strip's help topic follows the page shown.
  TemaDePagina(tab0584);
}

}  // namespace app
