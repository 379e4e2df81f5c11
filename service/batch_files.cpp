#include "service/batch_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "foundation/date_time.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "foundation/text.h"
#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"
#include "platform/file.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBatchExtension = ".csv";
constexpr std::string_view kRenameArea = "RenameBatchfile";

bool IsFileNameCharacter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("!&()-[]_{}~").find(static_cast<char>(c)) != std::string_view::npos;
}

bool HasBatchExtension(std::string_view name) {
  return name.size() >= kBatchExtension.size() &&
         SameText(name.substr(name.size() - kBatchExtension.size()), kBatchExtension);
}

std::vector<std::string> ListBatchCopies(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  // A backup folder that is not there yet holds nothing to prune.
  if (ec == std::errc::no_such_file_or_directory) return names;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (HasBatchExtension(name)) names.push_back(std::move(name));
  }
  if (ec) throw EInOutError("Cannot list folder \"" + folder + "\". " + ec.message());
  return names;
}

}  // namespace

std::string BatchFileNameForm(std::string_view AClientID) {
  std::string form;
  for (const char c : platform::ToAnsi(AClientID)) {
    if (IsFileNameCharacter(static_cast<unsigned char>(c))) form.push_back(c);
  }
  return form;
}

bool IsSafeBatchField(std::string_view AField) {
  return AField.find_first_of(",\r\n") == std::string_view::npos;
}

std::string FormatBatchQuantity(double AQuantity) {
  // "!(x > 0)" also turns NaN into 0 rather than writing "nan" into a batch.
  const double quantity = AQuantity > 0 ? std::round(AQuantity) : 0.0;
  // printf rounds an exact half to even; std::round above has already taken
  // it away from zero, so "%12.0f" only lays out a whole number.
  char field[400];
  std::snprintf(field, sizeof field, "%12.0f", quantity);
  std::string_view text(field);
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  return std::string(text);
}

std::string FormatBatchLine(std::string_view AClientID, std::string_view AUPC, double AQuantity) {
  std::string line;
  line.reserve(AClientID.size() + AUPC.size() + 16);
  line.append(AClientID).append(",").append(AUPC).append(",");
  line.append(FormatBatchQuantity(AQuantity));
  return line;
}

void WriteBatchLine(TAnsiTextStream& AStream, std::string_view AClientID, std::string_view AUPC,
                    double AQuantity) {
  const std::string line = platform::ToAnsi(FormatBatchLine(AClientID, AUPC, AQuantity));
  try {
    AStream.WriteLn(line);
  } catch (const std::exception& error) {
    throw EBatchWriteError(error.what());
  }
}

std::string ArchivedBatchName(std::string_view AFileName, TDateTime ANow) {
  const auto dot = AFileName.find_last_of('.');
  const std::string_view extension =
      dot == std::string_view::npos ? std::string_view{} : AFileName.substr(dot);
  const std::string_view base = AFileName.substr(0, AFileName.size() - extension.size());
  std::string name(base);
  name.append("-").append(FormatDateTime("yyyymmdd-hhnnss", ANow)).append(extension);
  return name;
}

std::string OpenStream(std::string_view AExeDir, std::string_view AClientID,
                       std::unique_ptr<TAnsiTextStream>& AStream) {
  AStream.reset();
  const std::string form = BatchFileNameForm(AClientID);
  if (form.empty()) return {};
  const std::string path = PathJoin(BatchFolder(AExeDir), form + std::string(kBatchExtension));
  Log(1, "Creating output stream on \"" + path + "\"...", TagInfo, "");
  // Held exclusively until CloseStream, so nothing else rewrites the batch
  // while it is uploaded.
  auto file = std::make_unique<TFileStream>(path, TFileMode::fmCreateExclusive);
  AStream = std::make_unique<TAnsiTextStream>(std::move(file));
  return path;
}

void CloseStream(std::unique_ptr<TAnsiTextStream>& AStream) {
  // The file closes, and its hold ends, as the stream goes.
  AStream.reset();
}

void DiscardBatch(std::unique_ptr<TAnsiTextStream>& AStream, const std::string& APath) {
  CloseStream(AStream);
  if (APath.empty()) return;
  std::error_code ec;
  fs::remove(APath, ec);
  if (!ec) {
    Log(1, "Removed incomplete batch file \"" + APath + "\"", TagInfo, "");
  } else {
    Log(0, "Unable to remove incomplete batch file \"" + APath + "\": " + SystemErrorText(ec.value()),
        TagError, "");
  }
}

void RenameBatchfile(const std::string& APath, const std::string& ABackupPath,
                     const Clock& AClock) {
  Log(9, "BEGIN", TagEnter, kRenameArea);
  try {
    const std::string target =
        PathJoin(ABackupPath, ArchivedBatchName(FileNamePart(APath), AClock.Now()));
    Log(2, "Archiving " + target, TagInfo, kRenameArea);
    // Two archives of one client ID within a second share a name: the older
    // copy wins and the batch stays behind until the next run replaces it.
    // The move's outcome is not checked: a batch that cannot be moved stays
    // behind just the same, without a message.
    try {
      platform::RenameNoReplace(APath, target);
    } catch (const std::system_error&) {
    }
  } catch (const std::exception& error) {
    LogExc(error, kRenameArea);
  }
  Log(9, "END", TagExit, kRenameArea);
}

void PruneBackups(const std::string& ABackupPath) {
  std::vector<std::string> names = ListBatchCopies(ABackupPath);
  if (names.size() <= kBatchBackupsKept) return;
  // Archived names are ASCII, so folding ASCII letters is all the case
  // blindness the prune order needs; equal folds fall back to byte order so
  // the order never depends on the listing.
  std::sort(names.begin(), names.end(), CompareTextLess);
  const auto surplus = static_cast<std::ptrdiff_t>(names.size() - kBatchBackupsKept);
  for (auto it = names.begin(); it != names.begin() + surplus; ++it) {
    const fs::path copy = fs::path(ABackupPath) / *it;
    std::error_code ec;
    // Only files go; a folder that happens to be named *.csv is skipped like
    // any other copy that cannot be deleted.
    if (fs::is_directory(fs::symlink_status(copy, ec))) continue;
    fs::remove(copy, ec);
  }
}

}  // namespace lumora
