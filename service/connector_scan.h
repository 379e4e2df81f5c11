#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/uQzTextStream.h"
#include "retailpro/verrin_db.h"
#include "service/batch_files.h"
#include "service/batch_uploader.h"
#include "service/engine_seams.h"
#include "support/uQzNotifySupport.h"

namespace lumora {

// Ends the program after the restart countdown: the module shut-down (the
// log is written out), then exit code AExitCode. Does not return.
[[noreturn]] void EndProcess(int AExitCode);

// The outside parts of a scan besides the database session. The defaults are
// the production ones; tests hand in loopback servers and an exit they can
// observe.
struct TScanServices {
  std::unique_ptr<TBatchUploader> uploader = std::make_unique<TFtpUploader>(BuiltInFtpSettings());
  HttpEndpoint support_endpoint = DefaultSupportEndpoint();
  // Normally never returns. When it does (a test's), the scan takes the
  // process for ended: it closes the batch, leaves it unsent and
  // unarchived, and returns at once.
  std::function<void(int)> exit_process = EndProcess;
  // Creates a store's batch file and stream (OpenStream); tests wrap it to
  // make the stream fail like a full disk.
  std::function<std::string(std::string_view, std::string_view, std::unique_ptr<TAnsiTextStream>&)>
      open_stream = OpenStream;
};

// The production inventory scan: walks ClientIDs on the run's database
// session, streams each store's records into its batch file, sends, records
// and archives it. Runs on the engine's thread inside the process tick.
class TConnectorScan final : public TInventoryScan {
 public:
  explicit TConnectorScan(TScanServices AServices = {});

  void ScanInventory(TScanRun& ALogic) override;

  // Writes one line per usable record of AInvQry, reading forward only and
  // writing each line as its record is read. Errors of single records are
  // logged and the record skipped; others are logged and raised.
  // ASbsNo and AStoreNo only say which store this is.
  void ReadInOHQuantities(TScanRun& ALogic, const std::string& AClientID, int ASbsNo,
                          int AStoreNo, TVerrinDataset& AInvQry, TAnsiTextStream& AStream,
                          int& AProcessed, int& ASkipped, int& AZero);

 private:
  // The store's batch got fewer than 10 lines. True when the process has
  // (in a test, would have) ended.
  bool MissingDataAlarm(TScanRun& ALogic, int AProcessed);

  TScanServices services_;
};

}  // namespace lumora
