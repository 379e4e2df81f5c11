// Reads arbitrary text as the delimited client-ID list, then checks that
// writing the entries and reading them again gives the same list: the
// quoting must protect every character that would otherwise split an entry.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "configuration/client_ids_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto entries = ClientIDsFromText(text);
  if (ClientIDsFromText(ClientIDsToText(entries)) != entries) std::abort();
  return 0;
}
