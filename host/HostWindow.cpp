#include "host/HostWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

#include "platform/text/Error.h"
#include "platform/text/Number.h"

namespace dexlora {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The room a window manager's frame may take around a window, and between two windows.
constexpr QSize kFrame{8, 32};
constexpr int kGap = 16;

// The window's size before it is placed.
constexpr QSize kWanted{520, 420};

QString Describe(const SavedReturn& r) {
  QString name = r.Nombre.empty() ? QStringLiteral("(sin nombre en el registro)") : Q(r.Nombre);
  return QStringLiteral("%1  %2  —  %3 %4, semana %5")
      .arg(Q(r.DocId), name, Q(r.Formulario), Q(r.Periodo))
      .arg(r.Semana);
}

}  // namespace

HostWindow::HostWindow(SampleLayout layout, Programs programs, QWidget* parent)
    : QWidget(parent),
      Layout_(std::move(layout)),
      Programs_(std::move(programs)),
      KR917_(new QPushButton(QStringLiteral("Iniciar &KR917"), this)),
      LUD917_(new QPushButton(QStringLiteral("Iniciar &LUD917"), this)),
      Summary_(new QPushButton(QStringLiteral("Iniciar &0917SND"), this)),
      Reload_(new QPushButton(QStringLiteral("&Actualizar"), this)),
      List_(new QListWidget(this)),
      NC_(new QLineEdit(QStringLiteral("00000001"), this)),
      Status_(new QLabel(this)) {
  setWindowTitle(QString::fromLatin1(kHostTitle));
  setObjectName(QStringLiteral("dexlora"));

  auto* installation =
      new QLabel(QStringLiteral("Instalación: %1\nWINDIR=%2").arg(Q(Layout_.Root), Q(Layout_.WindowsFolder)), this);
  installation->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* summary = new QGroupBox(QStringLiteral("Resumen de envío (0917SND)"), this);
  auto* grid = new QGridLayout(summary);
  grid->addWidget(new QLabel(QStringLiteral("Declaraciones grabadas:"), summary), 0, 0, 1, 2);
  grid->addWidget(List_, 1, 0, 1, 2);
  auto* ncLabel = new QLabel(QStringLiteral("Número &NC:"), summary);
  ncLabel->setBuddy(NC_);
  grid->addWidget(ncLabel, 2, 0);
  grid->addWidget(NC_, 2, 1);
  grid->addWidget(Reload_, 3, 0);
  grid->addWidget(Summary_, 3, 1);
  NC_->setMaxLength(8);
  NC_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), NC_));

  auto* layoutBox = new QVBoxLayout(this);
  layoutBox->addWidget(installation);
  layoutBox->addWidget(KR917_);
  layoutBox->addWidget(LUD917_);
  layoutBox->addWidget(summary);
  layoutBox->addWidget(Status_);
  Status_->setWordWrap(true);

  connect(KR917_, &QPushButton::clicked, this, [this] { Start(QStringLiteral("KR917"), Programs_.KR917, {}); });
  connect(LUD917_, &QPushButton::clicked, this, [this] { Start(QStringLiteral("LUD917"), Programs_.LUD917, {}); });
  connect(Summary_, &QPushButton::clicked, this, [this] { StartSummaryOfChosen(); });
  connect(Reload_, &QPushButton::clicked, this, [this] { Reload(); });
  connect(List_, &QListWidget::currentRowChanged, this, [this](int) { Summary_->setEnabled(Chosen() != nullptr); });
  Reload();
  SetStatus(QStringLiteral("Listo."));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    PlaceOn(screen->availableGeometry());
  } else {
    resize(kWanted);
  }
}

void HostWindow::Reload() {
  Saved_.clear();
  List_->clear();
  try {
    Saved_ = ReadSavedReturns(Layout_);
  } catch (const vb::Error& e) {
    SetStatus(QStringLiteral("No se pudieron leer las declaraciones: %1 %2")
                  .arg(Q(vb::NumberText(e.Number())), Q(e.Description())));
  }
  for (const SavedReturn& r : Saved_) List_->addItem(Describe(r));
  if (Saved_.empty()) {
    auto* none = new QListWidgetItem(QStringLiteral("(ninguna: grabe una declaración en KR917)"), List_);
    none->setFlags(Qt::NoItemFlags);
  } else {
    List_->setCurrentRow(0);
  }
  Summary_->setEnabled(Chosen() != nullptr);
}

