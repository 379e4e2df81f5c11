#pragma once

// The one block cipher the string cipher needs, behind a seam so that each
// operating system uses its own cryptography library: OpenSSL on Linux,
// CNG (bcrypt) on Windows.

#include <memory>
#include <string>
#include <string_view>

namespace lumora {

// Three-key triple DES (EDE) in CBC mode, no padding. Single DES and two-key
// triple DES are this cipher under an expanded key (K,K,K and K1,K2,K1),
// which gives the same bytes and spares the libraries' legacy code paths.
// An object is immutable once made; Run may be called from any thread.
class BlockCipher {
 public:
  static constexpr std::size_t kBlockBytes = 8;
  static constexpr std::size_t kKeyBytes = 24;

  virtual ~BlockCipher() = default;
  // Enciphers or deciphers whole blocks; the input's size is a multiple of
  // kBlockBytes. Each call starts again from the initialisation vector.
  // Raises ECryptError when the library fails.
  virtual std::string Run(std::string_view input, bool encrypt) const = 0;
};

// key has kKeyBytes bytes, iv kBlockBytes. Raises ECryptError when the
// library cannot provide the cipher.
std::unique_ptr<BlockCipher> CreateTripleDesCbc(std::string_view key, std::string_view iv);

}  // namespace lumora
