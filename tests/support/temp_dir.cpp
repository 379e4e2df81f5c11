#include "tests/support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace lumora::test {
namespace fs = std::filesystem;

// A fresh directory of a random name (mkdtemp, which Windows lacks):
// create_directory reports whether it made the directory or found one.
TempDir::TempDir() {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = fs::temp_directory_path() / ("lumora-test-" + std::to_string(random() % 1000000000));
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no temporary directory could be created");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempDir::dir() const { return path_.string() + "/"; }

fs::path TempDir::Write(std::string_view relative, std::string_view bytes) const {
  const fs::path target = path_ / relative;
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return target;
}

std::string TempDir::Read(std::string_view relative) const { return ReadFileBytes(path_ / relative); }

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace lumora::test
