#include "retailpro/uQzOraUtils.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"
#include "platform/platform_config.h"
#include "platform/registry.h"
#include "foundation/text.h"

namespace lumora {
namespace {

using platform::RegistryKey;

constexpr std::string_view kKeyPrefix = "KEY_";

// The directory holding an Oracle home. The client installer names each home
// after its version (C:\oracle\OraClient11g_home1), so the home's parent joined
// with the version leads back to the home and to its NETWORK\ADMIN folder.
std::string BaseFromOracleHome(std::string home) {
  while (home.size() > 1 && (home.back() == '\\' || home.back() == '/')) home.pop_back();
  const auto cut = home.find_last_of("\\/");
  if (cut == std::string::npos) return {};
  return home.substr(0, cut == 0 ? 1 : cut);
}

// The file as lines joined with CR LF, the way a line list loads and joins
// it: CR LF, LF and CR all end a line, and the last line gets no terminator.
// A file that starts with the UTF-8 byte-order mark (as editors on Windows
// save it) is UTF-8 without the mark; any other is in the ANSI code page.
std::string ReadLinesJoined(const std::filesystem::path& path) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::string text =
      bytes.starts_with(kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : platform::FromAnsi(bytes);
  std::string joined;
  joined.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (i + 1 < text.size()) joined += "\r\n";
    } else {
      joined.push_back(c);
    }
  }
  return joined;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

OracleBaseInfo GetOracleBase() {
  auto software = RegistryKey::Open("SOFTWARE");
  if (software && !software->HasSubKey("ORACLE")) software = software->OpenSubKey("WOW6432Node");
  if (!software || !software->HasSubKey("ORACLE")) {
    throw EOracleClientError("Registry key \"ORACLE\" could not be found in GetOracleBase");
  }
  const auto oracle = software->OpenSubKey("ORACLE");
  const std::vector<std::string> names =
      oracle ? oracle->SubKeyNames() : std::vector<std::string>{};
  std::string key_name;
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    if (it->compare(0, kKeyPrefix.size(), kKeyPrefix) == 0) {
      key_name = *it;
      break;
    }
  }
  if (key_name.empty()) {
    throw EOracleClientError("Oracle key could not be determined in call to GetOracleBase");
  }
  const auto home_key = oracle->OpenSubKey(key_name);
  if (!home_key) {
    throw EOracleClientError("Oracle key \"" + key_name +
                             "\" could not be opened in call to GetOracleBase");
  }
  OracleBaseInfo info;
  if (auto base = home_key->ReadString("ORACLE_BASE")) {
    info.base = std::move(*base);
  } else if (auto home = home_key->ReadString("ORACLE_HOME")) {
    info.base = BaseFromOracleHome(std::move(*home));
  } else {
    throw EOracleClientError(
        "Neither ORACLE_HOME nor ORACLE_BASE were found in the registry in GetOracleBase");
  }
  info.version = key_name.substr(kKeyPrefix.size());
  try {
    LogInfo(1, "Determined that Oracle version \"" + info.version + "\" is located at \"" +
                   info.base + "\"",
            "GetOracleBase");
  } catch (...) {
    // The discovery result stands even when it cannot be logged.
  }
  return info;
}

std::string TNSNamesPath(std::string_view ABase, std::string_view AVersion) {
  std::string base(ABase);
  std::string version(AVersion);
  if (base.empty()) {
    auto info = GetOracleBase();
    base = std::move(info.base);
    version = std::move(info.version);
  }
  const char sep = platform::kPathSeparator;
  return base + sep + version + sep + "NETWORK" + sep + "ADMIN" + sep + "tnsnames.ora";
}

std::string FindConnectDescriptor(std::string_view AAlias, std::string_view ATnsText) {
  const std::string alias = AsciiUpper(Trim(AAlias));
  std::string_view text = Trim(ATnsText);
  std::string descriptor;
  while (!text.empty()) {
    if (text.front() == '#') {
      const auto eol = text.find("\r\n");
      text = eol == std::string_view::npos ? std::string_view{} : Trim(text.substr(eol + 2));
      continue;
    }
    const auto equals = text.find('=');
    // Text without any "=" cannot start another entry: a stray word at the end.
    if (equals == std::string_view::npos) break;
    const bool matches = AsciiUpper(Trim(text.substr(0, equals))) == alias;
    text = Trim(text.substr(equals + 1));
    const auto open = text.find('(');
    if (open == std::string_view::npos) continue;

    std::string scanned = "(";
    int depth = 1;
    std::size_t i = open + 1;
    for (; i < text.size() && depth > 0; ++i) {
      const char c = text[i];
      if (c == '\r' || c == '\n') continue;
      if (c == '(') ++depth;
      if (c == ')') --depth;
      scanned.push_back(c);
    }
    if (matches) {
      descriptor = std::move(scanned);
      break;
    }
    text = Trim(text.substr(i));
  }
  return descriptor;
}

std::string TNSNamesConnectString(std::string_view AAlias, std::string_view APath,
                                  std::string_view ABase, std::string_view AVersion) {
  if (Trim(AAlias).empty()) {
    throw EOracleClientError("Invalid alias passed to TNSNamesConnectString");
  }
  std::string path(APath);
  if (path.empty()) {
    path = TNSNamesPath(ABase, AVersion);
    if (!FileExists(path)) {
      throw EOracleClientError("\"" + path +
                               "\" not found in call to TNSNamesConnectString using OracleBase=\"" +
                               std::string(ABase) + "\" and Version=\"" + std::string(AVersion) +
                               "\"");
    }
  } else if (!FileExists(path)) {
    throw EOracleClientError("\"" + path +
                             "\" not found in call to TNSNamesConnectString using configured path");
  }
  return FindConnectDescriptor(AAlias, ReadLinesJoined(path));
}

}  // namespace lumora

namespace lumora {

std::string OracleClientLibraryDir() {
  auto software = RegistryKey::Open("SOFTWARE");
  if (software && !software->HasSubKey("ORACLE")) software = software->OpenSubKey("WOW6432Node");
  const auto oracle = software ? software->OpenSubKey("ORACLE") : std::nullopt;
  if (!oracle) return {};
  const std::vector<std::string> names = oracle->SubKeyNames();
  const auto last_home = std::find_if(names.rbegin(), names.rend(), [](const std::string& name) {
    return name.starts_with(kKeyPrefix);
  });
  const auto home_key = last_home != names.rend() ? oracle->OpenSubKey(*last_home) : std::nullopt;
  const auto home = home_key ? home_key->ReadString("ORACLE_HOME") : std::nullopt;
  if (!home || Trim(*home).empty()) return {};
  std::string dir = *home;
  while (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  return dir + platform::kPathSeparator + platform::kOracleClientLibraryFolder;
}

}  // namespace lumora
