#include "platform/system_facts.h"

// winsock2.h before windows.h, for the adapter addresses of iphlpapi.h.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cpuid.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/win32/win32_text.h"

namespace lumora::platform {
namespace {

std::string OrUndetermined(std::string text) { return text.empty() ? kUndetermined : text; }

std::string LocaleText(LCID locale, LCTYPE type) {
  wchar_t buffer[256] = {};
  const int length = ::GetLocaleInfoW(locale, type, buffer, 256);
  return length > 1 ? win32::Narrow(std::wstring_view(buffer, static_cast<std::size_t>(length - 1))) : std::string();
}

// A string value of HKEY_LOCAL_MACHINE in the 64-bit view (where Windows
// keeps its own facts, whatever this program's bitness); empty when absent.
std::string MachineString(const wchar_t* key, const wchar_t* value) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS) {
    return {};
  }
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t);  // room for a terminator the value may lack
  const LONG status = ::RegGetValueW(opened, nullptr, value, RRF_RT_REG_SZ, nullptr, buffer, &size);
  ::RegCloseKey(opened);
  return status == ERROR_SUCCESS ? win32::Narrow(buffer) : std::string();
}

constexpr const wchar_t* kCurrentVersionKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const wchar_t* kBiosKey = L"HARDWARE\\DESCRIPTION\\System\\BIOS";

std::string Cpuid12(unsigned leaf, int order0, int order1, int order2) {
  unsigned regs[4] = {};
  if (__get_cpuid(leaf, &regs[0], &regs[1], &regs[2], &regs[3]) == 0) return {};
  char text[13] = {};
  std::memcpy(text, &regs[order0], 4);
  std::memcpy(text + 4, &regs[order1], 4);
  std::memcpy(text + 8, &regs[order2], 4);
  return text;
}

