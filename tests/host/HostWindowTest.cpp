// The host stand-in's window: the saved returns it lists, the command line
// it gives 0917SND, the programs it starts with WINDIR set, its place beside
// KR917's main window, and, under a real X server, the window titled
// "Dexlora" that KR917's host check finds.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "host/HostWindow.h"
#include "host/SavedReturns.h"
#include "platform/db/Engine.h"
#include "platform/files/WholeFile.h"
#include "platform/host/X11WindowList.h"
#include "tests/app/ventanas/Programa.h"
#include "tests/support/WindowManager.h"
#include "tests/support/SampleFixture.h"
#include "tests/support/WaitLimit.h"

extern char** environ;

namespace dexlora {
namespace {

// What Qt's waits take: the whole of a test's time, as every wait here.
constexpr int kWaitMs = static_cast<int>(std::chrono::milliseconds(kr::testing::kWaitLimit).count());

void SaveReturn(const kr::testing::SampleInstallation& sample, std::string_view docId, int week) {
  dao::DBEngine engine;
  auto db = sample.Open(engine);
  db->Execute("INSERT INTO CAB (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, estado) VALUES (6, '" +
                  std::string(docId) + "', '2002', '0917', " + std::to_string(week) + ", 0)",
              dao::dbFailOnError);
  db->Close();
}

TEST(SummaryCommandLine, PutsEachValueAtItsPositions) {
  SavedReturn r{6, "10076543211", "2002", "0917", 0, "GARCIA PEREZ JUAN CARLOS"};
  std::optional<std::string> line = SummaryCommandLine(r, "00000123");
  ASSERT_TRUE(line);
  ASSERT_EQ(line->size(), 36u);
  EXPECT_EQ(line->substr(2, 15), "10076543211    ");  // positions 3-17
  EXPECT_EQ(line->substr(17, 4), "0917");            // 18-21
  EXPECT_EQ(line->substr(21, 6), "200200");          // 22-27: the year, "00" for no month
  EXPECT_EQ(line->substr(27, 1), "0");               // 28
  EXPECT_EQ(line->substr(28, 8), "00000123");        // 29-36

  r.Periodo = "200212";
  r.Semana = 3;
  EXPECT_EQ(SummaryCommandLine(r, "77"), "  10076543211    09172002123" + std::string("77      "));
}

TEST(SummaryCommandLine, RefusesWhatDoesNotFit) {
  SavedReturn r{6, "10076543211", "2002", "0917", 0, ""};
  EXPECT_FALSE(SummaryCommandLine(r, "123456789"));
  r.Semana = 10;
  EXPECT_FALSE(SummaryCommandLine(r, "1"));
  r.Semana = 0;
  r.DocId = "1234567890123456";
  EXPECT_FALSE(SummaryCommandLine(r, "1"));
}

TEST(SavedReturns, AreTheRowsOfCABWithTheirNames) {
  kr::testing::SampleInstallation sample;
  SaveReturn(sample, "10401234565", 0);
  SaveReturn(sample, "10076543211", 0);
  SaveReturn(sample, "10999999999", 1);  // not in the register
  std::vector<SavedReturn> saved = ReadSavedReturns(sample.Layout());
  ASSERT_EQ(saved.size(), 5u);  // with the sample's two
  EXPECT_EQ(saved[0].DocId, "10076543211");
  EXPECT_EQ(saved[0].Nombre, "GARCIA PEREZ JUAN CARLOS");
  EXPECT_EQ(saved[0].Periodo, "2002");
  EXPECT_EQ(saved[0].Formulario, "0917");
  EXPECT_EQ(saved[1].Nombre, "QUISPE MAMANI ROSA ELENA");
  EXPECT_EQ(saved[2].Nombre, "TORRES VEGA ANA MARIA");
  EXPECT_EQ(saved[3].Nombre, "CHAVEZ LOPEZ LUCIA");
  EXPECT_EQ(saved[4].Nombre, "");
  EXPECT_EQ(saved[4].Semana, 1);
}

class HostWindowTest : public ::testing::Test {
 protected:
  // A program that writes down its argument and WINDIR, and ends with code 3.
  std::string FakeProgram() {
    std::string path = Folder / "programa";
    Folder.Write("programa",
                 "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/argumento\"\n"
                 "printf '%s' \"$WINDIR\" > \"$(dirname \"$0\")/windir\"\nexit 3\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }

  kr::testing::SampleInstallation Sample;
  kr::testing::TempFolder Folder;
};

TEST_F(HostWindowTest, StartsTheSummaryOfTheChosenReturnWithWindirSet) {
  SaveReturn(Sample, "10076543211", 0);
  SaveReturn(Sample, "10401234565", 0);
  HostWindow window(Sample.Layout(), Programs{"", "", FakeProgram()});
  window.show();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Dexlora"));
  ASSERT_EQ(window.ReturnList()->count(), 4);
  window.ReturnList()->setCurrentRow(1);
  window.NCNumber()->setText(QStringLiteral("00004567"));
  QTest::mouseClick(window.StartSummary(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Status().contains(QStringLiteral("terminó")); }, kWaitMs))
      << window.Status().toStdString();
  EXPECT_EQ(window.Status(), QStringLiteral("0917SND terminó con código 3."));
  EXPECT_EQ(Folder.Read("argumento"), *SummaryCommandLine(window.Saved()[1], "00004567"));
  EXPECT_EQ(Folder.Read("windir"), Sample.Layout().WindowsFolder);

  // A program that is not built, or not there, is told.
  QTest::mouseClick(window.StartKR917(), Qt::LeftButton);
  EXPECT_EQ(window.Status(), QStringLiteral("KR917 no está construido."));
}

TEST_F(HostWindowTest, StartsTheRealSummaryWhichWritesItsFiles) {
  HostWindow window(Sample.Layout(), Programs{"", "", KR_SUMMARY});
  ASSERT_EQ(window.Saved().size(), 2u);
  window.ReturnList()->setCurrentRow(0);
  window.NCNumber()->setText(QStringLiteral("00004567"));
  {
    // The program it starts sees no display, so nothing it says waits for a click.
    kr::testing::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr), noDisplay("DISPLAY", nullptr);
    QTest::mouseClick(window.StartSummary(), Qt::LeftButton);
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Status().contains(QStringLiteral("terminó")); }, kWaitMs))
      << window.Status().toStdString();
  EXPECT_EQ(window.Status(), QStringLiteral("0917SND terminó con código 0."));
  const std::string folder = Sample.Layout().ProgramFolder;
  const std::string key = "0917200200000004567";
  EXPECT_TRUE(std::filesystem::exists(folder + "/TMP/" + key + ".txt"));
  EXPECT_EQ(vb::ReadFileBytes(folder + "/RPT/" + key + ".PRN"), vb::ReadFileBytes(folder + "/RPT/00000001.PRN"));
}

