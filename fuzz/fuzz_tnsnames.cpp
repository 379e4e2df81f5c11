// Two properties of the tnsnames.ora search. Arbitrary text: whatever the
// search returns is empty or one line starting with "(". Built text: a
// descriptor made from the input, spread over lines and placed behind a
// comment and two other entries in a real file (with or without a UTF-8
// byte-order mark), resolves to itself with only its line breaks removed.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "retailpro/uQzOraUtils.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Printable ASCII without the characters that shape an entry.
std::string Plain(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    if (c >= ' ' && c <= '~' && c != '(' && c != ')' && c != '#' && c != '=') text.push_back(c);
  }
  return text;
}

std::string TempFile() {
  char path[] = "/tmp/fuzz_tnsnames_XXXXXX";
  const int fd = ::mkstemp(path);
  Check(fd >= 0);
  ::close(fd);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  for (const std::string_view alias : {"RPROODS", "rproods ", "X"}) {
    const std::string found = FindConnectDescriptor(alias, input);
    Check(found.empty() || found.front() == '(');
    Check(found.find_first_of("\r\n") == std::string::npos);
  }

  const std::size_t third = input.size() / 3;
  const std::string host = Plain(input.substr(0, third));
  const std::string other = Plain(input.substr(third, third));
  const std::string descriptor = "(DESCRIPTION = (ADDRESS = (PROTOCOL = TCP)(HOST = " + host +
                                 "))(CONNECT_DATA = (SERVICE_NAME = " + other + ")))";
  // The rest of the input chooses where the descriptor breaks its lines.
  std::string spread;
  const std::string_view breaks = input.substr(2 * third);
  for (std::size_t i = 0; i < descriptor.size(); ++i) {
    spread.push_back(descriptor[i]);
    if (!breaks.empty() && static_cast<unsigned char>(breaks[i % breaks.size()]) % 7 == 0) spread += "\r\n";
  }
  const bool mark = !input.empty() && (input[0] & 1) != 0;
  const std::string file_text = std::string(mark ? "\xEF\xBB\xBF" : "") + "# written by hand\r\n" +
                                "OTHER.WORLD = (DESCRIPTION = (HOST = " + host + "))\r\n" +
                                "TEST =\r\n  (DESCRIPTION = (SID = " + other + "))\r\n" +
                                "rproods.world\r\n" +  // not the alias: a different name
                                "  = (X)\r\nRPROODS =\r\n  " + spread + "\r\n";

  Check(FindConnectDescriptor(" rproods ", file_text.substr(mark ? 3 : 0)) == descriptor);

  static const std::string path = TempFile();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Check(file != nullptr);
  std::fwrite(file_text.data(), 1, file_text.size(), file);
  std::fclose(file);
  Check(TNSNamesConnectString("RPROODS", path, "", "") == descriptor);
  return 0;
}