std::string TrimBlanks(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
  const auto start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

class WindowsSystemFacts final : public SystemFacts {
 public:
  std::string LanguageName() const override {
    const LCID language = MAKELCID(::GetSystemDefaultLangID(), SORT_DEFAULT);
    std::string name = LocaleText(language, LOCALE_SLOCALIZEDDISPLAYNAME);
    if (name.empty()) name = LocaleText(language, LOCALE_SENGLISHDISPLAYNAME);
    return OrUndetermined(name);
  }

  std::string LocaleLanguageName() const override {
    return OrUndetermined(LocaleText(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLISHLANGUAGENAME));
  }

  std::string ComputerName() const override {
    wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return ::GetComputerNameW(buffer, &size) ? win32::Narrow(buffer) : std::string(kUndetermined);
  }

  // The authority of the account the process runs under: the domain of a
  // domain account, the computer for a local one, "NT AUTHORITY" for the
  // system account a service runs under.
  std::string DomainName() const override {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return kUndetermined;
    const std::unique_ptr<void, decltype(&::CloseHandle)> owned(token, ::CloseHandle);
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[size > 0 ? size : 1]);
    if (size == 0 || !::GetTokenInformation(token, TokenUser, buffer.get(), size, &size)) return kUndetermined;
    const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.get());
    wchar_t name[256] = {}, domain[256] = {};
    DWORD name_size = 256, domain_size = 256;
    SID_NAME_USE use{};
    if (!::LookupAccountSidW(nullptr, user->User.Sid, name, &name_size, domain, &domain_size, &use)) {
      return kUndetermined;
    }
    return OrUndetermined(win32::Narrow(domain));
  }

  ProcessorFacts Processor() const override {
    ProcessorFacts cpu;
    cpu.vendor = OrUndetermined(Cpuid12(0, 1, 3, 2));
    if (cpu.vendor == "GenuineIntel") {
      cpu.vendor_code = 1;
      cpu.manufacturer = "Intel";
    } else if (cpu.vendor == "AuthenticAMD") {
      cpu.vendor_code = 2;
      cpu.manufacturer = "AMD";
    } else if (cpu.vendor != kUndetermined) {
      cpu.vendor_code = 3;
      cpu.manufacturer = cpu.vendor;
    } else {
      cpu.manufacturer = kUndetermined;
    }
    SYSTEM_INFO info{};
    ::GetNativeSystemInfo(&info);
    switch (info.wProcessorArchitecture) {
      case PROCESSOR_ARCHITECTURE_AMD64: cpu.type = "x86_64"; break;
      case PROCESSOR_ARCHITECTURE_INTEL: cpu.type = "x86"; break;
      case PROCESSOR_ARCHITECTURE_ARM64: cpu.type = "ARM64"; break;
      default: cpu.type = kUndetermined; break;
    }
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0) {
      // The extended family and model count from family 15 and 6 on.
      const unsigned base_family = (eax >> 8) & 0xF;
      const unsigned family = base_family == 0xF ? base_family + ((eax >> 20) & 0xFF) : base_family;
      const unsigned model = (base_family == 0x6 || base_family == 0xF)
                                 ? (((eax >> 16) & 0xF) << 4) | ((eax >> 4) & 0xF)
                                 : (eax >> 4) & 0xF;
      cpu.family = std::to_string(family);
      cpu.model = std::to_string(model);
      cpu.stepping = std::to_string(eax & 0xF);
    } else {
      cpu.family = cpu.model = cpu.stepping = kUndetermined;
    }
    std::string brand;
    for (unsigned leaf = 0x80000002; leaf <= 0x80000004; ++leaf) brand += Cpuid12(leaf, 0, 1, 2) + Cpuid12(leaf, 3, 3, 3).substr(0, 4);
    cpu.name = OrUndetermined(TrimBlanks(brand));
    return cpu;
  }

  BiosFacts Bios() const override {
    BiosFacts bios;
    bios.name = OrUndetermined(MachineString(kBiosKey, L"BIOSVendor"));
    bios.copyright = kUndetermined;  // modern firmware no longer exposes it
    bios.extended = OrUndetermined(MachineString(kBiosKey, L"BIOSVersion"));
    int month = 0, day = 0, year = 0;
    if (std::sscanf(MachineString(kBiosKey, L"BIOSReleaseDate").c_str(), "%d/%d/%d", &month, &day, &year) == 3) {
      bios.date = CivilTime{year, month, day, 0, 0, 0, 0};
    }
    return bios;
  }

  InstallationFacts Installation() const override {
    InstallationFacts system;
    system.product = OrUndetermined(MachineString(kCurrentVersionKey, L"ProductName"));
    // "Service Pack 1" is shown as SP1.
    const std::string pack = MachineString(kCurrentVersionKey, L"CSDVersion");
    if (const auto digit = pack.find_first_of("0123456789"); digit != std::string::npos) {
      system.service_pack = "SP" + pack.substr(digit);
    }
    system.owner = OrUndetermined(MachineString(kCurrentVersionKey, L"RegisteredOwner"));
    system.organization = OrUndetermined(MachineString(kCurrentVersionKey, L"RegisteredOrganization"));
    return system;
  }

  std::optional<std::vector<std::string>> MacAddresses() const override {
    ULONG size = 16 * 1024;
    std::unique_ptr<unsigned char[]> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
      buffer.reset(new unsigned char[size]);
      result = ::GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                                                     GAA_FLAG_SKIP_DNS_SERVER,
                                      nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.get()), &size);
    }
    if (result == ERROR_NO_DATA) return std::vector<std::string>{};
    if (result != NO_ERROR) return std::nullopt;
    std::vector<std::string> addresses;
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.get()); adapter != nullptr;
         adapter = adapter->Next) {
      if (adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK || adapter->PhysicalAddressLength == 0) continue;
      std::string text;
      for (ULONG i = 0; i < adapter->PhysicalAddressLength; ++i) {
        char part[4];
        std::snprintf(part, sizeof part, i == 0 ? "%02X" : ":%02X", adapter->PhysicalAddress[i]);
        text += part;
      }
      addresses.push_back(text);
    }
    return addresses;
  }

  std::vector<DriveFacts> Drives() const override {
    // A drive without a medium must not put up the system's error dialog.
    const UINT previous_mode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::vector<DriveFacts> drives;
    const DWORD present = ::GetLogicalDrives();
    for (int index = 0; index < 26; ++index) {
      if ((present & (1u << index)) == 0) continue;
      const wchar_t letter = static_cast<wchar_t>(L'A' + index);
      const std::wstring root = std::wstring(1, letter) + L":\\";
      DriveFacts drive;
      drive.name = std::string(1, static_cast<char>('a' + index));
      switch (::GetDriveTypeW(root.c_str())) {
        case DRIVE_REMOVABLE: drive.type = "Floppy"; break;
        case DRIVE_FIXED: drive.type = "Fixed"; break;
        case DRIVE_REMOTE: drive.type = "Network"; break;
        case DRIVE_CDROM: drive.type = "CDROM"; break;
        case DRIVE_RAMDISK: drive.type = "RAM"; break;
        default: drive.type = "Unknown"; break;
      }
      wchar_t label[MAX_PATH + 1] = {};
      DWORD serial = 0;
      if (!::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr, nullptr, 0)) {
        // Not ready: the system's default beep, as the banner has always given.
        ::MessageBeep(MB_OK);
        drive.label = kUndetermined;
        drive.read_write = "n/a";
        drives.push_back(std::move(drive));
        continue;
      }
      drive.label = win32::Narrow(label);
      drive.serial = serial;
      // Writable when a temporary file can be made and removed in its root.
      wchar_t probe[MAX_PATH + 1] = {};
      const bool writable = ::GetTempFileNameW(root.c_str(), L"RWRO", 0, probe) != 0 && ::DeleteFileW(probe);
      drive.read_write = writable ? "R/W" : "R/O";
      ULARGE_INTEGER total{}, free_bytes{};
      if (::GetDiskFreeSpaceExW(root.c_str(), &free_bytes, &total, nullptr)) {
        drive.size = total.QuadPart;
        drive.free = free_bytes.QuadPart;
      }
      drives.push_back(std::move(drive));
    }
    ::SetErrorMode(previous_mode);
    return drives;
  }

  // RtlGetVersion tells the true version; GetVersionEx answers what the
  // program's manifest declares.
  OsVersionFacts OsVersion() const override {
    OsVersionFacts os;
    os.name = "Windows?";
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto get_version = ntdll == nullptr ? nullptr
        : reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (get_version == nullptr || get_version(&info) != 0) return os;
    os.major = static_cast<int>(info.dwMajorVersion);
    os.minor = static_cast<int>(info.dwMinorVersion);
    os.build = static_cast<int>(info.dwBuildNumber);
    os.detail = win32::Narrow(info.szCSDVersion);
    os.recognised = true;
    if (os.major == 4) os.name = "Windows NT";
    else if (os.major == 5 && os.minor == 0) os.name = "Windows 2000";
    else if (os.major == 5 && os.minor == 1) os.name = "Windows XP";
    else if (os.major == 5 && os.minor == 2) os.name = "Windows 2003";
    else if (os.major == 6) os.name = "Windows 7";
    else if (os.major == 7) os.name = "Windows 8";
    else if (os.major == 10) os.name = "Windows 10";
    else os.recognised = false;
    return os;
  }
};

}  // namespace

const SystemFacts& LocalSystemFacts() {
  static const WindowsSystemFacts facts;
  return facts;
}

}  // namespace lumora::platform
