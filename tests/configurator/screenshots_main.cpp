// Draws each window of the configurator with demo content and saves it as
// PNG into the folder given as the argument (the README's pictures in
// docs/). On an X display with a window manager the pictures are taken from
// the screen, with the window's frame and title bar:
//   tests/configurator/x11/x11_session.sh env QT_QPA_PLATFORM=xcb
//       build/dev/tests/configurator/configurator_screenshots docs
// Without a display it draws on the offscreen platform, windows only.

#include <stdlib.h>

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "configuration/config_file.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "configurator/configurator_application.h"
#include "configurator/fLumora9About.h"
#include "configurator/fLumora9Config.h"
#include "configurator/fLumora9Preview.h"
#include "configurator/fLumoraCheckService.h"
#include "foundation/paths.h"
#include "tests/configurator/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace lumora;

class RunningService final : public platform::ServiceController {
 public:
  void RequestStart(const std::string&, const std::string&) override {}
  void RequestStop(const std::string&, const std::string&) override {}
  std::optional<platform::ServiceStatus> QueryStatus(const std::string&,
                                                     const std::string&) override {
    return platform::ServiceStatus{platform::kServiceRunning, 0, 0};
  }
};

QPixmap Picture(QWidget& widget) {
  // A borderless window (About) has no title bar to show.
  if (QGuiApplication::platformName() != QLatin1String("xcb") ||
      widget.windowFlags().testFlag(Qt::FramelessWindowHint)) {
    return widget.grab();
  }
  // Give the window manager time to frame the window and draw its title.
  if (!QTest::qWaitForWindowExposed(&widget)) std::cerr << "window not exposed\n";
  QTest::qWait(1000);
  // The frame as the window manager reports it (_NET_FRAME_EXTENTS: left,
  // right, top, bottom); Qt does not always know it for a modal window yet.
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(widget.winId()),
                                        QStringLiteral("_NET_FRAME_EXTENTS")});
  xprop.waitForFinished(5000);
  const QString line = QString::fromUtf8(xprop.readAllStandardOutput());
  const QStringList extents = line.mid(line.indexOf('=') + 1).split(',', Qt::SkipEmptyParts);
  QRect frame(widget.mapToGlobal(QPoint(0, 0)), widget.size());
  if (extents.size() == 4) {
    frame.adjust(-extents[0].trimmed().toInt(), -extents[2].trimmed().toInt(),
                 extents[1].trimmed().toInt(), extents[3].trimmed().toInt());
  }
  return widget.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
}

void Save(QWidget& widget, const QString& folder, const char* name) {
  const QString path = QDir(folder).filePath(QString::fromUtf8(name));
  if (!Picture(widget).save(path)) std::cerr << "cannot write " << path.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: configurator_screenshots <folder>\n";
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  TConfiguratorApplication app(argc, argv);
  test::TRecordingMessages messages;
  test::TempDir dir;
  SetExeDir(dir.dir());

  TConnectorConfig record;
  for (auto& day : record.ScheduleTimes) day.fill(kUnsetTime);
  record.clientids = {"1.1=LUMDEMO-1-01", "1.2=LUMDEMO-1-02", "2.1=LUMDEMO-2-01"};
  record.ScheduleTimes[1][0] = 6.0 / 24;
  record.ScheduleTimes[1][1] = 13.5 / 24;
  record.ScheduleTimes[3][0] = 6.0 / 24;
  record.ScheduleTimes[5][0] = 6.0 / 24;
  record.ScheduleTimes[5][1] = 22.0 / 24;
  record.lastquery = 46090.25;
  record.oracledelay = 120000;
  dir.Write(std::string(kConfigFileName), ConfigFileBytes(record, 1));

  test::TFakeStoreDatabase database;
  database.stores = test::StoreTable({
      test::StoreRow(1, "Lumora Outfitters", 1, "MAIN", "Main Street"),
      test::StoreRow(1, "Lumora Outfitters", 2, "HARB", "Harbour Front"),
      test::StoreRow(1, "Lumora Outfitters", 3, "AIRPORT-T2", "Airport Terminal 2 Departures"),
      test::StoreRow(2, "Lumora North", 1, "NMAL", "North Mall"),
      test::StoreRow(2, "Lumora North", 2, "LAKE", "Lakeside"),
  });
  test::TTable inventory{{"ITEM_SID", "UPC", "LOCAL_UPC", "OHQTY", "COMMITTEDQTY", "AVAILQTY"}, {}};
  for (int i = 0; i < 40; ++i) {
    const std::string upc = std::to_string(400638133390LL + i * 7);
    const double on_hand = (i * 37) % 23;
    const double committed = i % 5 == 0 ? 2 : 0;
    inventory.rows.push_back({DbValue::DriverText(std::to_string(5001200 + i)),
                              DbValue::DriverText(upc), DbValue::DriverText(upc),
                              DbValue::Float(on_hand), DbValue::Float(committed),
                              DbValue::Float(on_hand - committed)});
  }
  database.inventory[{1, 2}] = inventory;

  RunningService manager;
  TServiceControl control(manager, [](int) {}, [] {});
  {
    TfrmLumoraConfig window(TConfiguratorServices{database, control, "1.2.4.4"});
    window.show();
    QCoreApplication::processEvents();
    window.edtFTPUsername->setText("store-ops");
    window.edtFTPPassword->setText("password");
    Save(window, folder, "configurator-settings.png");
    window.PageControl1->setCurrentWidget(window.pgSchedule);
    QCoreApplication::processEvents();
    Save(window, folder, "configurator-schedule.png");
    window.rgSchedulingButtons->button(0)->click();
    QCoreApplication::processEvents();
    Save(window, folder, "configurator-schedule-intervals.png");
  }
  {
    TfrmPreview preview(database);
    QTimer::singleShot(0, &preview, [&] {
      Save(preview, folder, "preview.png");
      preview.reject();
    });
    preview.Execute(1, 2);
  }
  {
    TfrmCheckService status(control);
    QTimer::singleShot(0, &status, [&] {
      QCoreApplication::processEvents();
      Save(status, folder, "service-status.png");
      status.reject();
    });
    status.Execute(kConnectorServiceName);
  }
  {
    TfrmLumoraAbout about("1.2.4.4");
    about.show();
    QCoreApplication::processEvents();
    Save(about, folder, "about.png");
  }
  return 0;
}
