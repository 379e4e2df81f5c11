#pragma once

// One entry of ClientIDs, "subsidiary.store=client ID", and the one rule that
// takes it apart. ClientIDs keeps the entries as text, exactly as the file
// holds them; these functions read them.

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// A store's key: its subsidiary and store numbers as text.
struct TStoreName {
  std::string subsidiary;
  std::string store;

  // The entry's name part: subsidiary, ".", store.
  std::string Text() const;
};

// A name part split at its first ".". Without a "." the subsidiary is empty
// and the store the whole name.
TStoreName SplitStoreName(std::string_view AName);

// Whether two name parts name the same store: equal but for ASCII letter
// case. The configurator matches its stores to the entries by this rule.
bool SameStoreName(std::string_view AName, std::string_view BName);

// An entry taken apart at its first "=": the name part (the whole entry when
// there is no "="), that name as a store key, and the client ID after the
// "=" (which may itself hold "=").
struct TClientIDEntry {
  std::string name;
  TStoreName store;
  std::string client_id;
};
TClientIDEntry ReadClientIDEntry(std::string_view AEntry);
std::string_view ClientIDName(std::string_view AEntry);
std::string_view ClientIDValue(std::string_view AEntry);

// The entry text for a store and its client ID.
std::string ClientIDEntryText(const TStoreName& AStore, std::string_view AClientID);

// The client ID of the first entry that names AStore; empty when none does.
std::string FindClientID(const std::vector<std::string>& AEntries, const TStoreName& AStore);

}  // namespace lumora
