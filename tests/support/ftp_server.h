#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_dir.h"

namespace lumora::test {

// A real FTP server on a loopback port, a free one unless one is given
// (pyftpdlib under the system's python3), with one account whose home is a fresh folder. ASCII uploads are
// stored exactly as they arrived. Started by the constructor, which returns
// once the server listens; stopped when the object goes.
class FtpServer {
 public:
  // With fail_first_upload, the first upload of each file name is refused
  // (451), the second accepted.
  FtpServer(std::string user = "lumora", std::string password = "s3cret-Pa55word-0f-25-chr",
            int port = 0, bool fail_first_upload = false);
  ~FtpServer();
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  int port() const { return port_; }
  const std::string& user() const { return user_; }
  const std::string& password() const { return password_; }
  // The account's starting directory.
  const std::filesystem::path& home() const { return home_; }
  // Every command received so far, one a line, with "PASS ****".
  std::string Commands() const;

 private:
  void Stop();

  TempDir dir_;
  std::filesystem::path home_;
  std::string user_;
  std::string password_;
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace lumora::test
