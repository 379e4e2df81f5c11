#include <openssl/err.h>
#include <openssl/evp.h>

#include <array>
#include <climits>
#include <vector>

#include "foundation/block_cipher.h"
#include "foundation/uQzCrypto.h"

namespace lumora {
namespace {

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

struct CipherFree {
  void operator()(EVP_CIPHER* cipher) const { EVP_CIPHER_free(cipher); }
};
struct ContextFree {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

// Triple DES lives in OpenSSL's default provider, so the library's default
// context serves; nothing here depends on the legacy provider being present.
class OpenSslTripleDes final : public BlockCipher {
 public:
  OpenSslTripleDes(std::string_view key, std::string_view iv)
      : key_(key), iv_(iv), cipher_(EVP_CIPHER_fetch(nullptr, "DES-EDE3-CBC", nullptr)) {
    if (!cipher_) throw ECryptError(OpenSslError("Cipher DES-EDE3-CBC is not available"));
  }

  std::string Run(std::string_view input, bool encrypt) const override {
    if (input.size() > INT_MAX - kBlockBytes) throw ECryptError("Text too long to encipher");
    const CipherContext context(EVP_CIPHER_CTX_new());
    const auto* key = reinterpret_cast<const unsigned char*>(key_.data());
    const auto* iv = reinterpret_cast<const unsigned char*>(iv_.data());
    if (!context ||
        EVP_CipherInit_ex2(context.get(), cipher_.get(), key, iv, encrypt ? 1 : 0, nullptr) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1) {
      throw ECryptError(OpenSslError("Cannot set up the cipher"));
    }
    std::vector<unsigned char> output(input.size() + kBlockBytes);
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

}  // namespace

std::unique_ptr<BlockCipher> CreateTripleDesCbc(std::string_view key, std::string_view iv) {
  return std::make_unique<OpenSslTripleDes>(key, iv);
}

}  // namespace lumora
