#pragma once

// The parts of an OLE DB connection string and of an Oracle connect
// descriptor that the database layer acts on.

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// "Provider=...;Data Source=...;User Id=...;Password=...;" taken apart. Keys
// match without regard to case; unknown keys and empty items are ignored.
struct ConnectionSettings {
  std::string provider;
  std::string data_source;
  std::string user_id;
  std::string password;
};
ConnectionSettings ParseConnectionString(std::string_view text);

// The ADDRESS of a connect descriptor: its PROTOCOL and, for the embedded
// engine, its FILE. Keys match without regard to case; blanks around keys,
// "=" and values are allowed as in tnsnames.ora. Nullopt when the descriptor
// is not a balanced parenthesised list or holds no ADDRESS with a PROTOCOL.
struct DescriptorAddress {
  std::string protocol;
  std::string file;
};
std::optional<DescriptorAddress> ParseDescriptorAddress(std::string_view descriptor);

}  // namespace lumora
