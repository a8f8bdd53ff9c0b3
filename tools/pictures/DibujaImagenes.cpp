// DibujaImagenes: draws KR917's pictures into PNG files, one per picture
// name, in the folder given as its argument; the build runs it. The names are
// the ones the windows give (the toolbar, the main window's background, the
// about box, the states of a saved return). Every picture is drawn here with
// plain shapes, so the program ships artwork of its own.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

const QColor kAzul(31, 78, 140);
const QColor kAzulClaro(214, 228, 245);
const QColor kVerde(46, 139, 58);
const QColor kRojo(200, 40, 40);
const QColor kPapel(252, 252, 248);
const QColor kTinta(60, 60, 60);

QPen Trazo(const QColor& color, double ancho) { return QPen(color, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A sheet with its top right corner folded, in the rectangle r.
void Hoja(QPainter& p, const QRectF& r) {
  const double pliegue = std::min(r.width() * 0.3, 36.0);
  QPolygonF hoja;
  hoja << r.topLeft() << QPointF(r.right() - pliegue, r.top()) << QPointF(r.right(), r.top() + pliegue)
       << r.bottomRight() << r.bottomLeft();
  p.setPen(Trazo(kTinta, 1));
  p.setBrush(kPapel);
  p.drawPolygon(hoja);
  QPolygonF doblez;
  doblez << QPointF(r.right() - pliegue, r.top()) << QPointF(r.right() - pliegue, r.top() + pliegue)
         << QPointF(r.right(), r.top() + pliegue);
  p.setBrush(QColor(220, 220, 214));
  p.drawPolygon(doblez);
}

// Lines of text on a sheet, as thin grey strokes.
void Renglones(QPainter& p, const QRectF& r, int lineas) {
  p.setPen(Trazo(QColor(150, 150, 150), 1));
  for (int i = 0; i < lineas; ++i) {
    const double y = r.top() + r.height() * (i + 1) / (lineas + 1);
    p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * r.width() * 0.3, y));
  }
}

// --- The states of a saved return (20 x 15) ---

void Visto(QPainter& p, QSize) {
  p.setPen(Trazo(kVerde, 2.6));
  QPainterPath marca;
  marca.moveTo(5, 7.5);
  marca.lineTo(8.5, 11.5);
  marca.lineTo(15, 3.5);
  p.drawPath(marca);
}

void Disquete(QPainter& p, QSize) {
  const QRectF cuerpo(4.5, 1.5, 11, 12);
  p.setPen(Trazo(QColor(20, 40, 80), 1));
  p.setBrush(kAzul);
  p.drawRoundedRect(cuerpo, 1, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 205, 212));
  p.drawRect(QRectF(7, 1.5, 6, 4));  // the metal shutter
  p.setBrush(kAzul);
  p.drawRect(QRectF(10.5, 2.3, 1.5, 2.5));
  p.setBrush(kPapel);
  p.drawRect(QRectF(6.5, 8, 7, 5));  // the label
  p.setPen(Trazo(QColor(150, 150, 150), 0.8));
  p.drawLine(QPointF(7.5, 10), QPointF(12.5, 10));
  p.drawLine(QPointF(7.5, 11.8), QPointF(12.5, 11.8));
}

void Cruz(QPainter& p, QSize) {
  p.setPen(Trazo(kRojo, 2.6));
  p.drawLine(QPointF(6, 3), QPointF(14, 12));
  p.drawLine(QPointF(14, 3), QPointF(6, 12));
}

// --- The toolbar (24 x 24) ---

void Nueva(QPainter& p, QSize) {
  Hoja(p, QRectF(4.5, 2.5, 14, 19));
  Renglones(p, QRectF(7, 8, 9, 11), 3);
  p.setPen(Qt::NoPen);
  p.setBrush(kVerde);
  p.drawEllipse(QPointF(17.5, 17.5), 5, 5);
  p.setPen(Trazo(Qt::white, 2));
  p.drawLine(QPointF(17.5, 14.5), QPointF(17.5, 20.5));
  p.drawLine(QPointF(14.5, 17.5), QPointF(20.5, 17.5));
}

