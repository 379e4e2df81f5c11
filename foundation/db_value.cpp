#include "foundation/db_value.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "foundation/exceptions.h"
#include "foundation/text.h"

namespace lumora {

DbValue DbValue::Integer(std::int64_t value) {
  DbValue v;
  v.kind_ = Kind::Integer;
  v.integer_ = value;
  return v;
}

DbValue DbValue::Float(double value) {
  DbValue v;
  v.kind_ = Kind::Float;
  v.number_ = value;
  return v;
}

DbValue DbValue::Currency(double value) {
  DbValue v = Float(value);
  v.kind_ = Kind::Currency;
  return v;
}

DbValue DbValue::Date(TDateTime value) {
  DbValue v = Float(value);
  v.kind_ = Kind::Date;
  return v;
}

DbValue DbValue::DriverText(std::string text) {
  DbValue v;
  v.kind_ = Kind::DriverText;
  v.text_ = std::move(text);
  return v;
}

DbValue DbValue::Text(std::string text) {
  DbValue v = DriverText(std::move(text));
  v.kind_ = Kind::Text;
  return v;
}

DbValue DbValue::Boolean(bool value) {
  DbValue v;
  v.kind_ = Kind::Boolean;
  v.integer_ = value ? 1 : 0;
  return v;
}

DbValue DbValue::Other(std::int64_t number) {
  DbValue v = Integer(number);
  v.kind_ = Kind::Other;
  return v;
}

namespace {

// Text read as a number may have spaces around it; any other blank or
// control character makes it no number.
std::string_view TrimSpaces(std::string_view s) { return Trim(s, " "); }

}  // namespace

double DbValue::AsFloat() const {
  switch (kind_) {
    case Kind::Null:
      return 0.0;
    case Kind::Integer:
    case Kind::Other:
      return static_cast<double>(integer_);
    case Kind::Boolean:
      return integer_ != 0 ? -1.0 : 0.0;
    case Kind::Float:
    case Kind::Currency:
    case Kind::Date:
      return number_;
    case Kind::DriverText:
    case Kind::Text: {
      const std::string_view s = TrimSpaces(text_);
      double value = 0.0;
      const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
      if (s.empty() || ec != std::errc() || end != s.data() + s.size()) {
        throw EConvertError("'" + text_ + "' is not a valid floating point value");
      }
      return value;
    }
  }
  return 0.0;
}

std::int32_t DbValue::AsInteger() const {
  std::int64_t value = 0;
  switch (kind_) {
    case Kind::Integer:
    case Kind::Other:
      value = integer_;
      break;
    case Kind::Boolean:
      return integer_ != 0 ? -1 : 0;
    case Kind::Float:
    case Kind::Currency:
    case Kind::Date:
      if (!std::isfinite(number_) || number_ != std::trunc(number_)) {
        throw EConvertError("Could not convert variant of type (Double) into type (Integer)");
      }
      if (number_ < std::numeric_limits<std::int32_t>::min() ||
          number_ > std::numeric_limits<std::int32_t>::max()) {
        throw EConvertError("Integer overflow");
      }
      return static_cast<std::int32_t>(number_);
    case Kind::DriverText:
    case Kind::Text: {
      const std::string_view s = TrimSpaces(text_);
      const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
      if (s.empty() || ec != std::errc() || end != s.data() + s.size()) {
        throw EConvertError("'" + text_ + "' is not a valid integer value");
      }
      break;
    }
    case Kind::Null:
      throw EConvertError("Could not convert variant of type (Null) into type (Integer)");
  }
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw EConvertError("Integer overflow");
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace lumora
