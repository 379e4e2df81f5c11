#include "support/http_post.h"

#include <curl/curl.h>

#include <array>
#include <memory>

namespace lumora {
namespace {

// curl_global_init is not thread-safe in every libcurl; a function-local
// static runs it exactly once, before the first handle.
void InitialiseCurl() {
  static const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (result != CURLE_OK) throw EHttpError(std::string("Cannot start libcurl: ") + curl_easy_strerror(result));
}

struct EasyFree {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListFree {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

struct ReplySink {
  std::string body;
  std::size_t limit = 0;
  bool overflowed = false;
};

// Stops the transfer (by taking less than offered) once the reply would pass
// its limit, so a hostile endpoint cannot make us allocate without bound.
std::size_t CollectReply(char* data, std::size_t size, std::size_t count, void* user) {
  auto& sink = *static_cast<ReplySink*>(user);
  const std::size_t bytes = size * count;
  if (bytes > sink.limit - sink.body.size()) {
    sink.overflowed = true;
    return 0;
  }
  sink.body.append(data, bytes);
  return bytes;
}

void Set(CURL* handle, CURLoption option, auto value) {
  if (curl_easy_setopt(handle, option, value) != CURLE_OK) {
    throw EHttpError("Cannot configure the HTTP request");
  }
}

}  // namespace

std::string HttpPost(const HttpEndpoint& endpoint, std::string_view body) {
  InitialiseCurl();
  const std::unique_ptr<CURL, EasyFree> handle(curl_easy_init());
  if (!handle) throw EHttpError("Cannot create an HTTP client");
  CURL* curl = handle.get();

  // No "Expect: 100-continue": a server that does not know it would stall us.
  curl_slist* raw_headers = curl_slist_append(nullptr, "Content-Type: text/plain");
  const std::unique_ptr<curl_slist, ListFree> headers(raw_headers);
  if (!raw_headers || !curl_slist_append(raw_headers, "Expect:")) {
    throw EHttpError("Cannot create the HTTP headers");
  }

  ReplySink sink;
  sink.limit = endpoint.max_reply_bytes;
  std::array<char, CURL_ERROR_SIZE> detail{};
  Set(curl, CURLOPT_URL, endpoint.url.c_str());
  Set(curl, CURLOPT_PROTOCOLS_STR, "http");
  Set(curl, CURLOPT_NOSIGNAL, 1L);  // signals and threads do not mix
  Set(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
  Set(curl, CURLOPT_USERAGENT, "LumoraRPro9Service");
  Set(curl, CURLOPT_HTTPHEADER, raw_headers);
  Set(curl, CURLOPT_POST, 1L);
  Set(curl, CURLOPT_POSTFIELDS, body.data());
  Set(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  Set(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(endpoint.connect_timeout.count()));
  Set(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(endpoint.total_timeout.count()));
  Set(curl, CURLOPT_WRITEFUNCTION, &CollectReply);
  Set(curl, CURLOPT_WRITEDATA, static_cast<void*>(&sink));
  Set(curl, CURLOPT_ERRORBUFFER, detail.data());

  const CURLcode result = curl_easy_perform(curl);
  if (sink.overflowed) {
    throw EHttpError("The reply from " + endpoint.url + " is larger than " +
                     std::to_string(endpoint.max_reply_bytes) + " bytes");
  }
  if (result != CURLE_OK) {
    std::string message = curl_easy_strerror(result);
    if (detail[0] != '\0') message = detail.data();
    throw EHttpError("HTTP request to " + endpoint.url + " failed: " + message);
  }
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299) {
    throw EHttpError("HTTP request to " + endpoint.url + " failed with status " + std::to_string(status));
  }
  return std::move(sink.body);
}

}  // namespace lumora
