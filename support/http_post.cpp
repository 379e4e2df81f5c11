#include "support/http_post.h"

#include <memory>

#include "foundation/curl_easy.h"

namespace lumora {
namespace {

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
  const CurlEasy handle(CurlRoute::kEnvironmentProxy);
  CURL* curl = handle.get();

  // No "Expect: 100-continue": a server that does not know it would stall us.
  curl_slist* raw_headers = curl_slist_append(nullptr, "Content-Type: text/plain");
  const std::unique_ptr<curl_slist, ListFree> headers(raw_headers);
  if (!raw_headers || !curl_slist_append(raw_headers, "Expect:")) {
    throw EHttpError("Cannot create the HTTP headers");
  }

  ReplySink sink;
  sink.limit = endpoint.max_reply_bytes;
  Set(curl, CURLOPT_URL, endpoint.url.c_str());
  Set(curl, CURLOPT_PROTOCOLS_STR, "http");
  Set(curl, CURLOPT_USERAGENT, "LumoraRPro9Service");
  Set(curl, CURLOPT_HTTPHEADER, raw_headers);
  Set(curl, CURLOPT_POST, 1L);
  Set(curl, CURLOPT_POSTFIELDS, body.data());
  Set(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  Set(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(endpoint.connect_timeout.count()));
  Set(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(endpoint.total_timeout.count()));
  Set(curl, CURLOPT_WRITEFUNCTION, &CollectReply);
  Set(curl, CURLOPT_WRITEDATA, static_cast<void*>(&sink));

  const CURLcode result = curl_easy_perform(curl);
  if (sink.overflowed) {
    throw EHttpError("The reply from " + endpoint.url + " is larger than " +
                     std::to_string(endpoint.max_reply_bytes) + " bytes");
  }
  if (result != CURLE_OK) {
    throw EHttpError("HTTP request to " + endpoint.url + " failed: " + handle.ErrorText(result));
  }
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299) {
    throw EHttpError("HTTP request to " + endpoint.url + " failed with status " + std::to_string(status));
  }
  return std::move(sink.body);
}

}  // namespace lumora
