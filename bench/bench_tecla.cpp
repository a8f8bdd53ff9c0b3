//===- bench_tecla.cpp - A keystroke in the return form through Qt ---------===//
//
// KR917 on the offscreen Qt platform, a saved return with every box filled
// open and the focus in box 100. One round: a key event posted to the box's
// widget, as the window system delivers it, and the events processed until
// the computed boxes shown beside it (501 to 503) have repainted. The
// target is one frame at 60 Hz, 16 ms.
//
// The floor is a bare Qt window: a key into a line edit whose change sets
// the texts of three other line edits, up to their repaint.
//
//===----------------------------------------------------------------------===//
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "bench/BenchReport.h"
#include "bench/DeclaracionLlena.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/QtFrontEnd.h"
#include "return/Frm0917.h"

namespace {

qtui::QtFrontEnd* Frente = nullptr;

// Counts the paints of the widgets it watches.
class Pinturas : public QObject {
 public:
  void Vigila(QWidget* w) {
    w->installEventFilter(this);
    Vigilados_.push_back(w);
  }
  void Olvida() {
    for (QWidget* w : Vigilados_) w->removeEventFilter(this);
    Vigilados_.clear();
  }
  void Reinicia() { Pintados_.clear(); }
  bool Todos() const { return static_cast<std::size_t>(Pintados_.size()) == Vigilados_.size(); }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) Pintados_.insert(o);
    return false;
  }

 private:
  std::vector<QWidget*> Vigilados_;
  QSet<QObject*> Pintados_;
};

// A key posted to `destino`, then the events processed until every watched
// widget has painted. Answers false if they never do.
bool TeclaHastaPintar(QWidget* destino, int tecla, const QString& texto, Pinturas& pinturas) {
  pinturas.Reinicia();
  QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyPress, tecla, Qt::NoModifier, texto));
  QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyRelease, tecla, Qt::NoModifier, texto));
  for (int vuelta = 0; vuelta < 10000 && !pinturas.Todos(); ++vuelta) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
  return pinturas.Todos();
}

// A digit typed at the end of the box, and on the next round taken back
// with Backspace, so every round is one keystroke and one recalculation.
void Ronda(benchmark::State& state, QWidget* destino, Pinturas& pinturas) {
  bool escribe = true;
  for (auto _ : state) {
    const bool pintado = escribe ? TeclaHastaPintar(destino, Qt::Key_7, QStringLiteral("7"), pinturas)
                                 : TeclaHastaPintar(destino, Qt::Key_Backspace, QString(QChar(8)), pinturas);
    if (!pintado) {
      state.SkipWithError("the computed boxes never repainted");
      break;
    }
    escribe = !escribe;
  }
}

void TeclaEnCasilla100(benchmark::State& state) {
  app::Frm0917& f = kr::bench::AbreEnCasilla100();
  QWidget* ventana = Frente->WindowOf(f);
  QWidget* caja = Frente->WidgetOf(f.txtvalor(100));
  ventana->activateWindow();
  caja->setFocus();
  QCoreApplication::processEvents();
  Pinturas pinturas;
  for (int n : {501, 502, 503}) {
    QWidget* calculada = Frente->WidgetOf(f.txtvalor(n));
    if (calculada == nullptr || !calculada->isVisible()) {
      state.SkipWithError("a computed box is not shown beside box 100");
      return;
    }
    pinturas.Vigila(calculada);
  }
  const std::string antes = f.txtvalor(501).Text();
  Ronda(state, caja, pinturas);
  TeclaHastaPintar(caja, Qt::Key_7, QStringLiteral("7"), pinturas);
  if (f.txtvalor(501).Text() == antes) state.SkipWithError("the key never reached the return form");
  pinturas.Olvida();
  forms::Unload(f);
}

void TeclaDesnuda(benchmark::State& state) {
  QWidget ventana;
  auto* capa = new QVBoxLayout(&ventana);
  auto* entrada = new QLineEdit(QStringLiteral("1000"), &ventana);
  capa->addWidget(entrada);
  std::array<QLineEdit*, 3> calculadas{};
  Pinturas pinturas;
  for (QLineEdit*& c : calculadas) {
    c = new QLineEdit(&ventana);
    c->setReadOnly(true);
    capa->addWidget(c);
    pinturas.Vigila(c);
  }
  QObject::connect(entrada, &QLineEdit::textChanged, [&](const QString& t) {
    const long n = t.toLong();
    calculadas[0]->setText(QString::number(n));
    calculadas[1]->setText(QString::number(-n / 5));
    calculadas[2]->setText(QString::number(n - n / 5));
  });
  ventana.show();
  ventana.activateWindow();
  entrada->setFocus();
  QCoreApplication::processEvents();
  Ronda(state, entrada, pinturas);
  pinturas.Olvida();
}

BENCHMARK(TeclaEnCasilla100)->Unit(benchmark::kMillisecond);
BENCHMARK(TeclaDesnuda)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qtui::QuietOffscreenNotes();
  auto qt = qtui::StartQt(argc, argv);
  benchmark::Initialize(&argc, argv);
  qtui::QtFrontEnd frente;
  Frente = &frente;
  forms::Application aplicacion(frente);
  kr::bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  auto tecla = reporter.Times.find("TeclaEnCasilla100");
  std::printf(
      "One keystroke in box 100 through Qt, key event to the computed boxes repainted: %s ms (one frame: "
      "16 ms)  ratio KR917/bare Qt: %s\n",
      tecla == reporter.Times.end() ? "n/a" : kr::bench::Fixed(tecla->second, 2).c_str(),
      kr::bench::Ratio(reporter, "TeclaEnCasilla100", "TeclaDesnuda").c_str());
  aplicacion.Reset();
  app::ReiniciaCompartidas();
  return 0;
}
