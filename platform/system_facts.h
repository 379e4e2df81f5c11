#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/local_time.h"
#include "platform/platform_errors.h"

namespace lumora::platform {

// What the start-of-log banner reports about the machine. Every text is the
// value as the system gives it, or kUndetermined when it cannot be obtained:
// the banner shows what it can, so a fact the system does not give is part
// of the answer here rather than a failure, and no query raises.
inline constexpr const char* kUndetermined = "[could not be determined]";

struct ProcessorFacts {
  int vendor_code = 0;  // 1 Intel, 2 AMD, 3 any other known vendor, 0 unknown
  std::string type;
  std::string family;
  std::string model;
  std::string stepping;
  std::string vendor;        // the 12-character vendor identification
  std::string manufacturer;  // a short maker name
  std::string name;          // the processor's brand text
};

struct BiosFacts {
  std::string name;
  std::string copyright;
  std::string extended;
  std::optional<CivilTime> date;
};

// The installed system as the Windows block of the banner shows it.
struct InstallationFacts {
  std::string product;
  std::string service_pack;  // empty when there is none
  std::string owner;
  std::string organization;
};

// One mounted volume; the banner lists them in place of drive letters.
struct DriveFacts {
  std::string name;        // the mount point
  std::string type;        // "Floppy", "Fixed", "Network", "CDROM", "RAM", "Unknown"
  std::string label;       // the volume label, or kUndetermined
  std::uint32_t serial = 0;
  std::string read_write;  // "R/W", "R/O" or "n/a"
  std::uint64_t size = 0;  // bytes, fixed volumes only
  std::uint64_t free = 0;
};

// The operating system's name and version; detail plays the part of the
// service-pack text (empty when there is none).
struct OsVersionFacts {
  bool recognised = false;
  std::string name;
  int major = 0;
  int minor = 0;
  int build = 0;
  std::string detail;
};

// A source of system facts. The real one reads the running machine; tests
// pass their own.
class SystemFacts {
 public:
  virtual ~SystemFacts() = default;
  virtual std::string LanguageName() const = 0;        // e.g. "English (United States)"
  virtual std::string LocaleLanguageName() const = 0;  // e.g. "English"
  virtual std::string ComputerName() const = 0;
  virtual std::string DomainName() const = 0;
  virtual ProcessorFacts Processor() const = 0;
  virtual BiosFacts Bios() const = 0;
  virtual InstallationFacts Installation() const = 0;
  // nullopt when the addresses cannot be read.
  virtual std::optional<std::vector<std::string>> MacAddresses() const = 0;
  virtual std::vector<DriveFacts> Drives() const = 0;
  virtual OsVersionFacts OsVersion() const = 0;
};

// The facts of the machine the program runs on.
const SystemFacts& LocalSystemFacts();

}  // namespace lumora::platform
