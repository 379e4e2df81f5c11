// The configurator end to end: opened on the program directory the service's
// end-to-end run left behind (its configuration rewritten by the service,
// the demo Retail Pro database behind the Oracle client's registry keys), it
// lists every configured store and, saved without a change, writes the file
// back byte for byte.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "configurator/client_id_panel.h"
#include "configurator/fLumora9Config.h"
#include "configurator/retailpro_store_database.h"
#include "configurator/uQzWinServicesUtils.h"
#include "foundation/paths.h"
#include "logging/log_settings.h"
#include "logging/uQzLogging.h"
#include "platform/platform_config.h"
#include "tests/configurator/qt_test_support.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

ino_t Inode(const fs::path& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(ConfiguratorOnTheServicesDirectory, SavesTheConfigurationUnchangedByteForByte) {
  const fs::path root = LUMORA_E2E_ROOT;
  const fs::path program = root / "program";
  const fs::path config_file = program / std::string(kConfigFileName);
  ASSERT_TRUE(fs::exists(config_file)) << "the service's end-to-end run did not leave " << root;
  const std::string before = ReadFileBytes(config_file);
  const ino_t inode_before = Inode(config_file);

  // The configurator's own start-up, in the program directory.
  ::setenv("LUMORA_REGISTRY", (root / "registry").c_str(), 1);
  SetExeDir(program.string() + platform::kPathSeparator);
  SetAnnounceLogLevelChanges(true);
  Init(TProgram::Configurator);
  {
    const std::unique_ptr<TStoreDatabase> database = CreateRetailProStoreDatabase();
    TNoServiceController manager;
    TServiceControl control(manager, [](int) {}, [] {});
    TfrmLumoraConfig window(TConfiguratorServices{*database, control, "1.2.4.4"});
    window.show();
    const std::size_t stores = ConnectorConfig.clientids.size();
    ASSERT_EQ(stores, 6u);
    ASSERT_TRUE(WaitFor(
        [&] {
          QCoreApplication::processEvents();
          return window.grdClientIDs->PanelCount() == static_cast<int>(stores);
        },
        30s));
    for (int row = 0; row < window.grdClientIDs->PanelCount(); ++row) {
      const auto* panel = static_cast<TClientIDPanel*>(window.grdClientIDs->GetPanel(row));
      EXPECT_EQ(panel->edtClientID->text().toStdString(), ClientIDValue(ConnectorConfig.clientids[row]))
          << "row " << row;
    }
    window.btnSaveClick();
    QCoreApplication::processEvents();
  }
  Shutdown();
  ::unsetenv("LUMORA_REGISTRY");

  // Saved (a new file renamed over the old one), and nothing in it changed.
  EXPECT_NE(Inode(config_file), inode_before);
  EXPECT_EQ(ReadFileBytes(config_file), before);
}

}  // namespace
}  // namespace lumora::test
