#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "foundation/curl_easy.h"
#include "service/batch_uploader.h"

namespace lumora {
namespace {

// Feeds the batch to libcurl so that its CR LF line ends cross the wire as
// CR LF. Where libcurl itself puts a CR before every LF in transfer type A
// (older versions even before an LF that already has one), each CR LF is
// turned into LF first, or it would arrive as CR CR LF; a CR without LF is
// kept. Elsewhere the bytes go as they are.
class LineEndReader {
 public:
  explicit LineEndReader(TStream& stream) : stream_(stream) {}

  size_t Fill(char* out, size_t room) {
    if constexpr (!kCurlAddsCrInTypeA) return Copy(out, room);
    size_t filled = 0;
    while (filled < room) {
      if (next_ == chunk_.size() && !Refill()) break;
      const char c = chunk_[next_];
      if (pending_cr_) {
        pending_cr_ = false;
        if (c != '\n') {
          out[filled++] = '\r';
          continue;  // c is looked at again with the CR out of the way
        }
      } else if (c == '\r') {
        pending_cr_ = true;
        ++next_;
        continue;
      }
      out[filled++] = c;
      ++next_;
    }
    if (filled < room && pending_cr_ && at_end_) {
      pending_cr_ = false;
      out[filled++] = '\r';
    }
    return filled;
  }

  // The stream's error, kept to be raised once libcurl has given up.
  std::exception_ptr error;

 private:
  size_t Copy(char* out, size_t room) {
    size_t filled = 0;
    while (filled < room && (next_ < chunk_.size() || Refill())) {
      const size_t count = std::min(room - filled, chunk_.size() - next_);
      std::memcpy(out + filled, chunk_.data() + next_, count);
      filled += count;
      next_ += count;
    }
    return filled;
  }

  bool Refill() {
    if (at_end_) return false;
    chunk_.resize(16384);
    const std::int32_t got = stream_.Read(chunk_.data(), static_cast<std::int32_t>(chunk_.size()));
    chunk_.resize(static_cast<size_t>(std::max(got, 0)));
    next_ = 0;
    at_end_ = got <= 0;
    return !at_end_;
  }

  TStream& stream_;
  std::string chunk_;
  size_t next_ = 0;
  bool pending_cr_ = false;
  bool at_end_ = false;
};

size_t ReadCallback(char* buffer, size_t size, size_t count, void* user) {
  auto* reader = static_cast<LineEndReader*>(user);
  try {
    return reader->Fill(buffer, size * count);
  } catch (...) {
    reader->error = std::current_exception();
    return CURL_READFUNC_ABORT;
  }
}

std::string EscapedName(CURL* curl, const std::string& name) {
  const std::unique_ptr<char, void (*)(void*)> escaped(
      curl_easy_escape(curl, name.c_str(), static_cast<int>(name.size())), curl_free);
  if (!escaped) throw EFtpError("Out of memory");
  return escaped.get();
}

// Older libcurl takes the reply time-out in whole seconds; round up.
long Seconds(std::chrono::milliseconds ms) {
  return std::max<long>(1, static_cast<long>((ms.count() + 999) / 1000));
}

}  // namespace

TFtpUploader::TFtpUploader(TFtpSettings ASettings) : settings_(std::move(ASettings)) {}

void TFtpUploader::Store(const std::string& ARemoteName, TStream& AStream) {
  if (settings_.Host.empty()) throw EFtpError("No FTP server is set for the upload");
  const CurlEasy curl(CurlRoute::kDirectIpv4);
  CURL* h = curl.get();

  const std::string url = "ftp://" + settings_.Host + ":" + std::to_string(settings_.Port) + "/" +
                          EscapedName(h, ARemoteName);
  LineEndReader reader(AStream);

  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_USERNAME, settings_.User.c_str());
  curl_easy_setopt(h, CURLOPT_PASSWORD, settings_.Password.c_str());
  // Passive mode with the classic PASV of RFC 959.
  curl_easy_setopt(h, CURLOPT_FTP_USE_EPSV, 0L);
  curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 1L);
  curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(h, CURLOPT_READFUNCTION, ReadCallback);
  curl_easy_setopt(h, CURLOPT_READDATA, &reader);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(settings_.ConnectTimeout.count()));
#if LIBCURL_VERSION_NUM >= 0x080600
  curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT_MS,
                   static_cast<long>(settings_.ReplyTimeout.count()));
#else
  curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, Seconds(settings_.ReplyTimeout));
#endif
  // A data connection that stops moving is given up after the reply time-out.
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, Seconds(settings_.ReplyTimeout));

  const CURLcode result = curl_easy_perform(h);
  if (reader.error) std::rethrow_exception(reader.error);
  if (result != CURLE_OK) {
    long reply = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &reply);
    std::string text = curl.ErrorText(result);
    const std::string code = std::to_string(reply);
    if (reply != 0 && text.find(code) == std::string::npos) text += " (reply " + code + ")";
    throw EFtpError(text);
  }
}

}  // namespace lumora
