#include "service/connector_scan.h"

#include <cstdlib>

#include "configuration/connector_config.h"
#include "configuration/time_values.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/clock.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "logging/uQzLogging.h"
#include "foundation/text.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "service/batch_files.h"
#include "service/batch_transmit.h"

namespace lumora {
namespace {

constexpr std::string_view kScanArea = "Connector.ScanInventory";
constexpr std::string_view kReadArea = "Connector.ReadInOHQuantities";
// A batch with fewer lines than this points at a database in trouble.
constexpr int kMissingDataThreshold = 10;
constexpr int kRestartCountdownSeconds = 10;
constexpr int kProgressEvery = 1000;

std::string Text(std::int64_t number) { return std::to_string(number); }

// The conversion right before the read: text that is no decimal integer
// ends the scan, as it always has.
int StrictInteger(const std::string& text) {
  if (const auto number = DecimalInteger(text)) return *number;
  throw EConvertError("'" + text + "' is not a valid integer value");
}

// The inventory query's columns, looked up once per store instead of once
// per field of every record. A missing column still fails each record, where
// the per-record handling reports it.
struct TInventoryFields {
  explicit TInventoryFields(const TVerrinDataset& query)
      : upc(query.FindField("upc")),
        local_upc(query.FindField("local_upc")),
        ohqty(query.FindField("ohqty")),
        committedqty(query.FindField("committedqty")),
        availqty(query.FindField("availqty")) {}
  int upc, local_upc, ohqty, committedqty, availqty;
};

const DbValue& FieldAt(const TVerrinDataset& query, int index, std::string_view name) {
  if (index < 0) throw EDatabaseError("Field '" + std::string(name) + "' not found");
  return query.Field(index);
}

// Frees the store's result however the entry ends; a failing close changes
// nothing for the scan.
struct TQueryRelease {
  std::unique_ptr<TVerrinDataset>& query;
  ~TQueryRelease() {
    try {
      if (query) query->Close();
    } catch (...) {
    }
    query.reset();
  }
};

// Close, archive and prune: the end of every store whose batch was opened.
// Archiving and pruning errors never end the scan.
void StoreEnd(std::unique_ptr<TAnsiTextStream>& stream, const std::string& path,
              const std::string& backup_path) {
  CloseStream(stream);
  // With no file there is nothing to move.
  if (!path.empty()) RenameBatchfile(path, backup_path);
  try {
    PruneBackups(backup_path);
  } catch (...) {
  }
}

}  // namespace

void EndProcess(int AExitCode) {
  // The same shut-down as at the end of main, so the log is written out.
  Shutdown();
  EndLoggingModule();
  std::exit(AExitCode);
}

TConnectorScan::TConnectorScan(TScanServices AServices) : services_(std::move(AServices)) {}

void TConnectorScan::ScanInventory(TScanRun& ALogic) {
  Log(5, "BEGIN", TagEnter, kScanArea);
  std::string_view step;
  try {
    auto& entries = ConnectorConfig.clientids;
    if (entries.empty()) {
      Log(0, "No client IDs were found.  The system hasn't been properly configured.", TagWarning,
          kScanArea);
      Log(9, "END", TagExit, kScanArea);
      return;
    }
    ConnectorConfig.lastquery = Now();
    ALogic.ClearAbort();
    // The list is read afresh for every entry: messages handled during a
    // store may have reloaded the configuration.
    // A stop ends the scan before the next store, not after its query.
    for (std::size_t i = 0; !ALogic.Aborted() && !ALogic.Closing() && i < entries.size(); ++i) {
      step = "pulling client ID";
      const std::string entry = entries[i];
      const std::string client_id(ClientIDValue(entry));
      if (client_id.empty()) {
        Log(9, "Skipping blank client ID for slot #" + Text(static_cast<std::int64_t>(i)), TagInfo,
            kScanArea);
        continue;
      }
      // Every batch line carries the client ID unquoted: a comma or line
      // break in it would corrupt the receiving service's records.
      if (!IsSafeBatchField(client_id)) {
        Log(0,
            "Skipping client ID for slot #" + Text(static_cast<std::int64_t>(i)) +
                ": it holds a comma or a line break, which a batch line cannot carry",
            TagWarning, kScanArea);
        continue;
      }
      Log(5, "Starting processing on " + client_id, TagInfo, kScanArea);

      step = "pulling sbsno";
      const std::string name(ClientIDName(entry));
      step = "parsing sbsno";
      Log(9, "     parsing [" + name + "]", TagInfo, kScanArea);
      const TStoreName store = SplitStoreName(name);
      Log(5, "     Subsidiary..[" + store.subsidiary + "]", TagInfo, kScanArea);
      Log(5, "     Store.......[" + store.store + "]", TagInfo, kScanArea);
      Log(9, "     Opening query on inventory table...", TagInfo, kScanArea);
      ALogic.SetTitle("Processing Client " + client_id + ", Subsidiary " + store.subsidiary +
                      ", Store " + store.store);

      step = "calling OpenQueryOnInventory";
      // Every run reads the full inventory: "since" is always the zero date.
      std::unique_ptr<TVerrinDataset> query =
          OpenQueryOnInventory(SessionConnection(), DecimalInteger(store.subsidiary).value_or(-1),
                               DecimalInteger(store.store).value_or(1), TDateTime{0.0});
      const TQueryRelease release{query};
      if (ALogic.Aborted()) {
        Log(1, "Aborting scan in progress", TagInfo, kScanArea);
        continue;
      }
      if (ALogic.Closing()) {
        Log(1, "Stopping scan in progress in order to close app", TagInfo, kScanArea);
        continue;
      }
      if (query->Eof()) {
        Log(5, "     No inventory found for that subsidiary and store.", TagInfo, kScanArea);
        continue;
      }

      step = "opening stream";
      std::unique_ptr<TAnsiTextStream> stream;
      const std::string path = services_.open_stream(ExeDir(), client_id, stream);
      bool process_ended = false;
      bool incomplete = false;
      try {
        if (path.empty()) {
          Log(0, "After attempting to open stream, the path to the file was empty", TagWarning,
              kScanArea);
        } else if (!stream) {
          Log(0, "Stream was NIL after call to OpenStream", TagWarning, kScanArea);
        } else if (stream->Stream() == nullptr) {
          Log(0, "Wrapped stream was NIL after call to OpenStream", TagWarning, kScanArea);
        } else {
          step = "calling ReadInOHQuantities";
          Log(1,
              "Starting read of on-hand quantities for " + Text(query->RecordCount()) +
                  " inventory items...",
              TagInfo, kScanArea);
          const int sbs_no = StrictInteger(store.subsidiary);
          const int store_no = StrictInteger(store.store);
          int processed = 0;
          int skipped = 0;
          int zero = 0;
          try {
            ReadInOHQuantities(ALogic, client_id, sbs_no, store_no, *query, *stream, processed,
                               skipped, zero);
          } catch (const EBatchWriteError& error) {
            // A truncated batch would replace the receiving service's full
            // stock list with part of it: this store's batch is dropped.
            Log(0,
                "Unable to write batch file \"" + path + "\": " + error.what() +
                    "; the batch is incomplete and will not be sent",
                TagError, kScanArea);
            incomplete = true;
          }
          if (!incomplete) {
            Log(1, "Returning from read of on-hand quantities", TagInfo, kScanArea);
            Log(1, "     Processed..." + Text(processed), TagInfo, kScanArea);
            Log(1, "     Skipped....." + Text(skipped), TagInfo, kScanArea);
            Log(1, "     Zero qty...." + Text(zero), TagInfo, kScanArea);
          }

          // A batch cut short by a refused write, an abort or a stop is not
          // whole, so it is neither sent nor archived.
          if (incomplete) {
            // Already reported, with the file and the reason.
          } else if (ALogic.Aborted()) {
            Log(1, "Aborting write of data to batch file", TagInfo, kScanArea);
            incomplete = true;
          } else if (ALogic.Closing()) {
            Log(1, "Stopping write of data to batch file in order to close app", TagInfo,
                kScanArea);
            incomplete = true;
          } else {
            step = "calling TransmitBatch";
            Log(5, "Starting transmission of batch file.", TagInfo, kScanArea);
            process_ended = processed < kMissingDataThreshold && MissingDataAlarm(ALogic, processed);
            if (!process_ended) {
              TransmitBatch(path, stream.get(), *services_.uploader, ALogic.TransmitCS(),
                            [&ALogic](std::chrono::milliseconds wait) {
                              return ALogic.PauseFor(wait);
                            });
              step = "calling SavingConfig";
              Log(5, "Updating configuration with last transmission timestamp.", TagInfo,
                  kScanArea);
              const TDateTime lastquery = ConnectorConfig.lastquery;
              // Only lastquery: the operator may have saved during the run.
              SaveConfigChanges(
                  [lastquery](TConnectorConfig& record) { record.lastquery = lastquery; });
            }
          }
        }
        step = "calling CloseStream";
      } catch (...) {
        StoreEnd(stream, path, ALogic.BackupPath());
        throw;
      }
      if (incomplete) {
        DiscardBatch(stream, path);
        continue;
      }
      if (process_ended) {
        // As after the real exit: the batch stays in the batch folder, unsent.
        CloseStream(stream);
        return;
      }
      StoreEnd(stream, path, ALogic.BackupPath());
    }
    Log(9, "Processing completed.", TagInfo, kScanArea);
  } catch (const std::exception& error) {
    LogExc(error, std::string(kScanArea) + " while " + std::string(step));
    throw;
  }
  Log(9, "END", TagExit, kScanArea);
}

bool TConnectorScan::MissingDataAlarm(TScanRun& ALogic, int AProcessed) {
  NotifyMissingData(AProcessed, services_.support_endpoint);
  if (!ConnectorConfig.restartonmissingdata) return false;
  Log(0, "Database issues detected; restarting service in 10 seconds...", TagError, kScanArea);
  // The engine's thread stays responsive: control requests and window work
  // go through between the pauses (an idle tick skips itself meanwhile).
  for (int second = 0; second < kRestartCountdownSeconds; ++second) {
    ALogic.PauseFor(std::chrono::milliseconds(1000));
    ALogic.ProcessMessages();
  }
  // The service manager's recovery settings bring the service back.
  services_.exit_process(1);
  return true;
}

void TConnectorScan::ReadInOHQuantities(TScanRun& ALogic, const std::string& AClientID,
                                        int /*ASbsNo*/, int /*AStoreNo*/, TVerrinDataset& AInvQry,
                                        TAnsiTextStream& AStream, int& AProcessed, int& ASkipped,
                                        int& AZero) {
  Log(9, "BEGIN", TagEnter, kReadArea);
  AProcessed = 0;
  ASkipped = 0;
  AZero = 0;
  std::string_view step;
  const auto at_row = [&] {
    return std::string(kReadArea) + " at row " + Text(ALogic.CurrentRow()) + " while " +
           std::string(step);
  };
  try {
    step = "getting record count";
    const int rows = static_cast<int>(AInvQry.RecordCount());
    ALogic.SetRowProgress(rows, 0);
    step = "starting loop";
    const TInventoryFields fields(AInvQry);
    // One record at a time, straight into the batch: nothing is collected.
    while (!ALogic.Aborted() && !ALogic.Closing() && !AInvQry.Eof()) {
      ALogic.SetRowProgress(rows, ALogic.CurrentRow() + 1);
      try {
        std::string upc;
        std::string local_upc;
        double available = 0.0;

        step = "pulling upc";
        const DbValue& upc_value = FieldAt(AInvQry, fields.upc, "upc");
        if (!upc_value.IsNull()) {
          step = "converting upc var to string";
          upc = Trim(FieldValueText(upc_value));
        }
        step = "pulling local upc";
        const DbValue& local_value = FieldAt(AInvQry, fields.local_upc, "local_upc");
        if (!local_value.IsNull()) {
          step = "converting local upc var to string";
          local_upc = FieldValueText(local_value);
        }
        if (upc_value.IsNull() && local_value.IsNull()) {
          ++ASkipped;
        } else {
          // On-hand and committed are read (a bad value skips the record)
          // but only the available quantity goes into the batch.
          step = "pulling qty";
          const DbValue& oh_value = FieldAt(AInvQry, fields.ohqty, "ohqty");
          if (!oh_value.IsNull()) {
            step = "converting ohqty var to float";
            (void)oh_value.AsFloat();
          }
          step = "pulling committed";
          const DbValue& committed_value = FieldAt(AInvQry, fields.committedqty, "committedqty");
          if (!committed_value.IsNull()) {
            step = "converting committedqty var to float";
            (void)committed_value.AsFloat();
          }
          step = "pulling available";
          const DbValue& available_value = FieldAt(AInvQry, fields.availqty, "availqty");
          if (!available_value.IsNull()) {
            step = "converting availqty var to float";
            available = available_value.AsFloat();
          }
          if (upc.empty()) upc = Trim(local_upc);
          if (upc.empty()) {
            ++ASkipped;
          } else if (!IsSafeBatchField(upc)) {
            // Unquoted, the UPC would shift or split the receiving service's
            // record.
            ++ASkipped;
            Log(0,
                "Skipping row " + Text(ALogic.CurrentRow()) +
                    ": its UPC holds a comma or a line break, which a batch line cannot carry",
                TagWarning, kReadArea);
          } else {
            ++AProcessed;
            if (available < 0) available = 0;
            if (available == 0) ++AZero;
            WriteBatchLine(AStream, AClientID, upc, available);
            if (AProcessed % kProgressEvery == 0) {
              Log(1, Text(AProcessed) + " records processed...", TagInfo, kReadArea);
            }
          }
        }
      } catch (const EBatchWriteError&) {
        throw;  // the batch, not this record, is at fault
      } catch (const std::exception& error) {
        LogExc(error, at_row() + "; skipping row.");
      }
      AInvQry.Next();
    }
    if (ALogic.Aborted()) {
      Log(1, "Terminating on-hand scan -- process aborted.", TagInfo, kReadArea);
    } else if (ALogic.Closing()) {
      Log(1, "Terminating on-hand scan -- service is shutting down.", TagInfo, kReadArea);
    } else {
      Log(5, "On-hand scan completed.", TagInfo, kReadArea);
    }
  } catch (const std::exception& error) {
    // The scan reports a refused batch write itself, naming the file.
    if (dynamic_cast<const EBatchWriteError*>(&error) == nullptr) LogExc(error, at_row());
    Log(1,
        "     Processed: " + Text(AProcessed) + "; Skipped: " + Text(ASkipped) +
            "; Zero qty: " + Text(AZero),
        TagInfo, kReadArea);
    throw;
  }
  Log(9, "END", TagExit, kReadArea);
}

}  // namespace lumora
