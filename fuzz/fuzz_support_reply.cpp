// A support endpoint's reply as the notifier reads it. The first byte picks
// the layer: 0 hands the rest over as the raw reply body (hex and cipher
// checks), anything else enciphers it first so the XML reading is reached.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "foundation/uQzCrypto.h"
#include "support/request_envelopes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    lumora::TAbstractResponse response;
    response.SetAsString(data[0] == 0 ? rest : lumora::TCrypt(lumora::EnvelopeKey).EncStr(rest));
    (void)lumora::ResponseTypeName(response.ResponseType());
  } catch (const std::exception&) {
    // Malformed replies raise our errors; the notifier logs them.
  }
  return 0;
}
