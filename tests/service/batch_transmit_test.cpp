#include "service/batch_transmit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ftp_server.h"
#include "tests/support/log_capture.h"
#include "tests/support/loopback.h"

namespace lumora {
namespace {

using namespace std::chrono_literals;
using test::FtpServer;

std::unique_ptr<TAnsiTextStream> BatchOf(std::string_view bytes) {
  auto stream = std::make_unique<TAnsiTextStream>(std::make_unique<TMemoryStream>(bytes));
  // Left at the end, as the scan leaves it after writing.
  stream->Seek(0, TSeekOrigin::soEnd);
  return stream;
}

TFtpSettings SettingsFor(const FtpServer& server) {
  TFtpSettings settings;
  settings.Host = "127.0.0.1";
  settings.Port = server.port();
  settings.User = server.user();
  settings.Password = server.password();
  return settings;
}

// Retries at once: the waits' length is the engine's business.
bool NoWait(std::chrono::milliseconds) { return true; }

// Uploads through the engine's path: lock, rewind, store.
void Transmit(const std::string& path, TAnsiTextStream& batch, TBatchUploader& uploader) {
  std::mutex transmit_cs;
  TransmitBatch(path, &batch, uploader, transmit_cs, NoWait);
}

std::string ManyLines() {
  // Lines of varied length so that line ends fall on every side of the
  // reader's and libcurl's buffer boundaries.
  std::string bytes;
  for (int i = 0; bytes.size() < 100000; ++i) {
    bytes += "A-17," + std::string(static_cast<size_t>(i % 37), '7') + "," + std::to_string(i) + "\r\n";
  }
  return bytes;
}

TEST(FtpUpload, EveryLineCrossesTheWireEndedByOneCrLf) {
  const struct {
    const char* name;
    std::string file;
    std::string wire;
  } cases[] = {
      {.name = "batch lines", .file = "A-17,0123,8\r\nA-17,4711,0\r\n",
       .wire = "A-17,0123,8\r\nA-17,4711,0\r\n"},
      {.name = "empty batch", .file = "", .wire = ""},
      {.name = "8-bit text", .file = "K\xF6ln,1,2\r\n", .wire = "K\xF6ln,1,2\r\n"},
      {.name = "lone CR kept, bare LF completed", .file = "a\rb\nc\r", .wire = "a\rb\r\nc\r"},
      {.name = "100 kB", .file = ManyLines(), .wire = ManyLines()},
  };
  FtpServer server;
  TFtpUploader uploader(SettingsFor(server));
  for (const auto& c : cases) {
    auto batch = BatchOf(c.file);
    Transmit("/conn/Batch/A-17.csv", *batch, uploader);
    const auto stored = server.home() / "A-17.csv";
    ASSERT_TRUE(std::filesystem::exists(stored)) << c.name;
    EXPECT_TRUE(test::ReadFileBytes(stored) == c.wire) << c.name;
  }
  const std::string commands = server.Commands();
  EXPECT_NE(commands.find("TYPE A\n"), std::string::npos) << commands;
  EXPECT_NE(commands.find("PASV\n"), std::string::npos) << commands;
  EXPECT_NE(commands.find("STOR A-17.csv\n"), std::string::npos) << commands;
  EXPECT_EQ(commands.find("EPSV"), std::string::npos) << commands;
}

TEST(FtpUpload, FailuresRaiseFtpErrorsAndEndInTime) {
  FtpServer server;
  test::SilentServer silent;
  const struct {
    const char* name;
    TFtpSettings settings;
  } cases[] = {
      {.name = "log-in refused",
       .settings = {.Host = "127.0.0.1", .Port = server.port(), .User = server.user(),
                    .Password = "wrong"}},
      {.name = "nothing listening",
       .settings = {.Host = "127.0.0.1", .Port = test::UnusedLoopbackPort(), .User = "u",
                    .Password = "p"}},
      {.name = "server never answers",
       .settings = {.Host = "127.0.0.1", .Port = silent.port(), .User = "u", .Password = "p",
                    .ConnectTimeout = 500ms, .ReplyTimeout = 1000ms}},
      {.name = "no server built in", .settings = {}},
  };
  for (const auto& c : cases) {
    TFtpUploader uploader(c.settings);
    TMemoryStream batch("A,1,1\r\n");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(uploader.Store("A.csv", batch), EFtpError) << c.name;
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s) << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(server.home() / "A.csv"));
}

TEST(TransmitBatch, UploadFailuresAreLoggedBetweenEnterAndExitAndNotRaised) {
  FtpServer server;
  TFtpSettings refused = SettingsFor(server);
  refused.Password = "wrong";
  TFtpSettings unreachable = SettingsFor(server);
  unreachable.Port = test::UnusedLoopbackPort();
  const struct {
    const char* name;
    TFtpSettings settings;
  } cases[] = {
      {.name = "log-in refused", .settings = refused},
      {.name = "nothing listening", .settings = unreachable},
  };
  for (const auto& c : cases) {
    test::LogCapture log(9);
    TFtpUploader uploader(c.settings);
    auto batch = BatchOf("A-17,0123,8\r\n");
    EXPECT_NO_THROW(Transmit("C:/Conn/Batch/A-17.csv", *batch, uploader)) << c.name;
    // Three attempts, each failure logged, then the upload is given up.
    const auto messages = log.Messages();
    ASSERT_EQ(messages.size(), 8u) << c.name;
    EXPECT_EQ(messages[0], "BEGIN") << c.name;
    for (const std::size_t failure : {1u, 3u, 5u}) {
      EXPECT_EQ(messages[failure].rfind("EFtpError in TdlgConnectorLogic.TransmitBatch: ", 0), 0u)
          << c.name << ": " << messages[failure];
    }
    EXPECT_EQ(messages[2], "Upload of A-17.csv failed; trying again in 10 seconds") << c.name;
    EXPECT_EQ(messages[4], "Upload of A-17.csv failed; trying again in 60 seconds") << c.name;
    EXPECT_EQ(messages[6], "Upload of A-17.csv failed 3 times; giving up until the next run")
        << c.name;
    EXPECT_EQ(messages[7], "END") << c.name;
    const auto payloads = log.Payloads();
    EXPECT_EQ(payloads[0].substr(0, 33), " >> ENTER|Connector.TransmitBatch") << c.name;
    EXPECT_EQ(payloads[1].substr(0, 10), " ERROR   |") << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(server.home() / "A-17.csv"));
}

TEST(TransmitBatch, ARefusedUploadIsTriedAgainAfterTheWaitsAndAStopEndsThem) {
  const struct {
    const char* name;
    bool stop_in_first_wait;
    std::vector<std::string> retry_lines;
    bool stored;
  } cases[] = {
      {.name = "second attempt accepted",
       .stop_in_first_wait = false,
       .retry_lines = {"Upload of A-17.csv failed; trying again in 10 seconds"},
       .stored = true},
      {.name = "stop during the wait",
       .stop_in_first_wait = true,
       .retry_lines = {"Upload of A-17.csv failed; trying again in 10 seconds",
                       "Upload of A-17.csv given up: the service is stopping"},
       .stored = false},
  };
  for (const auto& c : cases) {
    FtpServer server("lumora", "s3cret-Pa55word-0f-25-chr", 0, /*fail_first_upload=*/true);
    TFtpUploader uploader(SettingsFor(server));
    test::LogCapture log(1);
    auto batch = BatchOf("A-17,0123,8\r\n");
    std::mutex transmit_cs;
    std::vector<std::chrono::milliseconds> waits;
    TransmitBatch("/conn/Batch/A-17.csv", batch.get(), uploader, transmit_cs,
                  [&](std::chrono::milliseconds wait) {
                    waits.push_back(wait);
                    return !c.stop_in_first_wait;
                  });
    EXPECT_EQ(waits, std::vector<std::chrono::milliseconds>{10s}) << c.name;
    std::vector<std::string> retry_lines;
    int failures = 0;
    for (const std::string& message : log.Messages()) {
      if (message.rfind("Upload of ", 0) == 0) retry_lines.push_back(message);
      if (message.rfind("EFtpError in TdlgConnectorLogic.TransmitBatch: ", 0) == 0) ++failures;
    }
    EXPECT_EQ(failures, 1) << c.name;
    EXPECT_EQ(retry_lines, c.retry_lines) << c.name;
    const auto stored = server.home() / "A-17.csv";
    EXPECT_EQ(std::filesystem::exists(stored), c.stored) << c.name;
    if (c.stored) {
      EXPECT_EQ(test::ReadFileBytes(stored), "A-17,0123,8\r\n") << c.name;
    }
  }
}

// Records what the engine hands over and checks the lock is held meanwhile.
class FakeUploader final : public TBatchUploader {
 public:
  explicit FakeUploader(std::mutex& lock) : lock_(lock) {}
  void Store(const std::string& ARemoteName, TStream& AStream) override {
    remote_name = ARemoteName;
    locked = !lock_.try_lock();
    if (!locked) lock_.unlock();
    bytes.resize(static_cast<size_t>(AStream.Size()));
    AStream.Read(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    if (fail) throw EFtpError("Connection refused");
  }
  std::string remote_name, bytes;
  bool locked = false;
  bool fail = false;

 private:
  std::mutex& lock_;
};

TEST(TransmitBatch, StoresTheWholeBatchUnderItsFileNameHoldingTheLock) {
  std::mutex transmit_cs;
  FakeUploader uploader(transmit_cs);
  auto batch = BatchOf("A-17,0123,8\r\n");
  TransmitBatch("/conn/Batch/A-17.csv", batch.get(), uploader, transmit_cs, NoWait);
  EXPECT_EQ(uploader.remote_name, "A-17.csv");
  EXPECT_EQ(uploader.bytes, "A-17,0123,8\r\n");
  EXPECT_TRUE(uploader.locked);
  EXPECT_TRUE(transmit_cs.try_lock()) << "the lock outlived the upload";
  transmit_cs.unlock();
}

TEST(TransmitBatch, AFailedUploadIsNotRaised) {
  std::mutex transmit_cs;
  FakeUploader uploader(transmit_cs);
  uploader.fail = true;
  auto batch = BatchOf("A,1,1\r\n");
  EXPECT_NO_THROW(TransmitBatch("/conn/Batch/A.csv", batch.get(), uploader, transmit_cs, NoWait));
  // Without a stream there is nothing to send; that too ends the upload only.
  EXPECT_NO_THROW(TransmitBatch("/conn/Batch/A.csv", nullptr, uploader, transmit_cs, NoWait));
  EXPECT_TRUE(transmit_cs.try_lock());
  transmit_cs.unlock();
}

}  // namespace
}  // namespace lumora
