#include "configuration/config_file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>

#include "foundation/exceptions.h"

namespace lumora {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A name beside the target that no other writer, in this process or
// another, picks at the same moment; creation is exclusive besides.
std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  static const unsigned process_salt = std::random_device{}();
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%08x%04x.tmp", process_salt, counter++ & 0xFFFFu);
  return path + suffix;
}

}  // namespace

void ReplaceFileContent(const std::string& path, std::string_view bytes) {
  std::string temporary;
  FilePtr file;
  for (int attempt = 0; attempt < 16 && !file; ++attempt) {
    temporary = TemporaryName(path);
    errno = 0;
    file.reset(std::fopen(temporary.c_str(), "wbx"));
    if (!file && errno != EEXIST) break;
  }
  if (!file) {
    throw EFCreateError("Cannot create file " + Quoted(path) + ". " + SystemErrorText(errno));
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  const int write_error = errno;
  const bool closed = std::fclose(file.release()) == 0;
  if (!written || !closed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw EInOutError("Cannot write file " + Quoted(path) + ". " +
                      SystemErrorText(written ? errno : write_error));
  }
  // The new file keeps the old one's permissions, so a program running under
  // another account still reads what this one saves.
  std::error_code error;
  const auto old_status = std::filesystem::status(path, error);
  if (!error && std::filesystem::is_regular_file(old_status)) {
    std::filesystem::permissions(temporary, old_status.permissions(), error);
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw EFCreateError("Cannot create file " + Quoted(path) + ". " + error.message());
  }
}

std::string ReadFileContent(const std::string& path) {
  errno = 0;
  const FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) throw EFOpenError("Cannot open file " + Quoted(path) + ". " + SystemErrorText(errno));
  std::string content;
  // Reserve the size known now; a file that grows meanwhile still reads whole.
  std::error_code ignored;
  const auto size = std::filesystem::file_size(path, ignored);
  if (!ignored && size < content.max_size()) content.reserve(static_cast<std::size_t>(size));
  char buffer[64 * 1024];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) content.append(buffer, count);
  if (std::ferror(file.get())) {
    throw EInOutError("Cannot read file " + Quoted(path) + ". " + SystemErrorText(errno));
  }
  return content;
}

}  // namespace lumora
