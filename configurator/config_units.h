#pragma once

// The conversions between the configuration record's units and the
// configuration window's controls.

#include <algorithm>
#include <cstdint>

namespace lumora::config_units {

inline constexpr std::int32_t kMsPerHour = 3600000;
inline constexpr std::int32_t kMsPerSecond = 1000;
inline constexpr int kMaxIntervalHours = 9;
inline constexpr int kMaxSettleSeconds = 999;
inline constexpr int kMaxLogLevel = 9;
// What the settle delay shows when the stored value is not positive.
inline constexpr int kFallbackSettleSeconds = 120;

// Whole hours, limited to the box's range.
inline int IntervalHours(std::int32_t scaninterval_ms) {
  return std::clamp(scaninterval_ms / kMsPerHour, 0, kMaxIntervalHours);
}
// Whole seconds, limited to the box's range; a delay of 0 or less shows the
// fallback.
inline int SettleSeconds(std::int32_t oracledelay_ms) {
  const int seconds = std::clamp(oracledelay_ms / kMsPerSecond, 0, kMaxSettleSeconds);
  return seconds <= 0 ? kFallbackSettleSeconds : seconds;
}
inline int LogLevelShown(int level) { return std::clamp(level, 0, kMaxLogLevel); }

inline std::int32_t IntervalMs(int hours) { return hours * kMsPerHour; }
inline std::int32_t SettleMs(int seconds) { return seconds * kMsPerSecond; }

}  // namespace lumora::config_units
