#include "foundation/uQzCrypto.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <array>
#include <climits>
#include <vector>

#include "platform/ansi_code_page.h"

namespace lumora {
namespace {

// The fixed initialisation vector shared by every key and every peer.
constexpr std::string_view kInitialisationVector = "5B21F0C8D39C2F16";
constexpr std::size_t kBlockSize = 8;
constexpr char kPad = ' ';

// Text of the last OpenSSL error, emptying the thread's error queue.
std::string OpenSslError(std::string_view what) {
  std::string text(what);
  const unsigned long code = ERR_get_error();
  if (code != 0) {
    std::array<char, 256> buffer{};
    ERR_error_string_n(code, buffer.data(), buffer.size());
    text += ": ";
    text += buffer.data();
  }
  ERR_clear_error();
  return text;
}

// A library context of our own with the default and legacy providers.
// Single DES lives only in the legacy provider; loading it into a private
// context keeps the system's openssl.cnf (which may or may not activate
// providers) out of the picture and leaves the global context, which the HTTP
// client's TLS uses, as the system configured it.
class CipherLibrary {
 public:
  CipherLibrary() : context_(OSSL_LIB_CTX_new()) {
    if (!context_) return;
    default_ = OSSL_PROVIDER_load(context_, "default");
    legacy_ = OSSL_PROVIDER_load(context_, "legacy");  // may be missing: single DES then fails
    ERR_clear_error();
  }
  ~CipherLibrary() {
    if (legacy_) OSSL_PROVIDER_unload(legacy_);
    if (default_) OSSL_PROVIDER_unload(default_);
    OSSL_LIB_CTX_free(context_);
  }
  CipherLibrary(const CipherLibrary&) = delete;
  CipherLibrary& operator=(const CipherLibrary&) = delete;

  static const CipherLibrary& Instance() {
    static const CipherLibrary library;
    return library;
  }
  OSSL_LIB_CTX* context() const { return context_; }

 private:
  OSSL_LIB_CTX* context_;
  OSSL_PROVIDER* default_ = nullptr;
  OSSL_PROVIDER* legacy_ = nullptr;
};

struct CipherFree {
  void operator()(EVP_CIPHER* cipher) const { EVP_CIPHER_free(cipher); }
};
struct ContextFree {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

// The DES-family member for a key of the given size. Two-key triple DES uses
// the first eight bytes again as its third key (EDE with K1, K2, K1).
const char* CipherName(std::size_t key_bytes) {
  switch (key_bytes) {
    case 8: return "DES-CBC";
    case 16: return "DES-EDE-CBC";
    case 24: return "DES-EDE3-CBC";
    default: return nullptr;
  }
}

int HexDigit(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

std::string HexBytes(std::string_view hex) {
  if (hex.size() % 2 != 0) {
    throw ECipherTextError("Cipher text has an odd number of hex digits (" +
                           std::to_string(hex.size()) + ")");
  }
  std::string bytes(hex.size() / 2, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int high = HexDigit(hex[2 * i]);
    const int low = HexDigit(hex[2 * i + 1]);
    if (high < 0 || low < 0) {
      throw ECipherTextError("Cipher text is not hex: invalid digit at position " +
                             std::to_string(high < 0 ? 2 * i : 2 * i + 1));
    }
    bytes[i] = static_cast<char>(high << 4 | low);
  }
  return bytes;
}

}  // namespace

std::string HexText(std::string_view bytes) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    hex += kDigits[value >> 4];
    hex += kDigits[value & 0x0F];
  }
  return hex;
}

// The configured cipher: algorithm for the key's size, key and vector bytes.
class DesComponent {
 public:
  explicit DesComponent(const std::string& key)
      : key_(key), iv_(HexBytes(kInitialisationVector)) {
    const char* name = CipherName(key.size());
    if (!name) {
      throw ECryptError("Key of " + std::to_string(key.size()) +
                        " bytes is not supported: a key has 8, 16 or 24 characters");
    }
    cipher_.reset(EVP_CIPHER_fetch(CipherLibrary::Instance().context(), name, nullptr));
    if (!cipher_) throw ECryptError(OpenSslError(std::string("Cipher ") + name + " is not available"));
  }

  std::string Run(std::string_view input, bool encrypt) const {
    if (input.size() > INT_MAX - kBlockSize) throw ECryptError("Text too long to encipher");
    const CipherContext context(EVP_CIPHER_CTX_new());
    const auto* key = reinterpret_cast<const unsigned char*>(key_.data());
    const auto* iv = reinterpret_cast<const unsigned char*>(iv_.data());
    if (!context || EVP_CipherInit_ex2(context.get(), cipher_.get(), key, iv, encrypt ? 1 : 0, nullptr) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1) {
      throw ECryptError(OpenSslError("Cannot set up the cipher"));
    }
    std::vector<unsigned char> output(input.size() + kBlockSize);
    int written = 0;
    int final_written = 0;
    if (EVP_CipherUpdate(context.get(), output.data(), &written,
                         reinterpret_cast<const unsigned char*>(input.data()),
                         static_cast<int>(input.size())) != 1 ||
        EVP_CipherFinal_ex(context.get(), output.data() + written, &final_written) != 1) {
      throw ECryptError(OpenSslError(encrypt ? "Encryption failed" : "Decryption failed"));
    }
    return std::string(reinterpret_cast<const char*>(output.data()),
                       static_cast<std::size_t>(written + final_written));
  }

 private:
  std::string key_;
  std::string iv_;
  std::unique_ptr<EVP_CIPHER, CipherFree> cipher_;
};

TDESCrypt::TDESCrypt(std::string_view AKey) { SetKey(platform::ToAnsi(AKey)); }

TDESCrypt::~TDESCrypt() = default;

void TDESCrypt::SetKey(std::string AKey) {
  const std::lock_guard lock(FLock);
  FCrypt.reset();
  if (AKey.empty()) throw ECryptError("No value passed into SetKey");
  FKey = std::move(AKey);
  FCrypt = std::make_unique<DesComponent>(FKey);
}

// Blank padding: the text's bytes are filled with blanks up to the next whole
// block of 8 bytes. A text that already fills its last block, the empty text
// included, gets no padding at all, so it enciphers to exactly its own length.
std::string TDESCrypt::EncStr(std::string_view AText) const {
  std::string plain = platform::ToAnsi(AText);
  plain.append((kBlockSize - plain.size() % kBlockSize) % kBlockSize, kPad);
  const std::lock_guard lock(FLock);
  if (!FCrypt) throw ECryptError("No key set for the cipher");
  return HexText(FCrypt->Run(plain, true));
}

// Decryption strips every trailing blank: padding cannot be told apart from
// blanks the text itself ended with, so trailing blanks never survive a round
// trip (the envelopes this carries are trimmed anyway).
std::string TDESCrypt::DecStr(std::string_view AHex) const {
  const std::string cipher_text = HexBytes(AHex);
  if (cipher_text.size() % kBlockSize != 0) {
    throw ECipherTextError("Cipher text of " + std::to_string(cipher_text.size()) +
                           " bytes is not a whole number of 8-byte blocks");
  }
  std::string plain;
  {
    const std::lock_guard lock(FLock);
    if (!FCrypt) throw ECryptError("No key set for the cipher");
    plain = FCrypt->Run(cipher_text, false);
  }
  plain.erase(plain.find_last_not_of(kPad) + 1);
  return platform::FromAnsi(plain);
}

}  // namespace lumora
