#include "logging/log_banner.h"

#include <cinttypes>
#include <cstdio>

#include "foundation/date_time.h"

namespace lumora {
namespace {

void AddMachineBlock(std::vector<std::string>& out, const platform::SystemFacts& facts) {
  const platform::ProcessorFacts cpu = facts.Processor();
  out.push_back("CPU      : " + std::to_string(cpu.vendor_code));
  out.push_back("     Processor    : " + cpu.type);
  out.push_back("     Family       : " + cpu.family);
  out.push_back("     Model        : " + cpu.model);
  out.push_back("     Step         : " + cpu.stepping);
  out.push_back("     Vendor       : " + cpu.vendor);
  out.push_back("     Manufacturer : " + cpu.manufacturer);
  out.push_back("     Name         : " + cpu.name);

  const platform::BiosFacts bios = facts.Bios();
  out.push_back("BIOS     : " + bios.name);
  out.push_back("     Copyright    : " + bios.copyright);
  out.push_back("     Extended     : " + bios.extended);
  out.push_back("     Date         : " +
                (bios.date ? FormatDateTime("mm/dd/yyyy hh:nn:ss", EncodeDateTime(*bios.date))
                           : std::string(platform::kUndetermined)));

  const platform::InstallationFacts system = facts.Installation();
  out.push_back("Windows  : " + system.product);
  out.push_back("     Service pack : " + system.service_pack);
  out.push_back("     Owner        : " + system.owner);
  out.push_back("     Registered to: " + system.organization);

  out.push_back("MAC addresses:");
  if (const auto macs = facts.MacAddresses()) {
    for (const std::string& mac : *macs) out.push_back("     " + mac);
  }

  for (const platform::DriveFacts& drive : facts.Drives()) {
    char serial[16];
    std::snprintf(serial, sizeof serial, "%8.8X", drive.serial);
    out.push_back(drive.name + "    :");
    out.push_back("     Owner        : " + system.owner);
    out.push_back("     Type         :" + drive.type);
    out.push_back("     VolumeInfo   :" + drive.label);
    out.push_back(std::string("     SerialNo     :") + serial);
    out.push_back("     ReadWrite    :" + drive.read_write);
    const bool fixed = drive.type == "Fixed";
    out.push_back("     DriveSize    :" + std::to_string(fixed ? drive.size : 0));
    out.push_back("     DriveFree    :" + std::to_string(fixed ? drive.free : 0));
  }
}

}  // namespace

std::string OperatingSystemText(const platform::OsVersionFacts& os) {
  char text[512];
  if (!os.recognised) {
    std::snprintf(text, sizeof text, "%s %d.%d", os.name.c_str(), os.major, os.minor);
  } else if (os.detail.empty()) {
    std::snprintf(text, sizeof text, "%s %d.%d (Build %d)", os.name.c_str(), os.major, os.minor,
                  os.build);
  } else {
    std::snprintf(text, sizeof text, "%s %d.%d (Build %d: %s)", os.name.c_str(), os.major,
                  os.minor, os.build, os.detail.c_str());
  }
  return text;
}

std::vector<std::string> BannerMessages(int log_level, bool log_machine,
                                        const platform::SystemFacts& facts) {
  const std::string frame(86, '=');
  std::vector<std::string> out = {"", frame, "START OF LOG", frame, "",
                                  "LogLevel = " + std::to_string(log_level), ""};
  // A fact that cannot be had must not cost the banner: what was gathered
  // stays, and one line says the rest is missing.
  try {
    out.push_back("Language : " + facts.LanguageName());
    out.push_back("Locale   : " + facts.LocaleLanguageName());
    out.push_back("Computer : " + facts.ComputerName());
    out.push_back("Domain   : " + facts.DomainName());
    if (log_machine) AddMachineBlock(out, facts);
  } catch (...) {
    out.emplace_back("*** full system information could not be obtained ***");
  }
  out.emplace_back("");
  try {
    out.push_back(OperatingSystemText(facts.OsVersion()));
  } catch (...) {
    out.push_back(OperatingSystemText({}));
  }
  return out;
}

}  // namespace lumora
