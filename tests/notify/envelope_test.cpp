#include "support/request_envelopes.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "foundation/uQzCrypto.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

constexpr std::string_view kFirst = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXY";
constexpr std::string_view kFurther =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";

bool IsFiller(std::string_view text, std::size_t length) {
  if (text.size() != length || kFirst.find(text[0]) == std::string_view::npos) return false;
  return text.substr(1).find_first_not_of(kFurther) == std::string_view::npos;
}

std::string Decipher(std::string_view hex) { return TCrypt(EnvelopeKey).DecStr(hex); }

class EnvelopeTest : public ::testing::Test {
 protected:
  EnvelopeTest() {
    request_.FEventDatetime = "12/09/2026 23:04:05.123";
    request_.FLevel = 1;
    request_.FLogType = "INFO";
    request_.FLogMessage = "a < b && c > d \"quoted\" 'x' Grüße";
    request_.FArea = "ScanInventory";
    request_.FClientID = "store-7";
    request_.FProductID = "LumoraV9";
    request_.FVersion = "version.dll";
  }

  test::FakeClock clock_{test::At(2026, 12, 9, 23, 4, 5, 123)};
  TLogRequest request_;
};

TEST_F(EnvelopeTest, LaysOutTheRequestWithFillersAfterEveryPart) {
  const std::string xml = Decipher(request_.AsString());
  EXPECT_EQ(xml.rfind("<REQUEST RequestType=\"rqLogRequest\"><", 0), 0U) << xml;
  EXPECT_EQ(xml.find_first_of("\r\n\t"), std::string::npos) << "white space in " << xml;
  EXPECT_EQ(xml.find("><"), xml.find('>')) << "text between elements in " << xml;

  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(xml.c_str()));
  const pugi::xml_node root = document.document_element();
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"ClientID", ""},
      {"Timestamp", "20261209230405123"},
      {"EventDatetime", "12/09/2026 23:04:05.123"},
      {"Level", "1"},
      {"LogType", "INFO"},
      {"LogMessage", "a < b && c > d \"quoted\" 'x' Grüße"},
      {"Area", "ScanInventory"},
      {"ClientID", "store-7"},
      {"ProductID", "LumoraV9"},
      {"Version", "version.dll"},
  };
  std::vector<pugi::xml_node> children(root.begin(), root.end());
  ASSERT_EQ(children.size(), 1 + 2 * expected.size()) << xml;
  for (std::size_t i = 0; i < children.size(); i += 2) {
    EXPECT_TRUE(IsFiller(children[i].name(), 8)) << "filler name " << children[i].name();
    EXPECT_TRUE(IsFiller(children[i].text().get(), 32)) << "filler text " << children[i].text().get();
    if (i + 1 == children.size()) break;
    const auto& [name, text] = expected[i / 2];
    EXPECT_EQ(children[i + 1].name(), name) << "element " << i + 1;
    EXPECT_EQ(children[i + 1].text().get(), text) << name;
  }
  EXPECT_EQ(request_.Timestamp(), "20261209230405123");
  EXPECT_NE(xml.find("a &lt; b &amp;&amp; c"), std::string::npos) << xml;
}

TEST_F(EnvelopeTest, TwoEnvelopesWithEqualFieldsDiffer) {
  const std::string first = request_.AsString();
  const std::string second = request_.AsString();
  EXPECT_NE(first, second);
  EXPECT_NE(Decipher(first), Decipher(second));
}

TEST_F(EnvelopeTest, RequestsAndResponsesReadBackTheirOwnText) {
  request_.SetClientID("header-id");
  TLogRequest copy;
  copy.SetAsString(request_.AsString());
  EXPECT_EQ(copy.ClientID(), "header-id");
  EXPECT_EQ(copy.Timestamp(), "20261209230405123");
  EXPECT_EQ(copy.FClientID, "store-7");
  EXPECT_EQ(copy.FLogMessage, request_.FLogMessage);
  EXPECT_EQ(copy.FLevel, 1);
  EXPECT_EQ(copy.FVersion, "version.dll");

  TAbstractResponse response;
  response.FResponseType = TResponseType::rsSuccess;
  response.FResponseText = "stored <ok>";
  response.FContent = "42";
  TAbstractResponse read;
  read.SetAsString(response.AsString());
  EXPECT_EQ(read.ResponseType(), TResponseType::rsSuccess);
  EXPECT_EQ(read.ResponseText(), "stored <ok>");
  EXPECT_EQ(read.Content(), "42");
}

// Python's own XML parser (expat) reads each envelope, so the test does not
// trust the library that wrote it. It prints each LogMessage as hex.
std::vector<std::string> ReadWithPython(const std::vector<std::string>& documents) {
  test::TempDir dir;
  std::string paths;
  for (std::size_t i = 0; i < documents.size(); ++i) {
    paths += " " + dir.Write("envelope" + std::to_string(i) + ".xml", documents[i]).string();
  }
  const std::string script =
      "import sys, xml.etree.ElementTree as ET\n"
      "for p in sys.argv[1:]:\n"
      "    try:\n"
      "        print(ET.parse(p).getroot().find('LogMessage').text.encode('utf-8').hex())\n"
      "    except ET.ParseError as e:\n"
      "        print('rejected: ' + str(e))\n";
  const auto script_path = dir.Write("read.py", script);
  const std::string command = "/usr/bin/python3 " + script_path.string() + paths;
  std::vector<std::string> answers;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return answers;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string answer(line);
    if (!answer.empty() && answer.back() == '\n') answer.pop_back();
    answers.push_back(answer);
  }
  ::pclose(pipe);
  return answers;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const char c : bytes) {
    hex += kDigits[static_cast<unsigned char>(c) >> 4];
    hex += kDigits[static_cast<unsigned char>(c) & 0x0F];
  }
  return hex;
}

