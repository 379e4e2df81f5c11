#include "foundation/curl_easy.h"

namespace lumora {
namespace {

void StartCurl() {
  // A function-local static runs curl_global_init exactly once, before the
  // first handle, however many threads ask.
  static const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (result != CURLE_OK) throw ECurlError(std::string("Cannot start libcurl: ") + curl_easy_strerror(result));
}

}  // namespace

CurlEasy::CurlEasy(CurlRoute route) {
  StartCurl();
  handle_ = curl_easy_init();
  if (handle_ == nullptr) throw ECurlError("Cannot create a libcurl handle");
  curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, error_text_.data());
  if (route == CurlRoute::kDirectIpv4) {
    curl_easy_setopt(handle_, CURLOPT_PROXY, "");
    curl_easy_setopt(handle_, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(handle_, CURLOPT_IPRESOLVE, CURL_IPRESOLVE_V4);
  } else {
    curl_easy_setopt(handle_, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
  }
}

CurlEasy::~CurlEasy() { Close(); }

void CurlEasy::Close() {
  if (handle_ != nullptr) curl_easy_cleanup(handle_);
  handle_ = nullptr;
}

std::string CurlEasy::ErrorText(CURLcode code) const {
  return error_text_[0] != '\0' ? std::string(error_text_.data()) : std::string(curl_easy_strerror(code));
}

}  // namespace lumora
