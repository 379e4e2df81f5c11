#include "platform/file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "tests/support/temp_dir.h"

namespace lumora::platform {
namespace {

std::error_code Errno(int value) { return {value, std::generic_category()}; }

TEST(FileTest, FailuresThrowTheSystemErrorNamingTheFile) {
  test::TempDir dir;
  const std::string missing = (dir.path() / "missing.txt").string();
  try {
    File::Open(missing, FileMode::kOpenRead);
    FAIL() << "no exception";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), Errno(ENOENT));
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
  }
  // A read-only descriptor refuses writes with the system's reason.
  const std::string path = dir.Write("a.txt", "abc").string();
  File reader = File::Open(path, FileMode::kOpenRead);
  try {
    reader.Write("x", 1);
    FAIL() << "no exception";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), Errno(EBADF));
  }
}

TEST(FileTest, AHeldExclusiveFileRefusesASecondHolder) {
  test::TempDir dir;
  const std::string path = dir.Write("batch.csv", "kept").string();
  File holder = File::Open(path, FileMode::kCreateExclusive);
  EXPECT_THROW(File::Open(path, FileMode::kCreateExclusive), std::system_error);
  holder.Write("new", 3);
  EXPECT_EQ(holder.Size(), 3);
  holder.Truncate(1);
  EXPECT_EQ(dir.Read("batch.csv"), "n");
}

TEST(RenameNoReplaceTest, AnExistingTargetIsAnAnswerAndOtherFailuresThrow) {
  test::TempDir dir;
  const std::string from = dir.Write("from.csv", "new").string();
  const std::string to = dir.Write("to.csv", "old").string();
  EXPECT_FALSE(RenameNoReplace(from, to));
  EXPECT_EQ(dir.Read("from.csv"), "new");
  EXPECT_EQ(dir.Read("to.csv"), "old");

  const std::string fresh = (dir.path() / "fresh.csv").string();
  EXPECT_TRUE(RenameNoReplace(from, fresh));
  EXPECT_EQ(dir.Read("fresh.csv"), "new");

  try {
    RenameNoReplace(from, fresh + ".again");
    FAIL() << "no exception";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), Errno(ENOENT));
    EXPECT_NE(std::string(error.what()).find(from), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace lumora::platform
