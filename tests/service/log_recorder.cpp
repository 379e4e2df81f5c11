#include "tests/service/log_recorder.h"

#include <algorithm>

namespace lumora::test {

int FindLog(std::string_view text, std::string_view area, int from) {
  const auto records = RecordedLog();
  for (int i = std::max(from, 0); i < static_cast<int>(records.size()); ++i) {
    const auto& record = records[static_cast<std::size_t>(i)];
    if (record.message.find(text) != std::string::npos && record.area.starts_with(area)) return i;
  }
  return -1;
}

int CountLog(std::string_view text) {
  const auto records = RecordedLog();
  return static_cast<int>(std::ranges::count_if(
      records, [text](const LogRecord& r) { return r.message.find(text) != std::string::npos; }));
}

}  // namespace lumora::test
