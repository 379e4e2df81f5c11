#include "configuration/config_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "configuration/client_ids_text.h"
#include "configuration/time_values.h"
#include "foundation/text.h"
#include "platform/ansi_code_page.h"

namespace lumora {
namespace {

constexpr std::array<const char*, 7> kDayNames = {"sunday",   "monday", "tuesday", "wednesday",
                                                  "thursday", "friday", "saturday"};
constexpr int kSlotsPerDay = 6;

// Every key the file knows, in the order they are written. The schedule keys
// sit between "lastquery" and "loglevel".
enum KeyIndex : int {
  kClientIds,
  kScanScheduling,
  kScanInterval,
  kSleepBegin,
  kSleepEnd,
  kOracleDelay,
  kLastQuery,
  kFirstSlot,
  kLogLevel = kFirstSlot + 7 * kSlotsPerDay,
  kRunImmediate,
  kRestartOnMissingData,
  kNotifyOnStartup,
  kKeyCount
};

std::string SlotKey(int day, int slot) {
  return std::string(kDayNames[static_cast<std::size_t>(day)]) + "time" + std::to_string(slot + 1);
}

const std::array<std::string, kKeyCount>& KeyNames() {
  static const std::array<std::string, kKeyCount> names = [] {
    std::array<std::string, kKeyCount> n;
    n[kClientIds] = "clientids";
    n[kScanScheduling] = "scanscheduling";
    n[kScanInterval] = "scaninterval";
    n[kSleepBegin] = "sleepbegin";
    n[kSleepEnd] = "sleepend";
    n[kOracleDelay] = "oracledelay";
    n[kLastQuery] = "lastquery";
    for (int day = 0; day < 7; ++day) {
      for (int slot = 0; slot < kSlotsPerDay; ++slot) {
        n[static_cast<std::size_t>(kFirstSlot + day * kSlotsPerDay + slot)] = SlotKey(day, slot);
      }
    }
    n[kLogLevel] = "loglevel";
    n[kRunImmediate] = "runimmediate";
    n[kRestartOnMissingData] = "restartonmissingdata";
    n[kNotifyOnStartup] = "notifyonstartup";
    return n;
  }();
  return names;
}

// The index of a key, compared without regard to ASCII case; -1 when unknown.
int FindKey(std::string_view key) {
  const auto& names = KeyNames();
  for (int i = 0; i < kKeyCount; ++i) {
    if (SameText(key, names[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

void AddLine(std::string& text, int key, const std::string& value) {
  if (value.empty()) return;
  text += KeyNames()[static_cast<std::size_t>(key)];
  text += '=';
  text += value;
  text += "\r\n";
}

// The ScheduleTimes slot of a schedule key, for a const or mutable record.
template <class Config>
auto& Slot(Config& config, int key) {
  const auto offset = static_cast<std::size_t>(key - kFirstSlot);
  return config.ScheduleTimes[offset / kSlotsPerDay][offset % kSlotsPerDay];
}

// The file has no escape for a line break: one inside a client ID would end
// the "clientids" line early and turn the rest into lines of their own, which
// could shadow the real keys written after it. Line breaks are dropped.
std::string ClientIDsLineValue(const std::vector<std::string>& entries) {
  const auto has_break = [](const std::string& e) { return e.find_first_of("\r\n") != std::string::npos; };
  if (std::none_of(entries.begin(), entries.end(), has_break)) return ClientIDsToText(entries);
  std::vector<std::string> cleaned = entries;
  for (std::string& entry : cleaned) std::erase_if(entry, [](char c) { return c == '\r' || c == '\n'; });
  return ClientIDsToText(cleaned);
}

}  // namespace

void ScrambleConfigBytes(std::string& bytes) {
  // A plain index loop: files may be large and debug builds do not inline
  // iterator calls.
  char* const data = bytes.data();
  const std::size_t size = bytes.size();
  for (std::size_t i = 0; i < size; ++i) {
    data[i] = static_cast<char>(static_cast<unsigned char>(data[i]) ^ kConfigMask);
  }
}

std::string ConfigFileText(const TConnectorConfig& config, int loglevel) {
  std::string text;
  AddLine(text, kClientIds, ClientIDsLineValue(config.clientids));
  AddLine(text, kScanScheduling, std::to_string(config.scanscheduling));
  AddLine(text, kScanInterval, std::to_string(config.scaninterval));
  AddLine(text, kSleepBegin, FormatTimeOfDay(config.sleepbegin));
  AddLine(text, kSleepEnd, FormatTimeOfDay(config.sleepend));
  AddLine(text, kOracleDelay, std::to_string(config.oracledelay));
  AddLine(text, kLastQuery, FormatStoredTimestamp(config.lastquery));
  for (int key = kFirstSlot; key < kLogLevel; ++key) {
    AddLine(text, key, FormatTimeOfDay(Slot(config, key)));
  }
  AddLine(text, kLogLevel, std::to_string(loglevel));
  AddLine(text, kRunImmediate, config.runimmediate ? "1" : "0");
  AddLine(text, kRestartOnMissingData, BoolToText(config.restartonmissingdata));
  AddLine(text, kNotifyOnStartup, BoolToText(config.notifyonstartup));
  return text;
}

std::string ConfigFileBytes(const TConnectorConfig& config, int loglevel) {
  std::string bytes = platform::ToAnsi(ConfigFileText(config, loglevel));
  ScrambleConfigBytes(bytes);
  return bytes;
}

TConfigParseResult ParseConfigFile(std::string_view bytes, TConnectorConfig& config) {
  TConfigParseResult result;
  std::string text;
  {
    std::string ansi(bytes);
    ScrambleConfigBytes(ansi);
    text = platform::FromAnsi(ansi);
  }

  // One pass over the lines: remember the first value of every known key and
  // rebuild the text with CR LF line ends. Lines are split at CR LF, CR or LF.
  std::array<std::optional<std::string_view>, kKeyCount> values;
  result.loaded_text.reserve(text.size() + text.size() / 8);
  const std::string_view all(text);
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = all.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view line = all.substr(pos, end - pos);
    result.loaded_text += line;
    result.loaded_text += "\r\n";
    if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      const int key = FindKey(line.substr(0, equals));
      if (key >= 0 && !values[static_cast<std::size_t>(key)]) {
        values[static_cast<std::size_t>(key)] = line.substr(equals + 1);
      }
    }
    pos = end;
    if (pos < all.size() && all[pos] == '\r') {
      ++pos;
      if (pos < all.size() && all[pos] == '\n') ++pos;
    } else if (pos < all.size()) {
      ++pos;  // LF
    }
  }
  const auto value = [&](int key) { return values[static_cast<std::size_t>(key)].value_or(""); };

  // The keys are applied in a fixed order; only the changed flag depends on it.
  const std::string_view ids = value(kClientIds);
  config.clientids = ids.find('=') == std::string_view::npos ? std::vector<std::string>{}
                                                             : ClientIDsFromText(ids);
  const std::string_view scheduling = Trim(value(kScanScheduling));
  config.scanscheduling = DecimalInteger(scheduling).value_or(1);

  const std::int32_t old_interval = config.scaninterval;
  config.scaninterval = DecimalInteger(value(kScanInterval)).value_or(600000);
  result.changed = config.scaninterval != old_interval;

  const auto read_time = [&](double& field, int key) {
    const double before = field;
    field = ReadTimeOfDay(value(key), before);
    if (field != before) result.changed = true;
  };
  read_time(config.sleepbegin, kSleepBegin);
  read_time(config.sleepend, kSleepEnd);
  config.oracledelay = DecimalInteger(value(kOracleDelay)).value_or(120000);
  config.lastquery = ParseStoredTimestamp(value(kLastQuery));
  for (int key = kFirstSlot; key < kLogLevel; ++key) read_time(Slot(config, key), key);

  result.loglevel = DecimalInteger(value(kLogLevel)).value_or(1);
  config.restartonmissingdata = TextToBool(value(kRestartOnMissingData));
  config.notifyonstartup = TextToBool(value(kNotifyOnStartup));
  config.runimmediate = value(kRunImmediate) == "1";
  return result;
}

}  // namespace lumora
