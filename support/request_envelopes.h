#pragma once

// The XML envelopes exchanged with the support endpoint: a request goes out
// enciphered under EnvelopeKey, a response comes back the same way.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pugi {
class xml_node;
}

namespace lumora {

// Kind of a request envelope, written as its name.
enum class TRequestType : std::uint8_t { rqUndefined = 0, rqLogRequest = 8 };

// Outcome of a response. rsUnrecognised stands for a name the enumeration does
// not know, or no name at all; like every value but rsSuccess it is a failure.
enum class TResponseType : std::uint8_t { rsUndefined = 0, rsSuccess = 1, rsUnrecognised = 255 };

std::string_view RequestTypeName(TRequestType value);
std::string_view ResponseTypeName(TResponseType value);
TResponseType ResponseTypeFromName(std::string_view name);

// Base of request and response envelopes: the header fields and the
// enciphered text form (AsString / SetAsString).
class TAbstractRequest {
 public:
  virtual ~TAbstractRequest() = default;
  TAbstractRequest(const TAbstractRequest&) = delete;
  TAbstractRequest& operator=(const TAbstractRequest&) = delete;

  // Builds the envelope (stamping Timestamp with now) and returns it
  // enciphered as hex text.
  virtual std::string AsString();
  // Deciphers and reads an envelope. Errors are logged and swallowed; the
  // fields the text did not carry keep their values.
  virtual void SetAsString(std::string_view AValue);

  TRequestType RequestType() const { return FRequestType; }
  const std::string& ClientID() const { return FClientID; }
  void SetClientID(std::string AValue) { FClientID = std::move(AValue); }
  const std::string& Timestamp() const { return FTimestamp; }

 protected:
  explicit TAbstractRequest(TRequestType ARequestType = TRequestType::rqUndefined)
      : FRequestType(ARequestType) {}

  // The enciphered envelope with root element ARootName; stamps FTimestamp.
  std::string BuildEnvelope(const char* ARootName);

  virtual void ReadPropertiesFromXML(const pugi::xml_node& ARoot) = 0;
  virtual void WritePropertiesToXML(pugi::xml_node& ARoot) const = 0;

  // Appends <AName>AText</AName> and a filler element after it.
  static void AppendElement(pugi::xml_node& AParent, const char* AName, std::string_view AText);
  // The text of the first direct child called AName, or empty text.
  static std::string ChildText(const pugi::xml_node& AParent, const char* AName);

  TRequestType FRequestType;
  std::string FClientID;
  std::string FTimestamp;
};

// A notification for the support endpoint.
class TLogRequest : public TAbstractRequest {
 public:
  TLogRequest() : TAbstractRequest(TRequestType::rqLogRequest) {}

  std::string FEventDatetime;
  int FLevel = 0;
  std::string FLogType;
  std::string FLogMessage;
  std::string FArea;
  std::string FClientID;  // the body's ClientID, not the header's
  std::string FProductID;
  std::string FVersion;

 protected:
  void ReadPropertiesFromXML(const pugi::xml_node& ARoot) override;
  void WritePropertiesToXML(pugi::xml_node& ARoot) const override;
};

// The endpoint's reply to a request.
class TAbstractResponse : public TAbstractRequest {
 public:
  TAbstractResponse() = default;

  // A RESPONSE envelope; the support endpoint's side, and the tests', use it.
  std::string AsString() override;
  void SetAsString(std::string_view AValue) override;

  TResponseType ResponseType() const { return FResponseType; }
  const std::string& ResponseText() const { return FResponseText; }
  const std::string& Content() const { return FContent; }

  int FResponseNo = 0;
  TResponseType FResponseType = TResponseType::rsUndefined;
  std::string FResponseText;
  std::string FContent;

 protected:
  void ReadPropertiesFromXML(const pugi::xml_node& ARoot) override;
  void WritePropertiesToXML(pugi::xml_node& ARoot) const override;
};

// A filler name or text: the first character from a-z and A-Y, the others
// from a-z, A-Z, 1-9, 0 and "_". Fillers make equal envelopes differ.
std::string FillerText(std::size_t length);

}  // namespace lumora
