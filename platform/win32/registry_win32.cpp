#include "platform/registry.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <system_error>

#include "platform/registry_key_path.h"
#include "platform/win32/win32_text.h"

namespace lumora::platform {
namespace fs = std::filesystem;
namespace {

struct KeyClose {
  void operator()(HKEY key) const { ::RegCloseKey(key); }
};
using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyClose>;

// Where a key path leads. Paths name keys the way a 64-bit program sees
// them, whatever this program's own bitness: SOFTWARE\X is the 64-bit view's
// key and SOFTWARE\WOW6432Node\X the 32-bit view's. A 32-bit program asks for
// each view explicitly, since its default view would redirect SOFTWARE to the
// 32-bit keys and so hide the 64-bit ones (the Oracle client of either
// bitness is then found the same way by both builds).
struct Location {
  std::wstring path;
  REGSAM view = KEY_WOW64_64KEY;
};

Location Locate(const std::vector<std::string>& parts) {
  Location location;
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i == 1 && EqualsIgnoringCase(parts[0], "SOFTWARE") &&
        EqualsIgnoringCase(parts[1], "WOW6432Node")) {
      location.view = KEY_WOW64_32KEY;
      continue;
    }
    if (!joined.empty()) joined += '\\';
    joined += parts[i];
  }
  location.path = win32::Widen(joined);
  return location;
}

[[noreturn]] void Fail(LONG status, const std::string& what) {
  throw std::system_error(static_cast<int>(status), std::system_category(), "HKEY_LOCAL_MACHINE\\" + what);
}

// An empty handle when the key does not exist; throws for any other refusal.
KeyHandle OpenKey(const fs::path& stored, REGSAM access, bool create = false) {
  const Location location = Locate(SplitKeyPath(win32::Narrow(stored.wstring())));
  HKEY key = nullptr;
  const LONG status =
      create ? ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, location.path.c_str(), 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, access | location.view, nullptr, &key, nullptr)
             : ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, location.path.c_str(), 0, access | location.view, &key);
  if (status == ERROR_FILE_NOT_FOUND && !create) return KeyHandle();
  if (status != ERROR_SUCCESS) Fail(status, win32::Narrow(stored.wstring()));
  return KeyHandle(key);
}

// The key's path as given, "\" separated, kept as the key's identity; each
// call opens the key afresh, as the registry may change in between.
fs::path StoredPath(const std::vector<std::string>& parts) {
  std::string joined;
  for (const auto& part : parts) {
    if (!joined.empty()) joined += '\\';
    joined += part;
  }
  return fs::path(win32::Widen(joined));
}

}  // namespace

fs::path RegistryRoot() { return {}; }

std::optional<RegistryKey> RegistryKey::Open(std::string_view path, bool create) {
  const fs::path stored = StoredPath(SplitKeyPath(path));
  // OpenKey throws for every refusal but a missing key.
  if (!OpenKey(stored, KEY_READ | (create ? KEY_WRITE : 0), create)) return std::nullopt;
  return RegistryKey(stored);
}

bool RegistryKey::HasSubKey(std::string_view name) const { return OpenSubKey(name).has_value(); }

std::optional<RegistryKey> RegistryKey::OpenSubKey(std::string_view name) const {
  if (name.empty()) return std::nullopt;
  return Open(win32::Narrow(directory_.wstring()) + "\\" + std::string(name));
}

std::vector<std::string> RegistryKey::SubKeyNames() const {
  std::vector<std::string> names;
  const KeyHandle key = OpenKey(directory_, KEY_READ);
  if (!key) return names;
  // Key names hold at most 255 characters.
  wchar_t buffer[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    const LONG status =
        ::RegEnumKeyExW(key.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) Fail(status, win32::Narrow(directory_.wstring()));
    names.push_back(win32::Narrow(std::wstring_view(buffer, length)));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool RegistryKey::HasValue(std::string_view name) const {
  const KeyHandle key = OpenKey(directory_, KEY_READ);
  if (!key) return false;
  const LONG status =
      ::RegQueryValueExW(key.get(), win32::Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_FILE_NOT_FOUND) return false;
  if (status != ERROR_SUCCESS) Fail(status, win32::Narrow(directory_.wstring()) + "\\" + std::string(name));
  return true;
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  const KeyHandle key = OpenKey(directory_, KEY_READ);
  if (!key) return std::nullopt;
  const std::wstring value_name = win32::Widen(name);
  const std::string what = win32::Narrow(directory_.wstring()) + "\\" + std::string(name);
  // The value may grow between asking its size and reading it: ask again.
  for (int attempt = 0;; ++attempt) {
    DWORD type = 0;
    DWORD bytes = 0;
    LONG status = ::RegQueryValueExW(key.get(), value_name.c_str(), nullptr, &type, nullptr, &bytes);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) Fail(status, what);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = ::RegQueryValueExW(key.get(), value_name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(text.data()), &got);
    if (status == ERROR_MORE_DATA && attempt < 3) continue;
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) Fail(status, what);
    // Stored strings need not end in a terminator, and may carry several.
    text.resize(got / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return win32::Narrow(text);
  }
}

void RegistryKey::WriteString(std::string_view name, std::string_view value) const {
  const std::string what = win32::Narrow(directory_.wstring()) + "\\" + std::string(name);
  const KeyHandle key = OpenKey(directory_, KEY_SET_VALUE);
  if (!key) Fail(ERROR_FILE_NOT_FOUND, what);
  const std::wstring text = win32::Widen(value);
  const LONG status = ::RegSetValueExW(key.get(), win32::Widen(name).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) Fail(status, what);
}

}  // namespace lumora::platform