void Modificar(QPainter& p, QSize) {
  Hoja(p, QRectF(3.5, 2.5, 14, 19));
  Renglones(p, QRectF(6, 8, 9, 11), 3);
  // A pencil across the sheet's corner.
  p.save();
  p.translate(16, 15);
  p.rotate(-45);
  p.setPen(Trazo(QColor(90, 60, 20), 0.8));
  p.setBrush(QColor(240, 190, 60));
  p.drawRect(QRectF(-8, -2, 11, 4));
  p.setBrush(QColor(230, 150, 150));
  p.drawRect(QRectF(-10.5, -2, 2.5, 4));
  QPolygonF punta;
  punta << QPointF(3, -2) << QPointF(7, 0) << QPointF(3, 2);
  p.setBrush(QColor(235, 215, 180));
  p.drawPolygon(punta);
  p.restore();
}

void Eliminar(QPainter& p, QSize) {
  Hoja(p, QRectF(3.5, 2.5, 14, 19));
  Renglones(p, QRectF(6, 8, 9, 11), 3);
  p.setPen(Trazo(kRojo, 3));
  p.drawLine(QPointF(12, 12), QPointF(20, 20));
  p.drawLine(QPointF(20, 12), QPointF(12, 20));
}

void Imprimir(QPainter& p, QSize) {
  p.setPen(Trazo(kTinta, 1));
  p.setBrush(kPapel);
  p.drawRect(QRectF(7.5, 2.5, 9, 8));  // the sheet going in
  QLinearGradient caja(0, 9, 0, 18);
  caja.setColorAt(0, QColor(170, 175, 185));
  caja.setColorAt(1, QColor(110, 115, 125));
  p.setBrush(caja);
  p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
  p.setBrush(kPapel);
  p.drawRect(QRectF(6.5, 15.5, 11, 6));  // the printed sheet
  Renglones(p, QRectF(8, 16, 8, 5), 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kVerde);
  p.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
}

void Salir(QPainter& p, QSize) {
  p.setPen(Trazo(QColor(80, 50, 20), 1));
  p.setBrush(QColor(150, 100, 55));
  p.drawRect(QRectF(3.5, 2.5, 11, 19));  // the door
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 80));
  p.drawEllipse(QPointF(12, 12.5), 1.1, 1.1);
  p.setPen(Trazo(kAzul, 2.4));
  p.drawLine(QPointF(11, 12.5), QPointF(21, 12.5));
  p.drawLine(QPointF(17.5, 9), QPointF(21, 12.5));
  p.drawLine(QPointF(17.5, 16), QPointF(21, 12.5));
}

// A sheet with a blue arrow across it: the preview's previous and next page.
void Pasa(QPainter& p, bool adelante) {
  Hoja(p, QRectF(5.5, 2.5, 13, 19));
  Renglones(p, QRectF(8, 5, 8, 14), 4);
  QPolygonF flecha;
  const double s = adelante ? 1 : -1;
  flecha << QPointF(12 - s * 9, 10) << QPointF(12 + s * 2, 10) << QPointF(12 + s * 2, 6.5)
         << QPointF(12 + s * 9, 13) << QPointF(12 + s * 2, 19.5) << QPointF(12 + s * 2, 16)
         << QPointF(12 - s * 9, 16);
  p.setPen(Trazo(QColor(20, 40, 80), 1));
  p.setBrush(kAzul);
  p.drawPolygon(flecha);
}
void Anterior(QPainter& p, QSize) { Pasa(p, false); }
void Siguiente(QPainter& p, QSize) { Pasa(p, true); }

void Orden(QPainter& p, QSize) {
  // A tag with a number sign: the order number of a sent return.
  QPolygonF etiqueta;
  etiqueta << QPointF(2.5, 6.5) << QPointF(16.5, 6.5) << QPointF(21.5, 12) << QPointF(16.5, 17.5) << QPointF(2.5, 17.5);
  p.setPen(Trazo(QColor(20, 40, 80), 1));
  p.setBrush(kAzulClaro);
  p.drawPolygon(etiqueta);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(17, 12), 1.3, 1.3);
  p.setPen(Trazo(kAzul, 1.4));
  p.drawLine(QPointF(7, 8.5), QPointF(6, 15.5));
  p.drawLine(QPointF(11, 8.5), QPointF(10, 15.5));
  p.drawLine(QPointF(4.5, 10.5), QPointF(12.5, 10.5));
  p.drawLine(QPointF(4, 13.5), QPointF(12, 13.5));
}

void Ayuda(QPainter& p, QSize) {
  QRadialGradient bola(QPointF(9, 8), 14);
  bola.setColorAt(0, QColor(90, 150, 220));
  bola.setColorAt(1, kAzul);
  p.setPen(Qt::NoPen);
  p.setBrush(bola);
  p.drawEllipse(QPointF(12, 12), 10, 10);
  QFont letra("Liberation Sans");
  letra.setPixelSize(15);
  letra.setBold(true);
  p.setFont(letra);
  p.setPen(Qt::white);
  p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
}

