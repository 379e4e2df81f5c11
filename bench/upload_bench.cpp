// Uploads one large batch to the loopback FTP test server in transfer type A
// through the service's uploader, and in the same run the same file with
// `curl -T --use-ascii`. Reports both rates and what arrived.
//
//   upload_bench [--mb N] [--runs N]
//
// The batch has the service's CR LF lines. The two sides take turns at going
// first, so that neither always meets the caches the other left.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "foundation/streams.h"
#include "service/batch_uploader.h"
#include "tests/support/ftp_server.h"

namespace {

namespace fs = std::filesystem;
namespace bench = lumora::bench;

// Batch lines as a scan writes them, until the file holds `bytes`.
void WriteBatch(const fs::path& path, std::int64_t bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) throw std::runtime_error("cannot create " + path.string());
  std::int64_t written = 0;
  for (long item = 0; written < bytes; ++item) {
    written += std::fprintf(out, "STORE-0001,%012ld,%ld\r\n", 100000000000L + item, item % 250);
  }
  std::fclose(out);
}

}  // namespace

int main(int argc, char** argv) {
  std::string megabytes = "50";
  const auto options = bench::ParseOptions(argc, argv, {{"--mb", &megabytes}});
  const fs::path work = bench::MakeWorkFolder("lumora-upload-bench-");
  try {
    const fs::path batch = work / "BENCH.csv";
    WriteBatch(batch, std::stoll(megabytes) * 1000 * 1000);
    const auto size = static_cast<double>(fs::file_size(batch));
    const std::string original = bench::ReadFileBytes(batch);

    lumora::test::FtpServer server;
    lumora::TFtpSettings settings;
    settings.Host = "127.0.0.1";
    settings.Port = server.port();
    settings.User = server.user();
    settings.Password = server.password();
    lumora::TFtpUploader uploader(settings);
    const std::string curl = "curl -sS -4 --noproxy '*' --disable-epsv --use-ascii -T '" + batch.string() +
                             "' --user '" + server.user() + ":" + server.password() + "' ftp://127.0.0.1:" +
                             std::to_string(server.port()) + "/CURL.csv";

    std::vector<double> ours, theirs;
    const auto upload = [&] {
      const auto start = bench::SteadyClock::now();
      lumora::TFileStream stream(batch.string(), lumora::TFileMode::fmOpenRead);
      uploader.Store("BENCH.csv", stream);
      ours.push_back(bench::Seconds(start));
    };
    const auto with_curl = [&] {
      const auto start = bench::SteadyClock::now();
      if (std::system(curl.c_str()) != 0) throw std::runtime_error("curl failed");
      theirs.push_back(bench::Seconds(start));
    };
    for (int run = 0; run < options.runs; ++run) {
      if (run % 2 == 0) {
        upload();
        with_curl();
      } else {
        with_curl();
        upload();
      }
    }
    const double our_rate = size / 1e6 / bench::Median(ours);
    const double curl_rate = size / 1e6 / bench::Median(theirs);
    std::printf("batch %.1f MB; median of %d runs: uploader %.3f s (%.1f MB/s), curl %.3f s (%.1f MB/s), "
                "uploader/curl rate %.3f\n",
                size / 1e6, options.runs, bench::Median(ours), our_rate, bench::Median(theirs), curl_rate,
                our_rate / curl_rate);
    const std::string ours_arrived = bench::ReadFileBytes(server.home() / "BENCH.csv");
    const std::string curl_arrived = bench::ReadFileBytes(server.home() / "CURL.csv");
    std::printf("arrived: uploader %zu bytes (%s the batch), curl %zu bytes (%s the batch)\n",
                ours_arrived.size(), ours_arrived == original ? "identical to" : "DIFFERS from",
                curl_arrived.size(), curl_arrived == original ? "identical to" : "differs from");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "benchmark failed: %s\n", error.what());
    fs::remove_all(work);
    return 1;
  }
  fs::remove_all(work);
  return 0;
}
