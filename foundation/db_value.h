#pragma once

#include <cstdint>
#include <string>

#include "foundation/date_time.h"

namespace lumora {

// One field value as the database layer delivers it. The kinds follow what a
// database driver hands over, because the text form of a value (FieldValueText)
// depends on the kind, not only on the value.
class DbValue {
 public:
  enum class Kind {
    Null,        // empty or database null
    Integer,     // 8-, 32- or 64-bit signed integer, or unsigned byte
    Float,       // 32- or 64-bit floating point
    Currency,    // fixed-point money value
    Date,        // a date-time value
    DriverText,  // text as the database driver delivered it
    Text,        // text already held in the program's own string type
    Boolean,
    Other,       // 16-bit and unsigned 16/32/64-bit integers, anything else
  };

  DbValue() = default;
  static DbValue Null() { return DbValue(); }
  static DbValue Integer(std::int64_t value);
  static DbValue Float(double value);
  static DbValue Currency(double value);
  static DbValue Date(TDateTime value);
  static DbValue DriverText(std::string text);
  static DbValue Text(std::string text);
  static DbValue Boolean(bool value);
  // A value of a kind the programs do not convert; `number` keeps its value.
  static DbValue Other(std::int64_t number = 0);

  Kind kind() const { return kind_; }
  bool IsNull() const { return kind_ == Kind::Null; }

  // Raw access for the kind the value holds.
  std::int64_t integer() const { return integer_; }
  double number() const { return number_; }  // Float, Currency and Date
  bool boolean() const { return integer_ != 0; }
  const std::string& text() const { return text_; }  // DriverText and Text

  // The value as a floating-point number: null gives 0; numbers convert;
  // text must be a decimal number. Raises EConvertError otherwise.
  double AsFloat() const;
  // The value as a 32-bit integer: null and non-integral values raise
  // EConvertError, as does text that is not a decimal integer.
  std::int32_t AsInteger() const;

 private:
  Kind kind_ = Kind::Null;
  std::int64_t integer_ = 0;
  double number_ = 0.0;
  std::string text_;
};

}  // namespace lumora
