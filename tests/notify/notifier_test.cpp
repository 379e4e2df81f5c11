#include "support/uQzNotifySupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "foundation/uQzCrypto.h"
#include "tests/support/loopback.h"
#include "logging/uQzLogging.h"
#include "platform/system_facts.h"
#include "tests/support/fake_clock.h"
#include "tests/support/http_test_server.h"
#include "tests/support/log_capture.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StartsWith;

// The log line payload: tag, area column of 50 characters, message.
std::string Payload(std::string_view tag, std::string_view message) {
  return std::string(tag) + "|" + std::string(50, ' ') + "| " + std::string(message);
}

std::string Enciphered(std::string_view xml) { return TCrypt(EnvelopeKey).EncStr(xml); }

std::string Reply(std::string_view type, std::string_view text) {
  return Enciphered("<RESPONSE><ResponseType>" + std::string(type) + "</ResponseType><ResponseText>" +
                    std::string(text) + "</ResponseText><Content/><ClientID/><Timestamp/></RESPONSE>");
}

// The fields of a notification as the endpoint reads them from the body.
struct Received {
  bool valid = false;
  std::map<std::string, std::string> fields;  // body elements; the header's ClientID as "HeaderClientID"
};

Received ReadEnvelope(const test::HttpRequest& request) {
  Received received;
  pugi::xml_document document;
  const std::string xml = TCrypt(EnvelopeKey).DecStr(request.body);
  const pugi::xml_node root = document.load_string(xml.c_str()) ? document.child("REQUEST") : pugi::xml_node();
  if (!root || std::string_view(root.attribute("RequestType").value()) != "rqLogRequest") return received;
  received.valid = true;
  bool header_id = true;
  for (const pugi::xml_node child : root.children()) {
    std::string name = child.name();
    if (name == "ClientID" && header_id) {
      name = "HeaderClientID";
      header_id = false;
    }
    received.fields.emplace(name, child.text().get());
  }
  return received;
}

// A loopback endpoint answering with whatever the test sets, and a notifier
// pointed at it with short time-outs.
class NotifierTest : public ::testing::Test {
 protected:
  HttpEndpoint Endpoint(std::chrono::milliseconds total = std::chrono::seconds(5)) const {
    HttpEndpoint endpoint;
    endpoint.url = server_.url();
    endpoint.connect_timeout = std::chrono::milliseconds(500);
    endpoint.total_timeout = total;
    return endpoint;
  }
  Received LastReceived() const {
    const auto requests = server_.requests();
    return requests.empty() ? Received{} : ReadEnvelope(requests.back());
  }

  // The server thread reads the reply while the test sets the next one.
  void SetReply(test::HttpReply reply) {
    const std::lock_guard lock(reply_mutex_);
    reply_ = std::move(reply);
  }

  test::FakeClock clock_{test::At(2026, 12, 9, 8, 30, 15, 42)};
  std::mutex reply_mutex_;
  test::HttpReply reply_;
  test::LoopbackHttpServer server_{[this](const test::HttpRequest&) {
    const std::lock_guard lock(reply_mutex_);
    return reply_;
  }};
};

TEST_F(NotifierTest, LogsTheOutcomeOfEachKindOfReply) {
  const std::string url = server_.url();
  // The reply's status and body sit in the row itself: a nested HttpReply made
  // GCC 12 warn falsely (-Wmaybe-uninitialized) on this array when optimising.
  const struct {
    const char* name;
    std::string body;
    std::vector<std::string> lines;
    int status = 200;
  } rows[] = {
      {"success", Reply("rsSuccess", "stored"), {Payload(TagInfo, "Support notification sent")}},
      {"undefined", Reply("rsUndefined", "Unknown product"),
       {Payload(TagError, "Support notification failed: Unknown product")}},
      {"unknown type name", Reply("rsLater", "Try again"),
       {Payload(TagError, "Support notification failed: Try again")}},
      {"empty body", "",
       {Payload(TagError, "ESupportServerDown in TSupportNotifier.Log: The registration server is "
                          "down for maintenance. Please try again later.")}},
      {"not hex", "<html>Service Unavailable</html>",
       {Payload(TagError, "ECipherTextError in TAbstractRequest.SetAsString while deciphering the "
                          "envelope: Cipher text is not hex: invalid digit at position 0"),
        Payload(TagError, "ECipherTextError in TSupportNotifier.Log: Cipher text is not hex: "
                          "invalid digit at position 0")}},
      {"deciphers to no XML", Enciphered("Service Unavailable"),
       {Payload(TagError, "EEnvelopeError in TAbstractRequest.SetAsString while parsing XML into "
                          "document: The deciphered envelope is not XML"),
        Payload(TagError, "EEnvelopeError in TSupportNotifier.Log: The deciphered envelope is not XML")}},
      {"no RESPONSE element", Enciphered("<ANSWER><ResponseType>rsSuccess</ResponseType></ANSWER>"),
       {Payload(TagError, "EEnvelopeError in TAbstractRequest.SetAsString while getting request "
                          "node: The envelope has neither a REQUEST nor a RESPONSE element"),
        Payload(TagError, "Support notification failed: ")}},
      {"HTTP error status", Reply("rsSuccess", ""),
       {Payload(TagError, "EHttpError in TSupportNotifier.Log: HTTP request to " + url +
                              " failed with status 500")}, 500},
      {"reply text that would forge a log line",
       Reply("rsUndefined", "Nope&#13;&#10;2026-12-09 08:30:15.042 |  INFO    |" + std::string(50, ' ') +
                                "| Support notification sent"),
       {Payload(TagError, "Support notification failed: Nope\\r\\n2026-12-09 08:30:15.042 |  INFO    |" +
                              std::string(50, ' ') + "| Support notification sent")}},
      {"oversized reply", std::string(std::size_t{3} << 20, 'A'),
       {Payload(TagError, "EHttpError in TSupportNotifier.Log: The reply from " + url +
                              " is larger than 1048576 bytes")}},
  };
  for (const auto& row : rows) {
    test::LogCapture capture(9);
    SetReply({.status = row.status, .body = row.body});
    TSupportNotifier("LumoraV9", "version.dll", Endpoint()).Info("", 1, "message", "Area");
    EXPECT_THAT(capture.Payloads(), ElementsAreArray(row.lines)) << row.name;
    EXPECT_TRUE(LastReceived().valid) << row.name;
  }
}