void HostWindow::PlaceOn(const QRect& room) {
  const QRect frame = PlaceBesideKR917(room, minimumSizeHint() + kFrame, kWanted + kFrame);
  // A top-level window moves by its frame and is sized without it.
  move(frame.topLeft());
  resize(frame.size() - kFrame);
}

const SavedReturn* HostWindow::Chosen() const {
  int row = List_->currentRow();
  if (row < 0 || row >= static_cast<int>(Saved_.size())) return nullptr;
  return &Saved_[static_cast<std::size_t>(row)];
}

QString HostWindow::Status() const { return Status_->text(); }

void HostWindow::SetStatus(const QString& text) {
  Status_->setText(text);
  // Also on standard output, so a script or a test that started the host reads how each program ended.
  std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stdout);
  std::fflush(stdout);
}

void HostWindow::StartSummaryOfChosen() {
  const SavedReturn* chosen = Chosen();
  if (chosen == nullptr) {
    SetStatus(QStringLiteral("Elija una declaración grabada."));
    return;
  }
  std::optional<std::string> line = SummaryCommandLine(*chosen, NC_->text().toStdString());
  if (!line) {
    SetStatus(QStringLiteral("La declaración elegida no cabe en la línea de órdenes de 0917SND."));
    return;
  }
  // The whole line is one argument: its positions are fixed, blanks included.
  Start(QStringLiteral("0917SND"), Programs_.Summary, {Q(*line)});
}

void HostWindow::Start(const QString& name, const std::string& path, const QStringList& arguments) {
  if (path.empty()) {
    SetStatus(QStringLiteral("%1 no está construido.").arg(name));
    return;
  }
  auto* process = new QProcess(this);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("WINDIR"), Q(Layout_.WindowsFolder));
  process->setProcessEnvironment(environment);
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setProgram(Q(path));
  process->setArguments(arguments);
  connect(process, &QProcess::finished, this, [this, process, name](int code, QProcess::ExitStatus status) {
    SetStatus(status == QProcess::NormalExit ? QStringLiteral("%1 terminó con código %2.").arg(name).arg(code)
                                             : QStringLiteral("%1 terminó de forma anormal.").arg(name));
    process->deleteLater();
    Reload();  // a program may have saved returns
  });
  connect(process, &QProcess::errorOccurred, this, [this, process, name](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    SetStatus(QStringLiteral("No se pudo iniciar %1 (%2).").arg(name, process->program()));
    process->deleteLater();
  });
  SetStatus(QStringLiteral("%1 en marcha…").arg(name));
  process->start();
}

QRect PlaceBesideKR917(const QRect& room, QSize least, QSize wanted) {
  wanted = wanted.expandedTo(least);
  // KR917's window keeps inside the free area, as a window manager keeps it.
  const QRect kr917(QPoint(std::max(room.left(), 0), std::max(room.top(), 0)), kKR917Window);
  // The free area at its right, else below it; the window as large as wanted, up to what that area holds.
  for (const QRect& area : {QRect(QPoint(kr917.right() + 1 + kGap, room.top()), room.bottomRight()),
                            QRect(QPoint(room.left(), kr917.bottom() + 1 + kGap), room.bottomRight())}) {
    if (area.width() >= least.width() && area.height() >= least.height()) {
      return QRect(area.topLeft(), wanted.boundedTo(area.size()));
    }
  }
  // No room for both: the corner away from KR917's, the window's top left still on the screen.
  const QPoint at(std::max(room.left(), room.right() + 1 - wanted.width()),
                  std::max(room.top(), room.bottom() + 1 - wanted.height()));
  return QRect(at, wanted);
}

}  // namespace dexlora
