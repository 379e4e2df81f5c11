// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include <climits>
#include <cstdio>
#include <vector>

#include "foundation/block_cipher.h"
#include "foundation/uQzCrypto.h"

namespace lumora {
namespace {

std::string StatusText(std::string_view what, NTSTATUS status) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
  return std::string(what) + " (NTSTATUS " + code + ")";
}

struct AlgorithmClose {
  void operator()(BCRYPT_ALG_HANDLE handle) const { BCryptCloseAlgorithmProvider(handle, 0); }
};
struct KeyDestroy {
  void operator()(BCRYPT_KEY_HANDLE handle) const { BCryptDestroyKey(handle); }
};

// CNG's three-key triple DES. Single DES and two-key triple DES are not used
// directly: Wine's CNG lacks them, and the expanded key gives the same bytes.
class CngTripleDes final : public BlockCipher {
 public:
  CngTripleDes(std::string_view key, std::string_view iv) : key_(key), iv_(iv) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    NTSTATUS status = BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_3DES_ALGORITHM, nullptr, 0);
    if (!BCRYPT_SUCCESS(status)) throw ECryptError(StatusText("Cipher 3DES is not available", status));
    algorithm_.reset(algorithm);
    status = BCryptSetProperty(algorithm, BCRYPT_CHAINING_MODE,
                               reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(BCRYPT_CHAIN_MODE_CBC)),
                               sizeof(BCRYPT_CHAIN_MODE_CBC), 0);
    if (!BCRYPT_SUCCESS(status)) throw ECryptError(StatusText("Cannot select CBC mode", status));
    GenerateKey();  // an unusable key fails when it is set, not when first used
  }

  std::string Run(std::string_view input, bool encrypt) const override {
    if (input.size() > INT_MAX) throw ECryptError("Text too long to encipher");
    if (input.empty()) return {};
    // A key object of its own for every call: Wine's CNG carries the chaining
    // state over from one call to the next even when it is handed the vector
    // again, and each Run must start afresh from the vector.
    const auto key = GenerateKey();
    std::string iv = iv_;
    std::string data(input);
    std::vector<unsigned char> output(input.size());
    ULONG written = 0;
    auto* in = reinterpret_cast<PUCHAR>(data.data());
    auto* vector = reinterpret_cast<PUCHAR>(iv.data());
    const auto in_size = static_cast<ULONG>(data.size());
    const auto iv_size = static_cast<ULONG>(iv.size());
    const auto out_size = static_cast<ULONG>(output.size());
    const NTSTATUS status =
        encrypt ? BCryptEncrypt(key.get(), in, in_size, nullptr, vector, iv_size, output.data(),
                                out_size, &written, 0)
                : BCryptDecrypt(key.get(), in, in_size, nullptr, vector, iv_size, output.data(),
                                out_size, &written, 0);
    if (!BCRYPT_SUCCESS(status)) {
      throw ECryptError(StatusText(encrypt ? "Encryption failed" : "Decryption failed", status));
    }
    return std::string(reinterpret_cast<const char*>(output.data()), written);
  }

 private:
  std::unique_ptr<void, KeyDestroy> GenerateKey() const {
    std::string key_bytes = key_;
    BCRYPT_KEY_HANDLE handle = nullptr;
    const NTSTATUS status = BCryptGenerateSymmetricKey(
        algorithm_.get(), &handle, nullptr, 0, reinterpret_cast<PUCHAR>(key_bytes.data()),
        static_cast<ULONG>(key_bytes.size()), 0);
    if (!BCRYPT_SUCCESS(status)) throw ECryptError(StatusText("Cannot set up the key", status));
    return std::unique_ptr<void, KeyDestroy>(handle);
  }

  std::string key_;
  std::string iv_;
  std::unique_ptr<void, AlgorithmClose> algorithm_;
};

}  // namespace

std::unique_ptr<BlockCipher> CreateTripleDesCbc(std::string_view key, std::string_view iv) {
  return std::make_unique<CngTripleDes>(key, iv);
}

}  // namespace lumora
