#include "service/batch_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "foundation/paths.h"
#include "tests/support/fake_clock.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using test::At;
using test::FakeClock;
using test::TempDir;

std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

TEST(BatchFileNameForm, KeepsOnlyTheCharactersAFileNameMayHold) {
  const struct {
    const char* client_id;
    const char* form;
  } cases[] = {
      {.client_id = "12 345/B.x", .form = "12345Bx"},
      {.client_id = "\xC3\x84\xC3\x96\xC3\x9C", .form = ""},  // ÄÖÜ
      {.client_id = "A-17", .form = "A-17"},
      {.client_id = "!&()-[]_{}~", .form = "!&()-[]_{}~"},
      {.client_id = "a,b#c$d%e+f=g@h\\i:j*k?l\"m<n>o|p'q", .form = "abcdefghijklmnopq"},
      {.client_id = "St\xC3\xB6re\xE2\x82\xAC" "9", .form = "Stre9"},  // Störe€9
      {.client_id = "../../etc", .form = "etc"},
      {.client_id = "", .form = ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BatchFileNameForm(c.client_id), c.form) << "client ID " << c.client_id;
  }
}

TEST(BatchLine, QuantityIsAWholeNumberRoundedHalfAwayFromZero) {
  const struct {
    double quantity;
    const char* text;
  } cases[] = {
      {.quantity = 7.5, .text = "8"},         {.quantity = -3, .text = "0"},
      {.quantity = 2.4, .text = "2"},         {.quantity = 1234567, .text = "1234567"},
      {.quantity = 0.5, .text = "1"},         {.quantity = 2.5, .text = "3"},
      {.quantity = -0.4, .text = "0"},        {.quantity = 0.4, .text = "0"},
      {.quantity = 0, .text = "0"},           {.quantity = 999999999999.0, .text = "999999999999"},
      {.quantity = 1e13, .text = "10000000000000"},
      {.quantity = std::nan(""), .text = "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatBatchQuantity(c.quantity), c.text) << "quantity " << c.quantity;
  }
  EXPECT_EQ(FormatBatchLine("A-17", "0123", 7.5), "A-17,0123,8");
}

TEST(BatchLine, IsWrittenInWindows1252WithCrLf) {
  TAnsiTextStream stream(std::make_unique<TMemoryStream>());
  WriteBatchLine(stream, "K\xC3\xB6ln 1", "0123", 7.5);  // Köln 1
  WriteBatchLine(stream, "K\xC3\xB6ln 1", "4711", -2);
  EXPECT_EQ(static_cast<TMemoryStream*>(stream.Stream())->Bytes(),
            "K\xF6ln 1,0123,8\r\nK\xF6ln 1,4711,0\r\n");
}

TEST(BatchLine, FieldsThatWouldBreakTheRecordAreUnsafe) {
  const struct {
    const char* field;
    bool safe;
  } cases[] = {
      {.field = "0123", .safe = true},     {.field = "A-17 x;\"y\"", .safe = true},
      {.field = "", .safe = true},         {.field = "01,23", .safe = false},
      {.field = "0123\r", .safe = false},  {.field = "\n0123", .safe = false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSafeBatchField(c.field), c.safe) << "field " << c.field;
}

// A program directory with its batch folders.
class BatchFolders : public ::testing::Test {
 protected:
  BatchFolders() { fs::create_directories(BatchBackupFolder(dir_.dir())); }

  std::string ExeDir() const { return dir_.dir(); }
  fs::path Batch() const { return dir_.path() / "Batch"; }
  fs::path Backup() const { return BatchBackupFolder(dir_.dir()); }

  TempDir dir_;
};

TEST_F(BatchFolders, OpenStreamCreatesTheFileNamedAfterTheClientId) {
  test::LogCapture log(1);
  std::unique_ptr<TAnsiTextStream> stream;
  const std::string path = OpenStream(ExeDir(), "12 345/B.x", stream);
  EXPECT_EQ(path, (Batch() / "12345Bx.csv").string());
  EXPECT_EQ(log.Messages(), std::vector<std::string>{"Creating output stream on \"" + path + "\"..."});
  ASSERT_NE(stream, nullptr);
  WriteBatchLine(*stream, "12 345/B.x", "0123", 7.5);
  CloseStream(stream);
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(test::ReadFileBytes(path), "12 345/B.x,0123,8\r\n");
  CloseStream(stream);  // an empty reference is fine
}

TEST_F(BatchFolders, AClientIdWithoutUsableCharactersGetsNoFile) {
  auto stream = std::make_unique<TAnsiTextStream>(std::make_unique<TMemoryStream>());
  EXPECT_EQ(OpenStream(ExeDir(), "\xC3\x84\xC3\x96\xC3\x9C", stream), "");
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(NamesIn(Batch()), std::set<std::string>{"Archive"});
}

TEST_F(BatchFolders, TheBatchIsHeldUntilClosed) {
  std::unique_ptr<TAnsiTextStream> first;
  const std::string path = OpenStream(ExeDir(), "A.1", first);
  WriteBatchLine(*first, "A.1", "0123", 1);

  // "A 1" has the same file-name form: while the first batch is open, its
  // file can be neither created again nor emptied.
  std::unique_ptr<TAnsiTextStream> second;
  try {
    OpenStream(ExeDir(), "A 1", second);
    FAIL() << "a held batch file was created again";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + path + "\". Resource temporarily unavailable");
  }
  EXPECT_EQ(second, nullptr);
  CloseStream(first);
  EXPECT_EQ(test::ReadFileBytes(path), "A.1,0123,1\r\n");

  // Once closed, the next client ID of that form replaces the file.
  EXPECT_EQ(OpenStream(ExeDir(), "A 1", second), path);
  WriteBatchLine(*second, "A 1", "4711", 2);
  CloseStream(second);
  EXPECT_EQ(test::ReadFileBytes(path), "A 1,4711,2\r\n");
}

TEST_F(BatchFolders, AMissingBatchFolderIsACreateError) {
  fs::remove_all(Batch());
  std::unique_ptr<TAnsiTextStream> stream;
  const std::string path = (Batch() / "A.csv").string();
  try {
    OpenStream(ExeDir(), "A", stream);
    FAIL();
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + path + "\". No such file or directory");
  }
  EXPECT_EQ(stream, nullptr);
}

