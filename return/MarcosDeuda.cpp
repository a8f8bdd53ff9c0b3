// The debt page's scroll bar: value 1 shows the tax and the credits (frames
// 1 and 2), value 2 the balance and the payment (frame 3), in their places.
#include "return/Frm0917.h"

namespace app {
namespace {

// For each value of the bar, each frame: shown at Left, Top (twips), or hidden.
struct PosicionMarco {
  int Valor;
  int Marco;
  bool Visible;
  long Left, Top;
};

constexpr PosicionMarco kDisposiciones[] = {
    {1, 1, true, 120, 480},  {1, 2, true, 120, 1950}, {1, 3, false, 0, 0},
    {2, 1, false, 0, 0},     {2, 2, false, 0, 0},     {2, 3, true, 120, 800},
};

}  // namespace

void Frm0917::hsDeuda_Change() { Arregla(hsDeuda.Value()); }

void Frm0917::hsDeuda_Scroll() { Arregla(hsDeuda.Value()); }

void Frm0917::Arregla(int Posicion) {
  for (const PosicionMarco& p : kDisposiciones) {
    if (p.Valor != Posicion) continue;
    forms::Frame& marco = fraDeuda(p.Marco);
    marco.SetVisible(p.Visible);
    if (p.Visible) {
      marco.SetLeft(p.Left);
      marco.SetTop(p.Top);
    }
  }
}

}  // namespace app
