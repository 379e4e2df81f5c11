#include "foundation/paths.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(PathJoin, PutsExactlyOneSeparatorBetweenParts) {
  EXPECT_EQ(PathJoin("/opt/lumora/", "Batch", "A-17.csv"), "/opt/lumora/Batch/A-17.csv");
  EXPECT_EQ(PathJoin("/opt/lumora", "/Batch/"), "/opt/lumora/Batch/");
  EXPECT_EQ(PathJoin("/opt/lumora/", "/Batch", "Archive"), "/opt/lumora/Batch/Archive");
  // Only one leading separator of a part is dropped.
  EXPECT_EQ(PathJoin("/a", "//b"), "/a//b");
  // An empty first part gives a leading separator.
  EXPECT_EQ(PathJoin("", "logs"), "/logs");
  EXPECT_EQ(PathJoin("/a"), "/a");
}

TEST(Paths, SplitsFileNameAndDirectory) {
  EXPECT_EQ(FileNamePart("/conn/Batch/A-17.csv"), "A-17.csv");
  EXPECT_EQ(DirectoryPart("/conn/Batch/A-17.csv"), "/conn/Batch/");
  EXPECT_EQ(FileNamePart("plain"), "plain");
  EXPECT_EQ(DirectoryPart("plain"), "");
}

TEST(ExeDir, IsTheProgramDirectoryWithATrailingSeparatorUntilReplaced) {
  const std::string dir = ExeDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  SetExeDir("/opt/lumora/");
  EXPECT_EQ(ExeDir(), "/opt/lumora/");
  // A recorded directory without its separator gets one; none stays none.
  SetExeDir("/opt/lumora");
  EXPECT_EQ(ExeDir(), "/opt/lumora/");
  SetExeDir("");
  EXPECT_EQ(ExeDir(), "");
  SetExeDir(dir);
}

TEST(ProgramPaths, AllLieBelowTheProgramDirectory) {
  EXPECT_EQ(ConfigFilePath("/opt/lumora/"), "/opt/lumora/Lumoraconnector.cfg");
  EXPECT_EQ(LogFolder("/opt/lumora/"), "/opt/lumora/logs/");
  EXPECT_EQ(BatchFolder("/opt/lumora/"), "/opt/lumora/Batch/");
  EXPECT_EQ(BatchArchiveFolder("/opt/lumora/"), "/opt/lumora/Batch/Archive");
  EXPECT_EQ(BatchBackupFolder("/opt/lumora/"), "/opt/lumora/Batch/Archive/Verrin");
  // Without a recorded directory everything is relative, never at the root.
  EXPECT_EQ(ConfigFilePath(""), "Lumoraconnector.cfg");
  EXPECT_EQ(BatchBackupFolder(""), "Batch/Archive/Verrin");
}

}  // namespace
}  // namespace lumora