TEST_F(BatchFolders, ArchivedNamesCarryTheirOwnDate) {
  FakeClock clock(At(2019, 12, 31, 23, 59, 59));
  const auto late = dir_.Write("Batch/A-17.csv", "late");
  RenameBatchfile(late.string(), Backup().string());
  clock.Set(At(2020, 1, 1, 0, 0, 0));
  const auto early = dir_.Write("Batch/A-17.csv", "early");
  RenameBatchfile(early.string(), Backup().string());

  EXPECT_EQ(NamesIn(Backup()),
            (std::set<std::string>{"A-17-20191231-235959.csv", "A-17-20200101-000000.csv"}));
  EXPECT_FALSE(fs::exists(early));
  EXPECT_EQ(ArchivedBatchName("A-17.csv", At(2019, 4, 30, 17, 3, 9)), "A-17-20190430-170309.csv");
  EXPECT_EQ(ArchivedBatchName("noext", At(2019, 4, 30, 17, 3, 9)), "noext-20190430-170309");
}

TEST_F(BatchFolders, AnExistingArchivedCopyIsNeverReplaced) {
  FakeClock clock(At(2021, 6, 1, 12, 0, 0));
  const auto path = dir_.Write("Batch/B.csv", "first");
  RenameBatchfile(path.string(), Backup().string());
  dir_.Write("Batch/B.csv", "second");
  test::LogCapture log(9);
  RenameBatchfile(path.string(), Backup().string());

  // The failed move reports nothing.
  const std::string archived = (Backup() / "B-20210601-120000.csv").string();
  EXPECT_EQ(log.Payloads(),
            (std::vector<std::string>{
                " >> ENTER|" + std::string("RenameBatchfile").append(35, ' ') + "| BEGIN",
                " INFO    |" + std::string("RenameBatchfile").append(35, ' ') + "| Archiving " +
                    archived,
                " << EXIT |" + std::string("RenameBatchfile").append(35, ' ') + "| END"}));

  EXPECT_EQ(test::ReadFileBytes(Backup() / "B-20210601-120000.csv"), "first");
  EXPECT_EQ(test::ReadFileBytes(path), "second");
}

// Creates empty archive copies by name.
void Touch(const fs::path& folder, const std::vector<std::string>& names) {
  for (const auto& name : names) {
    const fs::path file = folder / name;
    FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr) << file;
    std::fclose(f);
  }
}

std::vector<std::string> Copies(std::string_view client_id, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    names.push_back(ArchivedBatchName(std::string(client_id) + ".csv",
                                      At(2020, 1, 1) + i / kSecsPerDay));
  }
  return names;
}

TEST_F(BatchFolders, PruningKeepsTheThousandNamesThatSortLast) {
  const auto copies = Copies("A", 1001);
  Touch(Backup(), std::vector(copies.begin() + 1, copies.end()));
  Touch(Backup(), {"notes.txt"});
  PruneBackups(Backup().string());
  EXPECT_EQ(NamesIn(Backup()).size(), 1001u) << "1000 copies and a stranger: nothing goes";

  Touch(Backup(), {copies.front()});
  PruneBackups(Backup().string());
  const auto left = NamesIn(Backup());
  EXPECT_EQ(left.size(), 1001u);
  EXPECT_FALSE(left.contains(copies.front()));
  EXPECT_TRUE(left.contains("notes.txt"));
}

TEST_F(BatchFolders, PruningTakesTheClientIdsThatSortFirst) {
  // Lower-case "a" sorts with "A", before "B", whatever the byte order says.
  Touch(Backup(), Copies("B", 1000));
  Touch(Backup(), Copies("a", 3));
  Touch(Backup(), {"A-20190101-000000.CSV", "A-20190101-000001.csv"});
  PruneBackups(Backup().string());
  const auto left = NamesIn(Backup());
  EXPECT_EQ(left.size(), 1000u);
  for (const auto& name : left) EXPECT_EQ(name.front(), 'B') << name;
}

TEST_F(BatchFolders, ACopyThatCannotBeDeletedIsSkipped) {
  const auto copies = Copies("C", 1002);
  fs::create_directory(Backup() / copies[0]);
  Touch(Backup(), std::vector(copies.begin() + 1, copies.end()));
  PruneBackups(Backup().string());
  const auto left = NamesIn(Backup());
  EXPECT_TRUE(left.contains(copies[0]));
  EXPECT_FALSE(left.contains(copies[1]));
  // The failure is not made up for by deleting a later name.
  EXPECT_EQ(left.size(), 1001u);
}

TEST_F(BatchFolders, AMissingBackupFolderHasNothingToPrune) {
  EXPECT_NO_THROW(PruneBackups((Backup() / "absent").string()));
}

}  // namespace
}  // namespace lumora
