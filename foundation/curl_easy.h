#pragma once

// libcurl as the programs use it: the FTP upload, the configurator's FTP
// log-in test and the support notice's HTTP POST each run one transfer on a
// handle of their own.

#include <curl/curl.h>

#include <array>
#include <string>

#include "foundation/exceptions.h"

namespace lumora {

// libcurl could not start, or gave no handle.
LUMORA_DECLARE_EXCEPTION(ECurlError, Exception);

// Where a transfer's connection may go.
enum class CurlRoute {
  // IPv4 only and never through a proxy, whatever ftp_proxy or all_proxy
  // say: for endpoints that are fixed by the program or typed by the operator.
  kDirectIpv4,
  // The environment's proxy settings (loopback excepted) and either address
  // family.
  kEnvironmentProxy,
};

// Whether libcurl, uploading in transfer type A, puts a CR before every LF
// it sends. It does where text lines end in LF alone; on Windows, where they
// already end in CR LF, it sends the bytes as they are (libcurl's own rule).
#ifdef _WIN32
inline constexpr bool kCurlAddsCrInTypeA = false;
#else
inline constexpr bool kCurlAddsCrInTypeA = true;
#endif

// One libcurl easy handle, cleaned up when the object goes. The first handle
// of the process starts libcurl (once: its global start-up is not
// thread-safe). Every handle runs without signals, which do not mix with
// threads, and records libcurl's detailed error text. Raises ECurlError when
// libcurl cannot start or gives no handle.
class CurlEasy {
 public:
  explicit CurlEasy(CurlRoute route);
  ~CurlEasy();
  CurlEasy(const CurlEasy&) = delete;
  CurlEasy& operator=(const CurlEasy&) = delete;

  CURL* get() const { return handle_; }

  // Ends the handle now; for FTP that closes the control connection with QUIT.
  void Close();

  // What went wrong in the last transfer: libcurl's detailed text, or the
  // text of `code` when it gave none.
  std::string ErrorText(CURLcode code) const;

 private:
  CURL* handle_ = nullptr;
  // libcurl writes into this while the handle lives; the object stays put.
  std::array<char, CURL_ERROR_SIZE> error_text_{};
};

}  // namespace lumora
