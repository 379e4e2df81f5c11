#pragma once

// The string cipher: text in, upper-case hex out, and back. It protects the
// support envelope; both ends share the key and the fixed initialisation
// vector.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "foundation/exceptions.h"

namespace lumora {

// Any failure of the cipher: a key it cannot use, a cipher library error.
LUMORA_DECLARE_EXCEPTION(ECryptError, Exception);
// Cipher text that is not hex or not a whole number of cipher blocks.
LUMORA_DECLARE_EXCEPTION(ECipherTextError, ECryptError);

// The key of the support envelope, for requests and replies alike.
inline constexpr std::string_view EnvelopeKey = "11garden stones1";

class DesComponent;

// DES-family cipher in CBC mode under a text key: 8 key bytes select single
// DES, 16 two-key and 24 three-key triple DES; other lengths are refused.
class TDESCrypt {
 public:
  // AKey is program text (UTF-8); its Windows-1252 bytes are the key.
  explicit TDESCrypt(std::string_view AKey);
  virtual ~TDESCrypt();
  TDESCrypt(const TDESCrypt&) = delete;
  TDESCrypt& operator=(const TDESCrypt&) = delete;

  // AKey is 8-bit text. Raises ECryptError "No value passed into SetKey" for
  // an empty key and ECryptError for an unusable one; after any failure the
  // object holds no key, so it cannot go on enciphering under the old one.
  void SetKey(std::string AKey);

  // AText (UTF-8) as Windows-1252 bytes, enciphered, as upper-case hex.
  std::string EncStr(std::string_view AText) const;
  // The inverse of EncStr; hex digits in either case. Raises ECipherTextError
  // for malformed input.
  std::string DecStr(std::string_view AHex) const;

 private:
  std::string FKey;
  std::unique_ptr<DesComponent> FCrypt;
  // Taken by re-keying and by every use, so a use never meets a half-replaced
  // component.
  mutable std::mutex FLock;
};

// The cipher every caller creates.
class TCrypt : public TDESCrypt {
 public:
  using TDESCrypt::TDESCrypt;
};

// Bytes as hex, two upper-case digits per byte, high nibble first.
std::string HexText(std::string_view bytes);

}  // namespace lumora