// --- The main window's background (640 x 480) and the about box's banner (488 x 119) ---

void Fondo917(QPainter& p, QSize s) {
  QLinearGradient cielo(0, 0, 0, s.height());
  cielo.setColorAt(0, QColor(236, 242, 250));
  cielo.setColorAt(1, QColor(188, 208, 232));
  p.fillRect(QRect(QPoint(0, 0), s), cielo);

  // A large form, tilted a little, with its boxes. The main window shows
  // the picture's top 373 pixels, between its toolbar and its status bar:
  // what is drawn lies there.
  p.save();
  p.translate(300, 186);
  p.scale(0.88, 0.88);
  p.rotate(-6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 30));
  p.drawRect(QRectF(-142, -172, 290, 360));  // its shadow
  Hoja(p, QRectF(-150, -180, 290, 360));
  p.setBrush(kAzul);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(-130, -160, 160, 26));
  p.setPen(Trazo(QColor(140, 160, 190), 1));
  p.setBrush(Qt::NoBrush);
  for (int fila = 0; fila < 9; ++fila) {
    const double y = -110 + fila * 30;
    p.drawLine(QPointF(-130, y + 10), QPointF(-20, y + 10));
    p.drawRect(QRectF(10, y, 110, 20));
  }
  p.restore();

  QFont cifra("Liberation Sans");
  cifra.setPixelSize(72);
  cifra.setBold(true);
  p.setFont(cifra);
  p.setPen(QColor(31, 78, 140, 200));
  p.drawText(QRectF(380, 250, 240, 110), Qt::AlignRight | Qt::AlignVCenter, "917");
}

void Acercade(QPainter& p, QSize s) {
  QLinearGradient banda(0, 0, s.width(), 0);
  banda.setColorAt(0, kAzul);
  banda.setColorAt(1, QColor(90, 140, 200));
  p.fillRect(QRect(QPoint(0, 0), s), banda);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawEllipse(QPointF(420, 20), 110, 110);
  p.drawEllipse(QPointF(470, 110), 60, 60);

  Hoja(p, QRectF(24.5, 14.5, 68, 90));
  Renglones(p, QRectF(34, 40, 44, 56), 5);
  p.setBrush(kAzul);
  p.drawRect(QRectF(34, 24, 34, 8));

  QFont titulo("Liberation Sans");
  titulo.setPixelSize(34);
  titulo.setBold(true);
  p.setFont(titulo);
  p.setPen(Qt::white);
  p.drawText(QRectF(116, 22, 360, 44), Qt::AlignLeft | Qt::AlignVCenter, "Formulario 917");
  QFont linea("Liberation Sans");
  linea.setPixelSize(16);
  p.setFont(linea);
  p.setPen(QColor(230, 238, 248));
  p.drawText(QRectF(118, 68, 360, 28), Qt::AlignLeft | Qt::AlignVCenter, "Impuesto a la Renta - Ejercicio 2002");
}

struct Imagen {
  const char* Nombre;
  int Ancho;
  int Alto;
  std::function<void(QPainter&, QSize)> Dibuja;
};

const Imagen kImagenes[] = {
    {"visto", 20, 15, Visto},       {"disquete", 20, 15, Disquete},   {"cruz", 20, 15, Cruz},
    {"nueva", 24, 24, Nueva},       {"modificar", 24, 24, Modificar}, {"eliminar", 24, 24, Eliminar},
    {"imprimir", 24, 24, Imprimir}, {"salir", 24, 24, Salir},         {"orden", 24, 24, Orden},
    {"ayuda", 24, 24, Ayuda},       {"fondo917", 640, 480, Fondo917}, {"acercade", 488, 119, Acercade},
    {"anterior", 24, 24, Anterior}, {"siguiente", 24, 24, Siguiente},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  // Drawing text needs the fonts of a GUI application, but no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacion(argc, argv);
  const QString carpeta = QString::fromLocal8Bit(argv[1]);
  for (const Imagen& i : kImagenes) {
    QImage imagen(i.Ancho, i.Alto, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    {
      QPainter p(&imagen);
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::TextAntialiasing);
      i.Dibuja(p, imagen.size());
    }
    const QString archivo = carpeta + "/" + i.Nombre + ".png";
    if (!imagen.save(archivo, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", archivo.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
