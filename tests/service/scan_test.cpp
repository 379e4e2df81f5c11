#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <regex>
#include <stdlib.h>
#include <string>
#include <utility>
#include <vector>

#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/text.h"
#include "foundation/uQzCrypto.h"
#include "logging/uQzLogging.h"
#include "service/connector_scan.h"
#include "service/retail_pro_access.h"
#include "tests/retailpro/rpro_fixture.h"
#include "tests/service/engine_fixture.h"
#include "configuration/config_file.h"
#include "configuration/config_file_io.h"
#include "tests/support/failing_stream.h"
#include "tests/support/ftp_server.h"
#include "tests/support/http_test_server.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kScanArea = "Connector.ScanInventory";
constexpr std::string_view kReadArea = "Connector.ReadInOHQuantities";

// One inventory item of a store; an empty optional is a database null.
struct Item {
  std::optional<std::string> upc;
  std::optional<std::string> local_upc;
  std::optional<double> qty;
};

std::string Sql(const std::optional<std::string>& text) {
  if (!text) return "null";
  std::string quoted = "'";
  for (const char c : *text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

std::string Sql(const std::optional<double>& number) {
  return number ? std::to_string(*number) : std::string("null");
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> CsvFiles(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".csv") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The real scan and database access against a Retail Pro database on
// disk, uploading to an FTP server and notifying an HTTP endpoint, both on
// loopback. The process exit is recorded instead of taken.
class ScanTest : public EngineFixture {
 protected:
  ScanTest() {
    ResetDatabaseSession();
    SetGlobalLogLevel(9);
    db_ = dir_.path() / "rpro.db";
    CreateRetailProDatabase(db_.string());
    ExecSql(db_,
            "insert into version values (0, '9.30', '9.30.0.161'), (1, '9.30.161', 'b161');"
            "insert into controller values (1, 1, 1, 1)");
    InstallOracleClient(dir_, "RPROODS =\n" + SqliteDescriptor(db_));
  }
  ~ScanTest() override {
    ResetDatabaseSession();
    ::unsetenv("LUMORA_REGISTRY");
  }

  void AddItems(int sbs_no, int store_no, const std::vector<Item>& items) {
    std::string sql;
    for (const Item& item : items) {
      const std::string sid = std::to_string(++last_sid_);
      char vendor[16];
      std::snprintf(vendor, sizeof vendor, "V%06d", last_sid_);  // keeps the insertion order
      sql += "insert into inventory values (" + sid + ", " + Sql(item.upc) + ", '');" +
             "insert into invn_sbs values (" + sid + ", " + std::to_string(sbs_no) + ", '" + vendor +
             "', " + Sql(item.local_upc) + ", 1);" + "insert into invn_sbs_qty values (" + sid +
             ", " + std::to_string(sbs_no) + ", " + std::to_string(store_no) + ", " +
             Sql(item.qty) + ");";
    }
    ExecSql(db_, sql);
  }
  // `count` items with UPCs P1, P2, ... and quantity 1.
  void AddNumberedItems(int sbs_no, int store_no, int count) {
    std::vector<Item> items;
    for (int i = 1; i <= count; ++i) {
      // Appended, not added: GCC 12 warns falsely (-Wrestrict) on "P" + std::string.
      std::string upc = "P";
      upc += std::to_string(i);
      items.push_back({std::move(upc), {}, 1.0});
    }
    AddItems(sbs_no, store_no, items);
  }

  // Writes the configuration, then creates and enables the engine with the
  // real scan and database access; the log starts empty afterwards.
  std::unique_ptr<TdlgConnectorLogic> EnabledEngine(std::vector<std::string> client_ids,
                                                    bool restart_on_missing_data = false) {
    WriteConfig([&](TConnectorConfig& c) {
      c.clientids = std::move(client_ids);
      c.scanscheduling = 0;
      c.restartonmissingdata = restart_on_missing_data;
    });
    TScanServices services{
        .uploader = std::make_unique<TFtpUploader>(TFtpSettings{
            .Host = "127.0.0.1",
            .Port = ftp_.port(),
            .User = ftp_.user(),
            .Password = ftp_.password(),
            .ConnectTimeout = std::chrono::seconds(5),
            .ReplyTimeout = std::chrono::seconds(5),
        }),
        .support_endpoint = {.url = support_.url(),
                             .connect_timeout = std::chrono::seconds(2),
                             .total_timeout = std::chrono::seconds(5)},
        .exit_process =
            [this](int code) {
              exit_codes_.push_back(code);
              exit_at_seconds_ = FakeSeconds();
            },
    };
    if (adjust_services_) adjust_services_(services);
    scan_ = std::make_unique<TConnectorScan>(std::move(services));
    auto logic = std::make_unique<TdlgConnectorLogic>(TEngineServices{
        .loop = loop_,
        .database = database_access_,
        .scan = *scan_,
        .stop_requested = [this] { return stop_.load(); },
    });
    clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
    logic->Enable();
    ClearRecordedLog();
    return logic;
  }

  fs::path BatchFolder() const { return dir_.path() / "Batch"; }
  fs::path ArchiveFolder() const { return dir_.path() / "Batch" / "Archive" / "Verrin"; }
  std::string Uploaded(std::string_view name) const { return ReadFileBytes(ftp_.home() / name); }
  // The support notices received, deciphered.
  std::vector<std::string> Notices() const {
    std::vector<std::string> notices;
    for (const auto& request : support_.requests()) {
      notices.push_back(TCrypt(EnvelopeKey).DecStr(request.body));
    }
    return notices;
  }

  // Changes the scan's outside parts before the engine is built.
  std::function<void(TScanServices&)> adjust_services_;
  fs::path db_;
  int last_sid_ = 0;
  FtpServer ftp_;
  std::atomic<int> notices_ = 0;
  LoopbackHttpServer support_{[this](const HttpRequest&) {
    ++notices_;
    // Lets the countdown show that it keeps the engine's messages moving.
    loop_.Post([this] { message_dispatched_at_ = FakeSeconds(); });
    return HttpReply{};
  }};
  TConnectorDatabase database_access_;
  std::unique_ptr<TConnectorScan> scan_;
  std::vector<int> exit_codes_;
  double exit_at_seconds_ = -1;
  double message_dispatched_at_ = -1;
};

TEST_F(ScanTest, RunSendsRecordsAndArchivesEveryStoreAndSkipsBlankClientIDs) {
  AddNumberedItems(1, 5, 12);
  AddNumberedItems(2, 3, 10);
  AddNumberedItems(1, 6, 3);  // a store nobody configured
  auto logic = EnabledEngine({"1.5=A", "1.7=", "2.3=B"});
  const TDateTime run_start = clock_.Now();

  logic->tmProcessTimer();

  std::vector<std::string> a_lines, b_lines;
  for (int i = 1; i <= 12; ++i) a_lines.push_back("A,P" + std::to_string(i) + ",1");
  for (int i = 1; i <= 10; ++i) b_lines.push_back("B,P" + std::to_string(i) + ",1");
  EXPECT_EQ(CsvFiles(ftp_.home()), (std::vector<std::string>{"A.csv", "B.csv"}));
  EXPECT_EQ(Uploaded("A.csv"), Lines(a_lines));
  EXPECT_EQ(Uploaded("B.csv"), Lines(b_lines));

  // Archived under time-stamped names, nothing left in the batch folder.
  EXPECT_TRUE(CsvFiles(BatchFolder()).empty());
  const auto archived = CsvFiles(ArchiveFolder());
  ASSERT_EQ(archived.size(), 2u);
  EXPECT_TRUE(std::regex_match(archived[0], std::regex(R"(A-20261209-1002\d\d\.csv)"))) << archived[0];
  EXPECT_TRUE(std::regex_match(archived[1], std::regex(R"(B-20261209-1002\d\d\.csv)"))) << archived[1];
  EXPECT_EQ(ReadFileBytes(ArchiveFolder() / archived[0]), Lines(a_lines));

  // The run's start is what the saved file holds as lastquery.
  ConnectorConfig.lastquery = 0;
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_NEAR(ConnectorConfig.lastquery, run_start, 1.0 / kMSecsPerDay);

  // The log of the run, in order, between its two frame lines.
  int at = FindLog("======Starting run========", "Connector.tmProcessTimer");
  ASSERT_GE(at, 0);
  for (const auto& [text, area] : std::vector<std::pair<std::string, std::string_view>>{
           {"BEGIN", kScanArea},
           {"Starting processing on A", kScanArea},
           {"     Subsidiary..[1]", kScanArea},
           {"     Store.......[5]", kScanArea},
           {"Creating output stream on \"" + (BatchFolder() / "A.csv").string() + "\"...", ""},
           {"Starting read of on-hand quantities for 12 inventory items...", kScanArea},
           {"On-hand scan completed.", kReadArea},
           {"     Processed...12", kScanArea},
           {"     Skipped.....0", kScanArea},
           {"     Zero qty....0", kScanArea},
           {"Starting transmission of batch file.", kScanArea},
           {"BEGIN", "Connector.TransmitBatch"},
           {"END", "Connector.TransmitBatch"},
           {"Updating configuration with last transmission timestamp.", kScanArea},
           {"Archiving " + (ArchiveFolder() / archived[0]).string(), "RenameBatchfile"},
           {"Skipping blank client ID for slot #1", kScanArea},
           {"Starting processing on B", kScanArea},
           {"     Processed...10", kScanArea},
           {"Processing completed.", kScanArea},
           {"END", kScanArea},
           {"======Run completed=======", "Connector.tmProcessTimer"},
       }) {
    const int next = FindLog(text, area, at + 1);
    EXPECT_GT(next, at) << "\"" << text << "\" (" << area << ") missing or out of order";
    if (next > at) at = next;
  }
  EXPECT_EQ(FindError("TdlgConnectorLogic.TransmitBatch"), -1);
  EXPECT_EQ(notices_, 0);
  EXPECT_EQ(logic->Title().rfind("Idle.", 0), 0u) << logic->Title();
  EXPECT_EQ(logic->RowsToProcess(), 10);
  EXPECT_EQ(logic->CurrentRow(), 10);
}

// Hands each upload to the real uploader after running a test's action, the
// moment at which an operator's save would land during a run.
class HookedUploader final : public TBatchUploader {
 public:
  HookedUploader(std::unique_ptr<TBatchUploader> inner, std::function<void(const std::string&)> hook)
      : inner_(std::move(inner)), hook_(std::move(hook)) {}
  void Store(const std::string& ARemoteName, TStream& AStream) override {
    if (hook_) hook_(ARemoteName);
    inner_->Store(ARemoteName, AStream);
  }

 private:
  std::unique_ptr<TBatchUploader> inner_;
  std::function<void(const std::string&)> hook_;
};

TEST_F(ScanTest, BatchThatCannotBeWrittenWholeIsNeitherSentNorArchived) {
  AddNumberedItems(1, 5, 30);
  AddNumberedItems(1, 6, 12);
  // Store A's batch fills the disk after 100 bytes; B's has room.
  adjust_services_ = [](TScanServices& services) {
    services.open_stream = [](std::string_view exe_dir, std::string_view client_id,
                              std::unique_ptr<TAnsiTextStream>& stream) {
      const std::string path = OpenStream(exe_dir, client_id, stream);
      if (client_id == "A") stream = std::make_unique<TAnsiTextStream>(std::make_unique<FailingStream>(100));
      return path;
    };
  };
  auto logic = EnabledEngine({"1.5=A", "1.6=B"});

  logic->tmProcessTimer();

  const std::string path = (BatchFolder() / "A.csv").string();
  const int error = FindLog("Unable to write batch file \"" + path +
                                "\": Stream write error: No space left on device; the batch is "
                                "incomplete and will not be sent",
                            kScanArea);
  ASSERT_GE(error, 0);
  EXPECT_EQ(RecordedLog()[static_cast<std::size_t>(error)].tag, std::string(TagError));
  // Not a bad record: nothing skipped row by row, no full count claimed.
  EXPECT_EQ(CountLog("; skipping row."), 0);
  EXPECT_EQ(FindLog("     Processed...30"), -1);
  EXPECT_GT(FindLog("Removed incomplete batch file \"" + path + "\""), error);
  EXPECT_EQ(CsvFiles(ftp_.home()), std::vector<std::string>{"B.csv"});
  EXPECT_TRUE(CsvFiles(BatchFolder()).empty());
  const auto archived = CsvFiles(ArchiveFolder());
  ASSERT_EQ(archived.size(), 1u);
  EXPECT_EQ(archived[0].rfind("B-", 0), 0u) << archived[0];
  EXPECT_GE(FindLog("======Run completed======="), 0);
}

TEST_F(ScanTest, StopDuringTheReadSendsNothingAndEndsTheRun) {
  AddNumberedItems(1, 5, 30);
  AddNumberedItems(1, 6, 12);
  // The stop arrives once store A's batch is open, as from the signal thread.
  adjust_services_ = [this](TScanServices& services) {
    services.open_stream = [this](std::string_view exe_dir, std::string_view client_id,
                                  std::unique_ptr<TAnsiTextStream>& stream) {
      stop_ = true;
      return OpenStream(exe_dir, client_id, stream);
    };
  };
  auto logic = EnabledEngine({"1.5=A", "1.6=B"});

  logic->tmProcessTimer();

  int at = -1;
  for (const std::string_view text :
       {"Terminating on-hand scan -- service is shutting down.",
        "Stopping write of data to batch file in order to close app", "Removed incomplete batch file",
        "======Run completed======="}) {
    const int next = FindLog(text, {}, at + 1);
    EXPECT_GT(next, at) << "\"" << text << "\" missing or out of order";
    if (next > at) at = next;
  }
  EXPECT_EQ(FindLog("Starting processing on B"), -1);
  EXPECT_TRUE(CsvFiles(ftp_.home()).empty());
  EXPECT_TRUE(CsvFiles(BatchFolder()).empty());
  EXPECT_TRUE(CsvFiles(ArchiveFolder()).empty());
}

TEST_F(ScanTest, ConfiguratorSaveDuringTheRunSurvivesAndItsRequestRunsNext) {
  AddNumberedItems(1, 5, 10);
  AddNumberedItems(1, 6, 10);
  // The operator adds store B, halves the interval and asks for a run while
  // store A is being uploaded.
  const std::string config_path = (dir_.path() / "Lumoraconnector.cfg").string();
  adjust_services_ = [&](TScanServices& services) {
    services.uploader = std::make_unique<HookedUploader>(
        std::move(services.uploader), [&, saved = false](const std::string&) mutable {
          if (saved) return;
          saved = true;
          TConnectorConfig operator_config;
          ParseConfigFile(ReadFileContent(config_path), operator_config);
          operator_config.clientids = {"1.5=A", "1.6=B"};
          operator_config.scaninterval = 1800000;
          operator_config.runimmediate = true;
          ReplaceFileContent(config_path, ConfigFileBytes(operator_config, 1));
        });
  };
  auto logic = EnabledEngine({"1.5=A"});
  const TDateTime run_start = clock_.Now();

  logic->tmProcessTimer();

  TConnectorConfig saved;
  ParseConfigFile(ReadFileContent(config_path), saved);
  EXPECT_EQ(saved.clientids, (std::vector<std::string>{"1.5=A", "1.6=B"}));
  EXPECT_EQ(saved.scaninterval, 1800000);
  EXPECT_NEAR(saved.lastquery, run_start, 1.0 / kMSecsPerDay);
  // The request was taken when the run ended, and consumed in the file only.
  EXPECT_FALSE(saved.runimmediate);
  EXPECT_GT(FindLog("Run Immediate detected; setting run time to Now"),
            FindLog("======Run completed======="));
  EXPECT_EQ(logic->ProcessTimer().Interval(), 1000u);
  EXPECT_EQ(CsvFiles(ftp_.home()), std::vector<std::string>{"A.csv"});

  // The requested run comes a second later, with the new store.
  RunFor(2000, [&] { return CsvFiles(ftp_.home()).size() == 2; });
  EXPECT_EQ(CsvFiles(ftp_.home()), (std::vector<std::string>{"A.csv", "B.csv"}));
  ParseConfigFile(ReadFileContent(config_path), saved);
  EXPECT_EQ(saved.scaninterval, 1800000);
  EXPECT_EQ(logic->ProcessTimer().Interval(), 1800000u);
}

TEST_F(ScanTest, DatabaseOutOfReachAtStartGetsItsLocalUPCCheckInTheNextRun) {
  // Items known only by their local UPC: the query without local UPCs
  // would silently leave all of them out.
  std::vector<Item> items;
  std::vector<std::string> lines;
  for (int i = 1; i <= 10; ++i) {
    items.push_back({{}, "L" + std::to_string(i), 2.0});
    lines.push_back("A,L" + std::to_string(i) + ",2");
  }
  AddItems(1, 5, items);
  // At start the Oracle client's registry key is missing.
  const std::string registry = ::getenv("LUMORA_REGISTRY");
  ::setenv("LUMORA_REGISTRY", (dir_.path() / "no-registry").c_str(), 1);
  auto logic = EnabledEngine({"1.5=A"});
  EXPECT_FALSE(logic->DatabaseKnown());
  ::setenv("LUMORA_REGISTRY", registry.c_str(), 1);

  logic->tmProcessTimer();

  EXPECT_TRUE(logic->DatabaseKnown());
  EXPECT_EQ(logic->RProSchemaVersion(), "9.30");
  EXPECT_EQ(Uploaded("A.csv"), Lines(lines));
}

TEST_F(ScanTest, RecordsBecomeLinesOrAreSkipped) {
  struct Case {
    const char* name;
    Item item;
    std::optional<std::string> line;  // none: skipped
  };
  const std::vector<Case> cases = {
      {.name = "plain", .item = {"U1", "L1", 3}, .line = "C-1,U1,3"},
      {.name = "UPC trimmed", .item = {"  U2 \t", {}, 4}, .line = "C-1,U2,4"},
      {.name = "null UPC takes the local UPC", .item = {{}, " 00123 ", 5}, .line = "C-1,00123,5"},
      {.name = "blank UPC takes the local UPC", .item = {"  ", "L6", 6}, .line = "C-1,L6,6"},
      {.name = "empty UPC, null local UPC", .item = {"", {}, 7}, .line = {}},
      {.name = "both null", .item = {{}, {}, 8}, .line = {}},
      {.name = "negative quantity", .item = {"U9", {}, -2}, .line = "C-1,U9,0"},
      {.name = "fraction below a half", .item = {"U10", {}, 0.4}, .line = "C-1,U10,0"},
      {.name = "exact half", .item = {"U11", {}, 7.5}, .line = "C-1,U11,8"},
      {.name = "zero quantity", .item = {"U12", {}, 0}, .line = "C-1,U12,0"},
      {.name = "null quantity", .item = {"U13", {}, {}}, .line = "C-1,U13,0"},
      {.name = "comma in the UPC", .item = {"U,14", {}, 1}, .line = {}},
      {.name = "line feed in the UPC", .item = {"U\n15", {}, 1}, .line = {}},
      {.name = "carriage return in the local UPC", .item = {{}, "L\r16", 1}, .line = {}},
      {.name = "large quantity", .item = {"U17", {}, 1234567}, .line = "C-1,U17,1234567"},
  };
  std::vector<Item> items;
  std::vector<std::string> lines;
  for (const auto& c : cases) {
    items.push_back(c.item);
    if (c.line) lines.push_back(*c.line);
  }
  AddItems(1, 2, items);
  auto logic = EnabledEngine({"1.2=C-1"});

  logic->tmProcessTimer();

  const std::string uploaded = Uploaded("C-1.csv");
  for (const auto& c : cases) {
    if (c.line) {
      EXPECT_NE(uploaded.find(*c.line + "\r\n"), std::string::npos) << c.name;
    }
  }
  EXPECT_EQ(uploaded, Lines(lines));
  // Zero counts the negative, the zero and the null quantity, not 0.4.
  EXPECT_GE(FindLog("     Processed..." + std::to_string(lines.size()), kScanArea), 0);
  EXPECT_GE(FindLog("     Skipped....." + std::to_string(cases.size() - lines.size()), kScanArea), 0);
  EXPECT_GE(FindLog("     Zero qty....3", kScanArea), 0);
  // Each unsafe UPC is named in a warning with its row.
  for (const int row : {12, 13, 14}) {
    EXPECT_GE(FindLog("Skipping row " + std::to_string(row) + ": its UPC holds a comma or a line break",
                      kReadArea),
              0)
        << row;
  }
}

TEST_F(ScanTest, ClientIDThatCannotBeCarriedUnquotedIsSkipped) {
  AddNumberedItems(1, 5, 10);
  auto logic = EnabledEngine({});
  // Set after loading: the configuration file cannot even hold a line break.
  ConnectorConfig.clientids = {"1.5=A,B", "1.5=Line\r\nBreak", "1.5=Ok"};

  logic->tmProcessTimer();

  EXPECT_EQ(CsvFiles(ftp_.home()), (std::vector<std::string>{"Ok.csv"}));
  for (const char* slot : {"#0", "#1"}) {
    EXPECT_GE(FindLog(std::string("Skipping client ID for slot ") + slot +
                          ": it holds a comma or a line break",
                      kScanArea),
              0)
        << slot;
  }
  EXPECT_EQ(FindLog("Starting processing on A,B"), -1);
}

TEST_F(ScanTest, EntryNamesGiveSubsidiaryAndStore) {
  struct Case {
    std::string_view name;
    std::string subsidiary, store;
    int sbs_no, store_no;  // as queried
  };
  for (const Case& c : std::vector<Case>{
           {"1.5", "1", "5", 1, 5},
           {"10.20.5", "10", "20.5", 10, 1},
           {"7", "", "7", -1, 7},
           {"x.y", "x", "y", -1, 1},
           {"-3.+4", "-3", "+4", -3, 4},
           {".", "", "", -1, 1},
       }) {
    const TStoreName split = SplitStoreName(c.name);
    EXPECT_EQ(split.subsidiary, c.subsidiary) << c.name;
    EXPECT_EQ(split.store, c.store) << c.name;
    EXPECT_EQ(DecimalInteger(split.subsidiary).value_or(-1), c.sbs_no) << c.name;
    EXPECT_EQ(DecimalInteger(split.store).value_or(1), c.store_no) << c.name;
  }
  EXPECT_EQ(DecimalInteger("2147483648"), std::nullopt);
  EXPECT_EQ(DecimalInteger(" 5"), std::nullopt);
}

TEST_F(ScanTest, StoreTextThatIsNoNumberEndsTheScanWhenTheFallbackStoreHasRecords) {
  AddNumberedItems(10, 1, 3);  // what "20.5" falls back to: store 1
  AddNumberedItems(1, 5, 10);
  auto logic = EnabledEngine({"10.20.5=D", "1.5=A"});

  EXPECT_ANY_THROW(logic->tmProcessTimer());

  EXPECT_GE(FindError("Connector.ScanInventory while calling ReadInOHQuantities"), 0);
  EXPECT_GE(FindError("Connector.tmProcessTimer while scanning inventory"), 0);
  EXPECT_EQ(FindLog("Starting processing on A"), -1);
  // The store end ran for the batch the failing entry opened.
  EXPECT_TRUE(CsvFiles(BatchFolder()).empty());
  EXPECT_EQ(CsvFiles(ArchiveFolder()).size(), 1u);
  EXPECT_TRUE(CsvFiles(ftp_.home()).empty());
  EXPECT_TRUE(logic->ProcessTimer().Enabled());
}

TEST_F(ScanTest, StoreWithoutRecordsGetsNoFileAndEntryWithoutDotQueriesSubsidiaryMinusOne) {
  auto logic = EnabledEngine({"7=E"});

  logic->tmProcessTimer();

  EXPECT_GE(FindLog("     Subsidiary..[]", kScanArea), 0);
  EXPECT_GE(FindLog("     Store.......[7]", kScanArea), 0);
  const int sbs = FindLog("ASbsNo", "OpenQueryOnInventory");
  ASSERT_GE(sbs, 0);
  EXPECT_NE(RecordedLog()[static_cast<std::size_t>(sbs)].message.find("-1"), std::string::npos);
  EXPECT_GE(FindLog("     No inventory found for that subsidiary and store.", kScanArea), 0);
  EXPECT_TRUE(CsvFiles(BatchFolder()).empty());
  EXPECT_TRUE(CsvFiles(ArchiveFolder()).empty());
  EXPECT_EQ(notices_, 0);
}

TEST_F(ScanTest, BatchWhoseRecordsWereAllSkippedIsUploadedEmptyAfterANotice) {
  AddItems(1, 5, {{"", {}, 1}, {{}, {}, 2}});
  auto logic = EnabledEngine({"1.5=A"});

  logic->tmProcessTimer();

  ASSERT_EQ(CsvFiles(ftp_.home()), (std::vector<std::string>{"A.csv"}));
  EXPECT_EQ(Uploaded("A.csv"), "");
  const auto notices = Notices();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("The number of processed records for Verrin was 0"), std::string::npos);
  EXPECT_EQ(CsvFiles(ArchiveFolder()).size(), 1u);
}

TEST_F(ScanTest, FewRecordsNotifySupportThenUpload) {
  AddNumberedItems(1, 5, 5);
  auto logic = EnabledEngine({"1.5=A"}, false);

  logic->tmProcessTimer();

  const auto notices = Notices();
  ASSERT_EQ(notices.size(), 1u);
  for (const std::string& part : std::vector<std::string>{"<LogMessage>The number of processed records for Verrin was 5</LogMessage>",
                           "<Level>1</Level>", "<LogType>INFO</LogType>", "<Area>ScanInventory</Area>",
                           "<ProductID>LumoraV9</ProductID>", "<Version>version.dll</Version>",
                           "<ClientID>" + InstallationClientID() + "</ClientID>"}) {
    EXPECT_NE(notices[0].find(part), std::string::npos) << part;
  }
  EXPECT_EQ(Uploaded("A.csv"), Lines({"A,P1,1", "A,P2,1", "A,P3,1", "A,P4,1", "A,P5,1"}));
  EXPECT_EQ(FindLog("Database issues detected"), -1);
  EXPECT_TRUE(exit_codes_.empty());
}

TEST_F(ScanTest, FewRecordsWithRestartEndTheProcessAfterTheCountdown) {
  AddNumberedItems(1, 5, 5);
  AddNumberedItems(1, 6, 20);
  auto logic = EnabledEngine({"1.5=A", "1.6=B"}, true);
  const double before = FakeSeconds();

  logic->tmProcessTimer();

  ASSERT_EQ(exit_codes_, std::vector<int>{1});
  EXPECT_EQ(notices_, 1);
  const int alarm = FindLog("Database issues detected; restarting service in 10 seconds...", kScanArea);
  ASSERT_GE(alarm, 0);
  EXPECT_EQ(RecordedLog()[static_cast<std::size_t>(alarm)].tag, std::string(TagError));
  EXPECT_GE(exit_at_seconds_ - before, 10.0);
  // Messages of the engine's thread were handled during the countdown.
  EXPECT_GE(message_dispatched_at_, before);
  EXPECT_LT(message_dispatched_at_, exit_at_seconds_);
  // Nothing sent or archived, the batch left where it was, nothing after it.
  EXPECT_TRUE(CsvFiles(ftp_.home()).empty());
  EXPECT_EQ(CsvFiles(BatchFolder()), std::vector<std::string>{"A.csv"});
  EXPECT_EQ(ReadFileBytes(BatchFolder() / "A.csv"),
            Lines({"A,P1,1", "A,P2,1", "A,P3,1", "A,P4,1", "A,P5,1"}));
  EXPECT_TRUE(CsvFiles(ArchiveFolder()).empty());
  EXPECT_EQ(FindLog("Starting processing on B"), -1);
  EXPECT_EQ(FindLog("Updating configuration with last transmission timestamp."), -1);
}

TEST_F(ScanTest, ProgressIsLoggedEveryThousandLines) {
  ExecSql(db_,
          "with recursive n(i) as (select 1 union all select i + 1 from n where i < 2500) "
          "insert into inventory select i, 'P' || i, '' from n;"
          "insert into invn_sbs select item_sid, 1, printf('V%06d', item_sid), null, 1 from inventory;"
          "insert into invn_sbs_qty select item_sid, 1, 5, 2 from inventory");
  auto logic = EnabledEngine({"1.5=A"});

  logic->tmProcessTimer();

  EXPECT_EQ(CountLog("records processed..."), 2);
  EXPECT_GE(FindLog("1000 records processed...", kReadArea), 0);
  EXPECT_GE(FindLog("2000 records processed...", kReadArea), 0);
  EXPECT_GE(FindLog("     Processed...2500", kScanArea), 0);
  EXPECT_EQ(logic->RowsToProcess(), 2500);
  EXPECT_EQ(logic->CurrentRow(), 2500);
}

TEST_F(ScanTest, NoClientIDsLeaveLastQueryAlone) {
  ConnectorConfig.lastquery = 5.0;
  auto logic = EnabledEngine({});

  logic->tmProcessTimer();

  EXPECT_GE(FindLog("No client IDs were found.  The system hasn't been properly configured.",
                    kScanArea),
            0);
  EXPECT_NEAR(ConnectorConfig.lastquery, 5.0, 1.0 / kMSecsPerDay);
  TConnectorConfig saved;
  ParseConfigFile(ReadFileContent((dir_.path() / "Lumoraconnector.cfg").string()), saved);
  EXPECT_NEAR(saved.lastquery, 5.0, 1.0 / kMSecsPerDay);
  EXPECT_GE(FindLog("======Run completed======="), 0);
}

TEST_F(ScanTest, UnreachableFtpServerStillSavesAndArchives) {
  AddNumberedItems(1, 5, 10);
  auto logic = EnabledEngine({"1.5=A"});
  // A scan of its own whose FTP server does not listen.
  TScanServices services;
  services.uploader = std::make_unique<TFtpUploader>(TFtpSettings{
      .Host = "127.0.0.1", .Port = 1, .User = "x", .Password = "y",
      .ConnectTimeout = std::chrono::seconds(2), .ReplyTimeout = std::chrono::seconds(2)});
  services.support_endpoint = {.url = support_.url()};
  services.exit_process = [](int) {};
  TConnectorScan scan(std::move(services));
  const TDateTime run_start = clock_.Now();

  database_access_.GetSession();
  scan.ScanInventory(*logic);
  database_access_.ReleaseSession();

  const int error = FindError("TdlgConnectorLogic.TransmitBatch");
  ASSERT_GE(error, 0);
  EXPECT_GT(FindLog("Updating configuration with last transmission timestamp.", kScanArea), error);
  EXPECT_EQ(CsvFiles(ArchiveFolder()).size(), 1u);
  ConnectorConfig.lastquery = 0;
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_NEAR(ConnectorConfig.lastquery, run_start, 1.0 / kMSecsPerDay);
}

}  // namespace
}  // namespace lumora::test
