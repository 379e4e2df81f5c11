#include "foundation/uQzCrypto.h"

#include "foundation/block_cipher.h"
#include "platform/ansi_code_page.h"

namespace lumora {
namespace {

// The fixed initialisation vector shared by every key and every peer.
constexpr std::string_view kInitialisationVector = "5B21F0C8D39C2F16";
constexpr std::size_t kBlockSize = BlockCipher::kBlockBytes;
constexpr char kPad = ' ';

// The three-key triple DES key that enciphers like the DES-family member for
// the text key's size: single DES is K,K,K (each EDE pass cancels the one
// before it) and two-key triple DES is K1,K2,K1. Empty for other sizes.
std::string ExpandedKey(const std::string& key) {
  switch (key.size()) {
    case 8: return key + key + key;
    case 16: return key + key.substr(0, 8);
    case 24: return key;
    default: return {};
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

// The configured cipher for one key.
class DesComponent {
 public:
  explicit DesComponent(const std::string& key) {
    const std::string expanded = ExpandedKey(key);
    if (expanded.empty()) {
      throw ECryptError("Key of " + std::to_string(key.size()) +
                        " bytes is not supported: a key has 8, 16 or 24 characters");
    }
    cipher_ = CreateTripleDesCbc(expanded, HexBytes(kInitialisationVector));
  }

  std::string Run(std::string_view input, bool encrypt) const { return cipher_->Run(input, encrypt); }

 private:
  std::unique_ptr<BlockCipher> cipher_;
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