TEST_F(HostWindowTest, WithoutSavedReturnsTheSummaryCannotStart) {
  {
    dao::DBEngine engine;
    auto db = Sample.Open(engine);
    db->Execute("DELETE FROM CAB", dao::dbFailOnError);
    db->Close();
  }
  HostWindow window(Sample.Layout(), Programs{"", Folder / "no-existe", FakeProgram()});
  EXPECT_TRUE(window.Saved().empty());
  EXPECT_FALSE(window.StartSummary()->isEnabled());
  QTest::mouseClick(window.StartLUD917(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Status().startsWith(QStringLiteral("No se pudo")); }, kWaitMs))
      << window.Status().toStdString();
}

// KR917 started in-process on a sample of its own: its main window's place
// and size as the program keeps them.
class BesideKR917 : public app::testing::Programa {};

TEST_F(BesideKR917, TheWindowLeavesKR917sMainWindowInViewOnATypicalScreen) {
  ASSERT_TRUE(Arranca());
  const app::MDIFrm& main = Principal();
  // In pixels of 15 twips, from the corner of the screen's free area, where
  // a part left of or above it comes back onto it.
  const QSize kr917Size(static_cast<int>((std::max(main.Left(), 0L) + main.Width()) / 15),
                        static_cast<int>((std::max(main.Top(), 0L) + main.Height()) / 15));
  HostWindow window(Instalacion.Layout(), Programs{});
  struct Screen {
    const char* Name;
    QRect Room;  // the free area
    bool Both;   // room for both windows
  } screens[] = {
      {"1024x768", {0, 0, 1024, 768}, true},
      {"1280x1024", {0, 0, 1280, 1024}, true},
      {"1366x768 with a panel below", {0, 0, 1366, 740}, true},
      {"1920x1080 with a panel at the left", {64, 0, 1856, 1080}, true},
      {"1024x768 with a panel above", {0, 27, 1024, 741}, true},
      {"800x600", {0, 0, 800, 600}, false},
  };
  for (const Screen& s : screens) {
    SCOPED_TRACE(s.Name);
    window.PlaceOn(s.Room);
    // A window manager keeps KR917's window inside the free area, and draws
    // borders and a caption around the host's.
    const QRect kr917(QPoint(std::max(s.Room.left(), 0), std::max(s.Room.top(), 0)), kr917Size);
    const QRect frame(window.pos(), window.size() + QSize(8, 32));
    EXPECT_EQ(frame.intersects(kr917), !s.Both)
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_TRUE(s.Room.contains(frame));
    EXPECT_GE(window.width(), window.minimumSizeHint().width());
    EXPECT_GE(window.height(), window.minimumSizeHint().height());
  }
}

// Under a real X server, bare or with a window manager framing it, the
// window that dexlora shows is what KR917's host check looks for.
class DexloraOnX11 : public ::testing::TestWithParam<kr::testing::Manager> {};

TEST_P(DexloraOnX11, ItsWindowIsSeenByTheDesktopsWindowList) {
  kr::testing::PrivateScreen server(GetParam());
  if (!server.Ready()) GTEST_SKIP() << server.Why();
  kr::testing::TempFolder folder;
  std::string sample = folder / "sample";
  std::vector<std::string> settings{"DISPLAY=" + server.Display(), "QT_QPA_PLATFORM=xcb"};
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry = *e;
    for (const char* replaced : {"DISPLAY=", "QT_QPA_PLATFORM=", "WAYLAND_DISPLAY="}) {
      if (entry.rfind(replaced, 0) == 0) entry.clear();
    }
    if (!entry.empty()) settings.push_back(entry);
  }
  std::vector<char*> env;
  for (std::string& s : settings) env.push_back(s.data());
  env.push_back(nullptr);
  std::string program = KR_DEXLORA;
  char* argv[] = {program.data(), sample.data(), nullptr};
  pid_t pid = -1;
  ASSERT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, env.data()), 0);

  host::X11WindowList desktop(server.Display());
  bool seen = false;
  auto deadline = std::chrono::steady_clock::now() + kr::testing::kWaitLimit;
  while (!seen && std::chrono::steady_clock::now() < deadline) {
    std::vector<std::string> titles = desktop.VisibleTitles();
    seen = std::find(titles.begin(), titles.end(), kHostTitle) != titles.end();
    if (!seen) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  kr::testing::Xvfb::Stop(pid);
  EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(Desktops, DexloraOnX11, kr::testing::kManagers, kr::testing::ManagerName);

}  // namespace
}  // namespace dexlora