TEST_F(NotifierTest, WritesNothingAtLevelZeroWhenTheNoticeIsAccepted) {
  test::LogCapture capture(0);
  SetReply({.body = Reply("rsSuccess", "")});
  TSupportNotifier("LumoraV9", "version.dll", Endpoint()).Info("", 1, "message", "Area");
  EXPECT_TRUE(LastReceived().valid);
  EXPECT_THAT(capture.Payloads(), ElementsAre());
}

TEST_F(NotifierTest, ASilentEndpointEndsWithTheTimeOut) {
  test::LogCapture capture(9);
  SetReply({.body = "", .hang = true});
  const auto started = std::chrono::steady_clock::now();
  TSupportNotifier("LumoraV9", "version.dll", Endpoint(std::chrono::milliseconds(300)))
      .Info("", 1, "message", "Area");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_THAT(capture.Payloads(),
              ElementsAre(StartsWith(Payload(TagError, "EHttpError in TSupportNotifier.Log: HTTP request to " +
                                                           server_.url() + " failed: "))));
}

TEST(Notifier, ReportsAnEndpointThatNobodyListensOn) {
  test::LogCapture capture(9);
  HttpEndpoint endpoint;
  endpoint.url = "http://127.0.0.1:" + std::to_string(test::UnusedLoopbackPort()) + "/";
  endpoint.connect_timeout = std::chrono::milliseconds(500);
  TSupportNotifier("LumoraV9", "version.dll", endpoint).Info("", 1, "message", "Area");
  EXPECT_THAT(capture.Payloads(),
              ElementsAre(StartsWith(Payload(TagError, "EHttpError in TSupportNotifier.Log: HTTP request to " +
                                                           endpoint.url + " failed: "))));
}

TEST_F(NotifierTest, PostsTheEnvelopeOfEachKindOfNotification) {
  const EHttpError error("connection lost");
  const struct {
    const char* name;
    std::function<void(const TSupportNotifier&)> send;
    const char* level;
    const char* type;
    const char* message;
  } rows[] = {
      {"Info", [](const auto& n) { n.Info("store-1", 2, "hello <&>", "Area1"); }, "2", "INFO", "hello <&>"},
      {"Warning", [](const auto& n) { n.Warning("store-1", 3, "careful", "Area1"); }, "3", "WARNING", "careful"},
      {"Alert", [](const auto& n) { n.Alert("store-1", 4, "alarm", "Area1"); }, "4", "ALERT", "alarm"},
      {"Error", [](const auto& n) { n.Error("store-1", "broken", "Area1"); }, "0", "ERROR", "broken"},
      {"Exc", [&](const auto& n) { n.Exc("store-1", error, "Area1"); }, "0", "EXCEPTION",
       "EHttpError: connection lost"},
  };
  SetReply({.body = Reply("rsSuccess", "")});
  for (const auto& row : rows) {
    row.send(TSupportNotifier("LumoraV9", "version.dll", Endpoint()));
    const auto requests = server_.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().method, "POST") << row.name;
    EXPECT_EQ(requests.back().target, "/") << row.name;
    const Received received = ReadEnvelope(requests.back());
    ASSERT_TRUE(received.valid) << row.name;
    const std::map<std::string, std::string> expected = {
        {"HeaderClientID", ""},          {"Timestamp", "20261209083015042"},
        {"EventDatetime", "12/09/2026 08:30:15.042"},
        {"Level", row.level},            {"LogType", row.type},
        {"LogMessage", row.message},     {"Area", "Area1"},
        {"ClientID", "store-1"},         {"ProductID", "LumoraV9"},
        {"Version", "version.dll"},
    };
    for (const auto& [name, value] : expected) {
      EXPECT_EQ(received.fields.count(name) ? received.fields.at(name) : "<missing>", value)
          << row.name << ": " << name;
    }
  }
}

TEST_F(NotifierTest, MissingDataNoticeCarriesTheStoreCountAndTheMachineName) {
  SetReply({.body = Reply("rsSuccess", "")});
  NotifyMissingData(5, Endpoint());
  const Received received = LastReceived();
  ASSERT_TRUE(received.valid);
  EXPECT_EQ(received.fields.at("LogMessage"), "The number of processed records for Verrin was 5");
  EXPECT_EQ(received.fields.at("LogType"), "INFO");
  EXPECT_EQ(received.fields.at("Level"), "1");
  EXPECT_EQ(received.fields.at("Area"), "ScanInventory");
  EXPECT_EQ(received.fields.at("ProductID"), "LumoraV9");
  EXPECT_EQ(received.fields.at("Version"), "version.dll");
  EXPECT_EQ(received.fields.at("ClientID"), InstallationClientID());
  EXPECT_NE(InstallationClientID(), platform::kUndetermined);
}

TEST(SupportEndpoint, IsTheBuiltInHostOnItsPort) {
  EXPECT_EQ(DefaultSupportEndpoint().url,
            "http://" + std::string(SupportHost) + ":" + std::to_string(SupportPort) + "/");
  EXPECT_GT(DefaultSupportEndpoint().total_timeout.count(), 0);
}

}  // namespace
}  // namespace lumora
