#include "configuration/client_id_entry.h"

#include "foundation/text.h"

namespace lumora {

std::string TStoreName::Text() const { return subsidiary + "." + store; }

TStoreName SplitStoreName(std::string_view AName) {
  const auto dot = AName.find('.');
  if (dot == std::string_view::npos) return {{}, std::string(AName)};
  return {std::string(AName.substr(0, dot)), std::string(AName.substr(dot + 1))};
}

bool SameStoreName(std::string_view AName, std::string_view BName) { return SameText(AName, BName); }

std::string_view ClientIDName(std::string_view AEntry) {
  const auto pos = AEntry.find('=');
  return pos == std::string_view::npos ? AEntry : AEntry.substr(0, pos);
}

std::string_view ClientIDValue(std::string_view AEntry) {
  const auto pos = AEntry.find('=');
  return pos == std::string_view::npos ? std::string_view{} : AEntry.substr(pos + 1);
}

TClientIDEntry ReadClientIDEntry(std::string_view AEntry) {
  const std::string_view name = ClientIDName(AEntry);
  return {std::string(name), SplitStoreName(name), std::string(ClientIDValue(AEntry))};
}

std::string ClientIDEntryText(const TStoreName& AStore, std::string_view AClientID) {
  return AStore.Text() + "=" + std::string(AClientID);
}

std::string FindClientID(const std::vector<std::string>& AEntries, const TStoreName& AStore) {
  const std::string key = AStore.Text();
  for (const std::string& entry : AEntries) {
    if (SameStoreName(ClientIDName(entry), key)) return std::string(ClientIDValue(entry));
  }
  return {};
}

}  // namespace lumora
