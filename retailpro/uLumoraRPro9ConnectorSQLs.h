#pragma once

// The shared Retail Pro database session and the fixed queries on the Retail
// Pro schema. Callers hold the session around their queries: GetSession, the
// query on SessionConnection(), ReleaseSession.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "foundation/date_time.h"
#include "retailpro/verrin_db.h"

namespace lumora {

// The TNS alias and the account through which the database is reached.
inline constexpr std::string_view kRProAlias = "RPROODS";

// The process-wide session: one connection shared by reference count.
struct TDatabaseSession {
  std::mutex lock;  // serialises GetSession and ReleaseSession only
  std::unique_ptr<TVerrinConnection> connection;
  std::int32_t reference_count = 0;
  // Cached by the first inventory or store query that finds them empty. Read
  // and written only by the session's users, who take turns.
  std::string schema_version;
  std::string build_version;
  // The inventory query takes the local UPC from invn_sbs (query A). Set only
  // by DoesLocalUPCExist.
  std::atomic<bool> LocalUPCFlag{false};
  // The last DoesLocalUPCExist got its answer from the database (an error
  // answers false without it).
  std::atomic<bool> LocalUPCChecked{false};
};
TDatabaseSession& DatabaseSession();

// Takes one reference, creating and connecting the connection when none
// exists. A failed connect leaves no session behind, so the next call tries
// again. Raises on failure.
void GetSession();
// Drops one reference; frees the connection when the count reaches zero.
void ReleaseSession();
// The session's connection; raises EDatabaseError when there is none.
TVerrinConnection& SessionConnection();

// "Provider=OraOLEDB.Oracle;Data Source=<descriptor>;;User Id=...;Password=...;"
std::string SessionConnectionString(std::string_view ADescriptor);

// The inventory query's SQL text: query A (local UPC from invn_sbs) or B.
const std::string& InventoryQueryText(bool ALocalUPC);
extern const char* const kStoresQueryText;

// The open inventory query of one subsidiary and store, with numbers as
// floating point. ASince is only logged. The caller owns the result.
std::unique_ptr<TVerrinDataset> OpenQueryOnInventory(TVerrinConnection& AConnection,
                                                     std::int32_t ASbsNo, std::int32_t AStoreNo,
                                                     TDateTime ASince);

struct RProVersion {
  std::string schema_version;
  std::string build_version;
};
RProVersion GetRProVersion(TVerrinConnection& AConnection);

struct SbsAndStoreNo {
  std::int32_t sbs_no = 0;
  std::int32_t store_no = 0;
};
// The local subsidiary and store (controller row with is_local=1). Raises
// EConvertError when there is none or it holds nulls.
SbsAndStoreNo GetSbsAndStoreNo(TVerrinConnection& AConnection);

// Whether invn_sbs has a LOCAL_UPC column, by the catalog; sets LocalUPCFlag.
// Never raises: any error answers false.
bool DoesLocalUPCExist(TVerrinConnection& AConnection);

// The active stores with their subsidiary names, opened on a TOpenThread
// while the calling thread runs AProcessMessages every 10 ms (the window's
// message pump). The caller owns the result; when the open failed, the error
// is logged and the query comes back unopened.
std::unique_ptr<TVerrinDataset> OpenQueryOnStores(
    TVerrinConnection& AConnection, const std::function<void()>& AProcessMessages = {});

// A worker that opens one query. Creating it raises the opening flag; the
// worker clears it when its open attempt ends. The owner joins it on
// destruction (by then the worker has nothing left to do).
class TOpenThread {
 public:
  explicit TOpenThread(TVerrinDataset& AQry);
  ~TOpenThread();
  TOpenThread(const TOpenThread&) = delete;
  TOpenThread& operator=(const TOpenThread&) = delete;

  // True from a TOpenThread's creation until its open attempt has ended.
  static bool Opening();

 private:
  void Execute();

  TVerrinDataset* FQry;
  std::thread thread_;
};

}  // namespace lumora