TEST_F(EnvelopeTest, AnyMessageMakesAnEnvelopeThatAConformingReaderAccepts) {
  // The body is 8-bit text: what it cannot carry arrives as "?".
  const std::string replacement = "?";
  const struct {
    const char* name;
    std::string message;
    std::string read_back;
  } rows[] = {
      {"CR LF", "one\r\ntwo", "one\r\ntwo"},
      {"lone CR", "one\rtwo\r", "one\rtwo\r"},
      {"tab and LF", "a\tb\nc", "a\tb\nc"},
      {"bell", "ring\x07!", "ring" + replacement + "!"},
      {"NUL", std::string("a\0b", 3), "a" + replacement + "b"},
      {"escape and DEL", "\x1b[0m\x7f", replacement + "[0m\x7f"},
      {"byte that is not UTF-8", "caf\xe9", "caf" + replacement},
      {"non-character U+FFFE", "x\xEF\xBF\xBEy", "x" + replacement + "y"},
      {"markup and accents", "<a & b> Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80", "<a & b> Gr\xC3\xBC\xC3\x9F" "e ?"},
  };
  std::vector<std::string> documents;
  for (const auto& row : rows) {
    request_.FLogMessage = row.message;
    documents.push_back(Decipher(request_.AsString()));
  }
  const std::vector<std::string> answers = ReadWithPython(documents);
  ASSERT_EQ(answers.size(), std::size(rows));
  for (std::size_t i = 0; i < answers.size(); ++i) {
    EXPECT_EQ(answers[i], Hex(rows[i].read_back)) << rows[i].name << ": " << documents[i];
  }
  // The product's own reader gets the same text back.
  request_.FLogMessage = "one\r\ntwo\r";
  TLogRequest copy;
  copy.SetAsString(request_.AsString());
  EXPECT_EQ(copy.FLogMessage, "one\r\ntwo\r");
}

TEST(ResponseEnvelope, ReadsDirectChildrenByExactNameAndKeepsMissingHeaderFields) {
  const struct {
    const char* name;
    const char* xml;
    TResponseType type;
    const char* text;
    const char* client_id;
  } rows[] = {
      {"success", "<RESPONSE><ResponseType>rsSuccess</ResponseType><ResponseText>ok</ResponseText>"
                  "<ClientID>c1</ClientID></RESPONSE>",
       TResponseType::rsSuccess, "ok", "c1"},
      {"first match counts", "<RESPONSE><ResponseText>one</ResponseText><ResponseType>rsSuccess"
                             "</ResponseType><ResponseText>two</ResponseText></RESPONSE>",
       TResponseType::rsSuccess, "one", "kept"},
      {"undefined", "<RESPONSE><ResponseType>rsUndefined</ResponseType></RESPONSE>",
       TResponseType::rsUndefined, "", "kept"},
      {"unknown name", "<RESPONSE><ResponseType>rsMaybe</ResponseType></RESPONSE>",
       TResponseType::rsUnrecognised, "", "kept"},
      {"name in another case", "<RESPONSE><ResponseType>RSSUCCESS</ResponseType></RESPONSE>",
       TResponseType::rsUnrecognised, "", "kept"},
      {"no type", "<RESPONSE><ResponseText>why</ResponseText></RESPONSE>",
       TResponseType::rsUnrecognised, "why", "kept"},
      {"nested, not direct", "<RESPONSE><Wrap><ResponseType>rsSuccess</ResponseType></Wrap>"
                             "</RESPONSE>",
       TResponseType::rsUnrecognised, "", "kept"},
      {"request, not response", "<REQUEST><ResponseType>rsSuccess</ResponseType>"
                                "<ClientID>c2</ClientID></REQUEST>",
       TResponseType::rsUndefined, "", "c2"},
  };
  for (const auto& row : rows) {
    TAbstractResponse response;
    response.SetClientID("kept");
    response.SetAsString(TCrypt(EnvelopeKey).EncStr(row.xml));
    EXPECT_EQ(response.ResponseType(), row.type) << row.name;
    EXPECT_EQ(response.ResponseText(), row.text) << row.name;
    EXPECT_EQ(response.ClientID(), row.client_id) << row.name;
  }
}

TEST(FillerText, DrawsFromItsAlphabetsOnly) {
  std::set<char> firsts;
  std::set<char> others;
  for (int i = 0; i < 3000; ++i) {
    const std::string filler = FillerText(8);
    ASSERT_TRUE(IsFiller(filler, 8)) << filler;
    firsts.insert(filler[0]);
    others.insert(filler.begin() + 1, filler.end());
  }
  // With this many draws every character of each alphabet shows up.
  EXPECT_EQ(firsts.size(), kFirst.size());
  EXPECT_EQ(others.size(), kFurther.size());
}

}  // namespace
}  // namespace lumora
