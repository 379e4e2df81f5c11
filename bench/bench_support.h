#pragma once

// What the benchmark programs share: their common options, a work folder,
// the demo database they read, timing and the inventory query in SQLite's
// own words for the yardsticks that bypass the database layer.

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumora::bench {

using SteadyClock = std::chrono::steady_clock;

// Wall-clock seconds since `since`.
double Seconds(SteadyClock::time_point since);

// The middle value of the runs' figures (the upper middle for an even count).
double Median(std::vector<double> values);

// --items N, --runs N and --db FILE, which every benchmark takes.
struct BenchOptions {
  int items = 1000000;
  int runs = 3;
  std::string db;
};

// A program's own options taking a value, each with the string that receives it.
using OwnOptions = std::initializer_list<std::pair<std::string_view, std::string*>>;

// Reads the arguments as "--name value" pairs; unknown names are ignored.
BenchOptions ParseOptions(int argc, char** argv, OwnOptions own = {});

// A new folder under the temporary directory, named `prefix` and the process id.
std::filesystem::path MakeWorkFolder(const std::string& prefix);

// Creates the demo database at `db` unless the file exists: one subsidiary
// with two stores and `items` items, with open orders in proportion. It is
// built in a child process, so the memory it takes is not the benchmark's.
void CreateDatabaseIfMissing(const std::string& db, int items);

// The whole content of a file.
std::string ReadFileBytes(const std::filesystem::path& path);

// Replaces every `from` in `text` with `to`.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);

// The inventory query (with the local UPC) with the Oracle words the database
// layer translates replaced by SQLite's own, as someone writing the query by
// hand would put it. Its parameters stay named.
std::string SqliteInventoryQuery();

}  // namespace lumora::bench
