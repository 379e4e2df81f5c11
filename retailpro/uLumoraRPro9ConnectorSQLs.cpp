#include "retailpro/uLumoraRPro9ConnectorSQLs.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "logging/uQzLogging.h"
#include "retailpro/uQzOraUtils.h"

namespace lumora {
namespace {

constexpr std::string_view kSessionArea = "GetSession";

// The opening flag: raised by the thread that creates a TOpenThread, cleared
// by the worker, polled by the creator.
std::atomic<bool> OpeningFlag{false};

const char* const kQueryA =
    "select item_sid, upc, local_upc, ohqty, committedqty, (ohqty-committedqty) as availqty from "
    "( select to_char(inv.item_sid) as item_sid, inv.upc as upc, invsbs.local_upc as local_upc, "
    "invqty.qty as ohqty, ( select Nvl(sum(committed_qty), 0) as total_commited_qty from ( select "
    "sum(nvl(it.ord_qty, 0) - nvl(it.sent_qty, 0)) committed_qty from so_item it, so where "
    "it.so_sid = so.so_sid and so.so_type in (0, 1, 2) and nvl(cancel_date, sysdate) >= "
    "trunc(sysdate) and nvl(ord_qty, 0) <> nvl(sent_qty, 0) and BitAnd(1, so.Status) = 0 and "
    "nvl(so.active, 0) = 1 and it.item_sid = inv.item_sid and so.store_no = invqty.store_no and "
    "so.sbs_no = invsbs.sbs_no union all select sum(nvl(ord_qty, 0) - nvl(sent_qty, 0)) "
    "committed_qty from tord_qty tq, tord_item it, tord t where it.to_sid = t.to_sid and "
    "tq.to_sid = it.to_sid and tq.item_pos = it.item_pos and tq.store_no <> t.store_no and "
    "nvl(ord_qty, 0) <> nvl(sent_qty, 0) and nvl(t.held, 0) = 0 and nvl(t.active, 0) = 1 and "
    "it.item_sid = inv.item_sid and t.store_no = invqty.store_no and t.sbs_no = invsbs.sbs_no ) "
    ") committedqty from inventory inv join invn_sbs invsbs on invsbs.item_sid=inv.item_sid join "
    "invn_sbs_qty invqty on invqty.item_sid=inv.item_sid and invqty.sbs_no=invsbs.sbs_no where "
    "invsbs.sbs_no = :sbs_no and invqty.store_no = :store_no and invsbs.active=1 order by "
    "invsbs.vend_code asc, invsbs.local_upc asc )";

constexpr std::string_view kLocalUpcItem = "invsbs.local_upc as local_upc";
constexpr std::string_view kUpcAsLocalItem = "inv.upc as local_upc";

// Query B differs from A in one select item only; deriving it keeps the two
// from drifting apart.
std::string MakeQueryB() {
  std::string text = kQueryA;
  text.replace(text.find(kLocalUpcItem), kLocalUpcItem.size(), kUpcAsLocalItem);
  return text;
}

const char* const kVersionQuery =
    "select v.component_type, v.version from version v where v.component_id in ( 0, 1 ) order by "
    "v.component_id";
const char* const kControllerQuery =
    "select sbs_no as sbsno, store_no as storeno from controller where is_local=1";
const char* const kLocalUpcQuery =
    "select col.column_name from sys.all_tab_columns col inner join sys.all_tables t on "
    "col.owner=t.owner and col.table_name=t.table_name where col.owner = 'CMS' and "
    "col.table_name = 'INVN_SBS' and col.column_name = 'LOCAL_UPC' order by col.column_name";

std::string ValueText(const DbValue& value) {
  switch (value.kind()) {
    case DbValue::Kind::Null:
      return {};
    case DbValue::Kind::DriverText:
    case DbValue::Kind::Text:
      return value.text();
    case DbValue::Kind::Float:
    case DbValue::Kind::Currency: {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.15g", value.number());
      return buffer;
    }
    default:
      return std::to_string(value.integer());
  }
}

void CacheVersions(TVerrinConnection& AConnection) {
  auto& session = DatabaseSession();
  if (!session.schema_version.empty()) return;
  RProVersion versions = GetRProVersion(AConnection);
  session.schema_version = std::move(versions.schema_version);
  session.build_version = std::move(versions.build_version);
}

}  // namespace

TDatabaseSession& DatabaseSession() {
  static TDatabaseSession session;
  return session;
}

const char* const kStoresQueryText =
    "select st.sbs_no as sbs_no, st.store_no as store_no, st.store_code as store_code, "
    "st.store_name as store_name, sbs.sbs_name as sbs_name from store st join subsidiary sbs on "
    "sbs.sbs_no=st.sbs_no where st.active=1 order by st.sbs_no asc, st.store_no asc";

const std::string& InventoryQueryText(bool ALocalUPC) {
  static const std::string query_a = kQueryA;
  static const std::string query_b = MakeQueryB();
  return ALocalUPC ? query_a : query_b;
}

std::string SessionConnectionString(std::string_view ADescriptor) {
  return "Provider=OraOLEDB.Oracle;Data Source=" + std::string(ADescriptor) +
         ";;User Id=custom;Password=q4nw2h;";
}

void GetSession() {
  auto& session = DatabaseSession();
  const std::lock_guard guard(session.lock);
  LogEnter(9, kSessionArea);
  try {
    if (session.connection) {
      LogInfo(9, "Session already exists, exiting", kSessionArea);
    } else {
      LogInfo(9, "Instantiating session", kSessionArea);
      session.connection = std::make_unique<TVerrinConnection>();
      LogInfo(9, "Connecting session", kSessionArea);
      try {
        session.connection->SetConnectionString(
            SessionConnectionString(TNSNamesConnectString(kRProAlias, "", "", "")));
        session.connection->SetLoginPrompt(false);
        session.connection->Open();
      } catch (...) {
        // An unconnected connection kept as the session would make every later
        // GetSession skip connecting; drop it so the next call tries afresh.
        session.connection.reset();
        throw;
      }
      LogInfo(9, "Session connected", kSessionArea);
    }
    LogInfo(9, "Incrementing session reference counter", kSessionArea);
    ++session.reference_count;
  } catch (const std::exception& error) {
    LogExc(error, kSessionArea);
    throw;
  }
  LogExit(9, kSessionArea);
}

void ReleaseSession() {
  auto& session = DatabaseSession();
  const std::lock_guard guard(session.lock);
  try {
    LogInfo(9, "Decrementing session reference counter", kSessionArea);
    --session.reference_count;
    if (session.reference_count <= 0) {
      LogInfo(9, "Session reference counter is zero, freeing session...", kSessionArea);
      auto connection = std::move(session.connection);
      connection.reset();
    } else {
      LogInfo(9, "Session reference counter not zero, exiting...", kSessionArea);
    }
  } catch (const std::exception& error) {
    LogExc(error, kSessionArea);
    throw;
  }
}

TVerrinConnection& SessionConnection() {
  auto& session = DatabaseSession();
  const std::lock_guard guard(session.lock);
  if (!session.connection) throw EDatabaseError("There is no database session");
  return *session.connection;
}

std::unique_ptr<TVerrinDataset> OpenQueryOnInventory(TVerrinConnection& AConnection,
                                                     std::int32_t ASbsNo, std::int32_t AStoreNo,
                                                     TDateTime ASince) {
  constexpr std::string_view kArea = "OpenQueryOnInventory";
  LogEnter(9, kArea);
  try {
    LogValue(9, "ASbsNo", std::to_string(ASbsNo), 20, TagInfo, kArea);
    LogValue(9, "AStoreNo", std::to_string(AStoreNo), 20, TagInfo, kArea);
    LogValue(9, "ASince", FormatDateTime("mm/dd/yyyy hh:nn:ss", ASince), 20, TagInfo, kArea);
    LogInfo(9, "Instantiating Oracle dataset", kArea);
    auto query = std::make_unique<TVerrinDataset>(AConnection);
    query->SetEnableBCD(false);
    if (DatabaseSession().schema_version.empty()) {
      LogInfo(9, "Retrieving RPro version", kArea);
      CacheVersions(AConnection);
    }
    query->SetSQL(InventoryQueryText(DatabaseSession().LocalUPCFlag.load()));
    query->SetParameter("sbs_no", DbValue::Integer(ASbsNo));
    query->SetParameter("store_no", DbValue::Integer(AStoreNo));
    LogInfo(9, "opening result set", kArea);
    query->Open();
    LogInfo(9, "result set open.", kArea);
    LogExit(9, kArea);
    return query;
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
}

RProVersion GetRProVersion(TVerrinConnection& AConnection) {
  constexpr std::string_view kArea = "GetRProVersion";
  LogEnter(9, kArea);
  try {
    RProVersion result;
    TVerrinDataset query(AConnection);
    query.SetSQL(kVersionQuery);
    query.Open();
    if (!query.Eof()) {
      result.schema_version = ValueText(query.FieldByName("component_type"));
      result.build_version = ValueText(query.FieldByName("version"));
    }
    LogInfo(2, "Schema version = " + result.schema_version);
    LogInfo(2, "Build version  = " + result.build_version);
    query.Close();
    LogExit(9, kArea);
    return result;
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
}

SbsAndStoreNo GetSbsAndStoreNo(TVerrinConnection& AConnection) {
  constexpr std::string_view kArea = "GetSbsAndStoreNo";
  LogEnter(9, kArea);
  try {
    TVerrinDataset query(AConnection);
    query.SetSQL(kControllerQuery);
    query.Open();
    if (query.Eof()) {
      throw EConvertError("The controller table holds no local store (is_local=1)");
    }
    SbsAndStoreNo result;
    result.sbs_no = query.FieldByName("sbsno").AsInteger();
    result.store_no = query.FieldByName("storeno").AsInteger();
    query.Close();
    LogExit(9, kArea);
    return result;
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
}

bool DoesLocalUPCExist(TVerrinConnection& AConnection) {
  constexpr std::string_view kArea = "DoesLocalUPCExist";
  LogEnter(9, kArea);
  auto& session = DatabaseSession();
  session.LocalUPCFlag = false;
  session.LocalUPCChecked = false;
  try {
    TVerrinDataset query(AConnection);
    query.SetSQL(kLocalUpcQuery);
    query.Open();
    session.LocalUPCFlag = !query.Eof();
    session.LocalUPCChecked = true;
  } catch (...) {
    // A database that cannot answer (no catalog access, no connection) gets
    // the query that does not need the column.
    session.LocalUPCFlag = false;
  }
  LogExit(9, kArea);
  return session.LocalUPCFlag;
}

TOpenThread::TOpenThread(TVerrinDataset& AQry) : FQry(&AQry) {
  OpeningFlag = true;
  thread_ = std::thread([this] { Execute(); });
}

TOpenThread::~TOpenThread() {
  if (thread_.joinable()) thread_.join();
}

bool TOpenThread::Opening() { return OpeningFlag.load(); }

void TOpenThread::Execute() {
  try {
    FQry->Open();
  } catch (const std::exception& error) {
    LogExc(error, "TOpenThread.Execute");
  } catch (...) {
    LogErr("Unknown error while opening the query", "TOpenThread.Execute");
  }
  OpeningFlag = false;
}

std::unique_ptr<TVerrinDataset> OpenQueryOnStores(TVerrinConnection& AConnection,
                                                  const std::function<void()>& AProcessMessages) {
  constexpr std::string_view kArea = "OpenQueryOnStores";
  LogEnter(9, kArea);
  try {
    auto query = std::make_unique<TVerrinDataset>(AConnection);
    if (DatabaseSession().schema_version.empty()) CacheVersions(AConnection);
    query->SetSQL(kStoresQueryText);
    {
      TOpenThread opener(*query);
      while (TOpenThread::Opening()) {
        std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (AProcessMessages) AProcessMessages();
      }
    }
    LogExit(9, kArea);
    return query;
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
}

}  // namespace lumora
