#include "configurator/ftp_login_test.h"

#include <memory>

#include "foundation/curl_easy.h"

namespace lumora {
namespace {

// The URL takes no user text apart from the host, which curl's URL parser
// checks; user name and password travel as options, so characters such as
// "@" or ":" in them cannot change where the client connects.
struct UrlDeleter {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

// Keeps the last reply line the server sent, so a refused log-in is reported
// with the server's own words ("530 Login incorrect.").
struct ReplyTrace {
  std::string last_reply;
};

int TraceReplies(CURL*, curl_infotype type, char* data, size_t size, void* user) {
  if (type == CURLINFO_HEADER_IN) {
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) static_cast<ReplyTrace*>(user)->last_reply = line;
  }
  return 0;
}

std::string Failed(const std::string& text) { return "Connection failed: " + text; }

}  // namespace

std::string TestFtpLogin(const std::string& host, const std::string& user,
                         const std::string& password, int port, long connect_timeout_seconds) {
  std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
  if (!url) return Failed("out of memory");

  const std::string port_text = std::to_string(port);
  CURLUcode url_code = curl_url_set(url.get(), CURLUPART_SCHEME, "ftp", 0);
  if (url_code == CURLUE_OK) url_code = curl_url_set(url.get(), CURLUPART_HOST, host.c_str(), 0);
  if (url_code == CURLUE_OK) url_code = curl_url_set(url.get(), CURLUPART_PORT, port_text.c_str(), 0);
  if (url_code == CURLUE_OK) url_code = curl_url_set(url.get(), CURLUPART_PATH, "/", 0);
  if (url_code != CURLUE_OK) return Failed(curl_url_strerror(url_code));

  std::unique_ptr<CurlEasy> easy;
  try {
    easy = std::make_unique<CurlEasy>(CurlRoute::kDirectIpv4);
  } catch (const ECurlError& error) {
    return Failed(error.what());
  }
  ReplyTrace trace;
  CURL* e = easy->get();
  curl_easy_setopt(e, CURLOPT_CURLU, url.get());
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(e, CURLOPT_USERNAME, user.c_str());
  curl_easy_setopt(e, CURLOPT_PASSWORD, password.c_str());
  curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, connect_timeout_seconds);
  // NOBODY on the root directory: curl connects, reads the greeting, logs in
  // and asks for the working directory, but opens no data connection. The
  // connection is not kept for reuse, so the clean-up below sends QUIT.
  curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, TraceReplies);
  curl_easy_setopt(e, CURLOPT_DEBUGDATA, &trace);
  curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);

  const CURLcode code = curl_easy_perform(e);
  easy->Close();  // closes the control connection with QUIT
  if (code == CURLE_OK) return "Connection successful";
  if (code == CURLE_LOGIN_DENIED && !trace.last_reply.empty()) return Failed(trace.last_reply);
  return Failed(easy->ErrorText(code));
}

}  // namespace lumora
