#include "support/request_envelopes.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>

#include "foundation/clock.h"
#include "foundation/exceptions.h"
#include "foundation/text.h"
#include "foundation/uQzCrypto.h"
#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"

namespace lumora {
namespace {

// A reply that is not an envelope at all.
LUMORA_DECLARE_EXCEPTION(EEnvelopeError, Exception);

constexpr std::string_view kFirstCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXY";
constexpr std::string_view kFurtherCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890_";
constexpr std::size_t kFillerNameLength = 8;
constexpr std::size_t kFillerTextLength = 32;

// White space around an envelope's XML is dropped; other control characters
// stay, so a damaged reply fails as XML rather than being trimmed into shape.
std::string TrimWhiteSpace(std::string_view text) { return std::string(Trim(text, " \t\r\n\f\v")); }

// XML 1.0 allows tab, LF, CR and everything from U+0020 on except the
// surrogates and U+FFFE/U+FFFF. Anything else (a bell from a database value,
// a byte that is not UTF-8) would make a conforming reader reject the whole
// envelope, so it becomes "?", as a character the 8-bit body cannot carry does.
std::string XmlText(std::string_view text) {
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 ? byte < 0x7F : byte == '\t' || byte == '\n' || byte == '\r';
  });
  if (plain) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const std::int32_t cp = platform::DecodeUtf8(text, pos);
    const bool allowed = cp == '\t' || cp == '\n' || cp == '\r' || (cp >= 0x20 && cp <= 0xFFFD) ||
                         cp >= 0x10000;
    if (allowed && cp != 0xFFFE) {
      out.append(text.substr(start, pos - start));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

std::string DocumentText(const pugi::xml_document& document) {
  std::ostringstream text;
  document.save(text, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  // A reader turns a literal CR into LF; written as a character reference it
  // arrives as sent. Without indentation, a CR can only stem from a text.
  std::string xml = TrimWhiteSpace(text.str());
  for (std::size_t at = 0; (at = xml.find('\r', at)) != std::string::npos; at += 5) xml.replace(at, 1, "&#13;");
  return xml;
}

// Deciphers an envelope and loads it into `document`; raises when the text
// is no XML document. `step` follows the work for the caller's log line.
void LoadEnvelope(std::string_view enciphered, pugi::xml_document& document, std::string& step) {
  step = "deciphering the envelope";
  const std::string xml = TrimWhiteSpace(TCrypt(EnvelopeKey).DecStr(TrimWhiteSpace(enciphered)));
  step = "parsing XML into document";
  if (xml.empty() || xml.front() != '<') {
    throw EEnvelopeError("The deciphered envelope is not XML");
  }
  const pugi::xml_parse_result parsed =
      document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    throw EEnvelopeError(std::string("The envelope is not well-formed XML: ") +
                         parsed.description() + " at offset " + std::to_string(parsed.offset));
  }
}

void AppendFiller(pugi::xml_node& parent) {
  parent.append_child(FillerText(kFillerNameLength).c_str())
      .text()
      .set(FillerText(kFillerTextLength).c_str());
}

}  // namespace

std::string_view RequestTypeName(TRequestType value) {
  switch (value) {
    case TRequestType::rqUndefined: return "rqUndefined";
    case TRequestType::rqLogRequest: return "rqLogRequest";
  }
  return "rqUndefined";
}

std::string_view ResponseTypeName(TResponseType value) {
  switch (value) {
    case TResponseType::rsUndefined: return "rsUndefined";
    case TResponseType::rsSuccess: return "rsSuccess";
    case TResponseType::rsUnrecognised: break;
  }
  return {};
}

TResponseType ResponseTypeFromName(std::string_view name) {
  for (const auto value : {TResponseType::rsUndefined, TResponseType::rsSuccess}) {
    if (ResponseTypeName(value) == name) return value;
  }
  return TResponseType::rsUnrecognised;
}

std::string FillerText(std::size_t length) {
  // One generator per thread: notifications may run on any thread, and a
  // shared engine would need a lock.
  thread_local std::mt19937 engine{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> first(0, kFirstCharacters.size() - 1);
  std::uniform_int_distribution<std::size_t> further(0, kFurtherCharacters.size() - 1);
  std::string text;
  text.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    text += i == 0 ? kFirstCharacters[first(engine)] : kFurtherCharacters[further(engine)];
  }
  return text;
}

void TAbstractRequest::AppendElement(pugi::xml_node& AParent, const char* AName,
                                     std::string_view AText) {
  AParent.append_child(AName).text().set(XmlText(AText).c_str());
  AppendFiller(AParent);
}

std::string TAbstractRequest::ChildText(const pugi::xml_node& AParent, const char* AName) {
  return AParent.child(AName).text().as_string();
}

std::string TAbstractRequest::AsString() { return BuildEnvelope("REQUEST"); }

std::string TAbstractRequest::BuildEnvelope(const char* ARootName) {
  FTimestamp = FormatDateTime("yyyymmddhhnnsszzz", Now());
  pugi::xml_document document;
  pugi::xml_node root = document.append_child(ARootName);
  root.append_attribute("RequestType").set_value(std::string(RequestTypeName(FRequestType)).c_str());
  AppendFiller(root);
  AppendElement(root, "ClientID", FClientID);
  AppendElement(root, "Timestamp", FTimestamp);
  WritePropertiesToXML(root);
  return TCrypt(EnvelopeKey).EncStr(DocumentText(document));
}

void TAbstractRequest::SetAsString(std::string_view AValue) {
  std::string step;
  try {
    pugi::xml_document document;
    LoadEnvelope(AValue, document, step);
    step = "getting request node";
    pugi::xml_node root = document.child("REQUEST");
    if (!root) root = document.child("RESPONSE");
    if (!root) throw EEnvelopeError("The envelope has neither a REQUEST nor a RESPONSE element");
    step = "getting client ID node";
    if (const auto node = root.child("ClientID")) FClientID = node.text().as_string();
    step = "getting timestamp node";
    if (const auto node = root.child("Timestamp")) FTimestamp = node.text().as_string();
    step = "calling ReadPropertiesFromXML";
    ReadPropertiesFromXML(root);
  } catch (const std::exception& error) {
    LogExc(error, "TAbstractRequest.SetAsString while " + step);
  }
}

void TLogRequest::WritePropertiesToXML(pugi::xml_node& ARoot) const {
  AppendElement(ARoot, "EventDatetime", FEventDatetime);
  AppendElement(ARoot, "Level", std::to_string(FLevel));
  AppendElement(ARoot, "LogType", FLogType);
  AppendElement(ARoot, "LogMessage", FLogMessage);
  AppendElement(ARoot, "Area", FArea);
  AppendElement(ARoot, "ClientID", FClientID);
  AppendElement(ARoot, "ProductID", FProductID);
  AppendElement(ARoot, "Version", FVersion);
}

void TLogRequest::ReadPropertiesFromXML(const pugi::xml_node& ARoot) {
  FEventDatetime = ChildText(ARoot, "EventDatetime");
  FLevel = ARoot.child("Level").text().as_int();
  FLogType = ChildText(ARoot, "LogType");
  FLogMessage = ChildText(ARoot, "LogMessage");
  FArea = ChildText(ARoot, "Area");
  // The first ClientID belongs to the header; the body's is the second.
  FClientID = ARoot.child("ClientID").next_sibling("ClientID").text().as_string();
  FProductID = ChildText(ARoot, "ProductID");
  FVersion = ChildText(ARoot, "Version");
}

std::string TAbstractResponse::AsString() { return BuildEnvelope("RESPONSE"); }

// Reads the header like any envelope, then the response's own elements, which
// only a RESPONSE element carries. A text that cannot be deciphered or loaded
// raises here (after the header part has logged it): the notifier reports
// that as its failure.
void TAbstractResponse::SetAsString(std::string_view AValue) {
  TAbstractRequest::SetAsString(AValue);
  std::string step;
  pugi::xml_document document;
  LoadEnvelope(AValue, document, step);
  if (const auto root = document.child("RESPONSE")) ReadPropertiesFromXML(root);
}

void TAbstractResponse::WritePropertiesToXML(pugi::xml_node& ARoot) const {
  AppendElement(ARoot, "ResponseType", ResponseTypeName(FResponseType));
  AppendElement(ARoot, "ResponseText", FResponseText);
  AppendElement(ARoot, "Content", FContent);
}

void TAbstractResponse::ReadPropertiesFromXML(const pugi::xml_node& ARoot) {
  // The header part hands over a REQUEST root too; only a RESPONSE carries an
  // outcome, so a reply without one keeps counting as a failure.
  if (std::string_view(ARoot.name()) != "RESPONSE") return;
  FResponseText = ChildText(ARoot, "ResponseText");
  FContent = ChildText(ARoot, "Content");
  FResponseType = ResponseTypeFromName(ChildText(ARoot, "ResponseType"));
}

}  // namespace lumora
