#pragma once

// One HTTP POST with the reply body collected in memory: the support
// notifier's only use of the network.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "foundation/exceptions.h"

namespace lumora {

// The exchange failed: no connection, a time-out, an HTTP error status, or a
// reply larger than the endpoint allows.
LUMORA_DECLARE_EXCEPTION(EHttpError, Exception);

// Where a POST goes and how long it may take.
struct HttpEndpoint {
  std::string url;
  std::chrono::milliseconds connect_timeout{std::chrono::seconds(15)};
  std::chrono::milliseconds total_timeout{std::chrono::seconds(60)};
  std::size_t max_reply_bytes = std::size_t{1} << 20;
};

// Posts `body` and returns the reply body. Blocks the calling thread for at
// most the total time-out; raises EHttpError (ECurlError when libcurl itself
// cannot start).
std::string HttpPost(const HttpEndpoint& endpoint, std::string_view body);

}  // namespace lumora
