#include "foundation/uQzCrypto.h"

#include "foundation/block_cipher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace lumora {
namespace {

// Expected values computed independently with the openssl command line, e.g.
//   printf 'Gr\xfc\xdfe, <Lumora> & co    ' | openssl enc -des-ede-cbc -nopad
//     -K "$(printf '11garden stones1' | xxd -p)" -iv 5B21F0C8D39C2F16 | xxd -p
// (-des-cbc needs "-provider legacy -provider default").
TEST(StringCipher, MatchesKnownAnswersForEachKeyLength) {
  constexpr const char* kText = "Grüße, <Lumora> & co";  // 20 bytes in Windows-1252
  const struct {
    const char* name;
    const char* key;
    const char* text;
    const char* hex;
  } rows[] = {
      {"single DES", "abcdefgh", kText, "C24AEF54764454CAF8F1A505D1B2BF3FDB140A3181007866"},
      {"two-key triple DES", "11garden stones1", kText,
       "C29D455912E9817AA496C336B974AFE24FCC6F23243E7FF5"},
      {"three-key triple DES", "0123456789ABCDEFGHIJKLMN", kText,
       "D62769837A88DF349B22231C00FF757F13A1600DB51F821F"},
      {"whole blocks, no padding", "11garden stones1", "12345678abcdefgh",
       "9998557E509E7238D0E4B565452F83CB"},
  };
  for (const auto& row : rows) {
    const TCrypt crypt(row.key);
    EXPECT_EQ(crypt.EncStr(row.text), row.hex) << row.name;
    EXPECT_EQ(crypt.DecStr(row.hex), row.text) << row.name;
    std::string lower = row.hex;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(crypt.DecStr(lower), row.text) << row.name << " in lower case";
  }
}

TEST(StringCipher, RoundTripsThroughASecondObject) {
  const std::string texts[] = {"", "a", "exactly8", "<REQUEST RequestType=\"rqLogRequest\"/>",
                               "Grüße & €uro", "lead and inner  blanks", std::string(1000, 'x')};
  for (const char* key : {"abcdefgh", "11garden stones1", "0123456789ABCDEFGHIJKLMN"}) {
    const TCrypt sender(key);
    const TCrypt receiver(key);
    for (const auto& text : texts) {
      const std::string hex = sender.EncStr(text);
      EXPECT_EQ(hex.size() % 16, 0U) << key << " / " << text;
      EXPECT_EQ(receiver.DecStr(hex), text) << key << " / " << text;
    }
  }
}

TEST(StringCipher, LosesTrailingBlanksToThePadding) {
  const TCrypt crypt(EnvelopeKey);
  EXPECT_EQ(crypt.DecStr(crypt.EncStr("abc   ")), "abc");
  EXPECT_EQ(crypt.DecStr(crypt.EncStr("12345678        ")), "12345678");
}

TEST(StringCipher, TakesTheKeyAsWindows1252Bytes) {
  // Eight characters, nine bytes in UTF-8: only the 8-bit form is a DES key.
  const TCrypt from_text("grüne ab");
  TCrypt from_bytes("xxxxxxxx");
  from_bytes.SetKey("gr\xFCne ab");
  EXPECT_EQ(from_text.EncStr("hello"), from_bytes.EncStr("hello"));
}

TEST(StringCipher, RefusesUnusableKeys) {
  const struct {
    const char* name;
    std::string key;
    const char* message;
  } rows[] = {
      {"empty", "", "No value passed into SetKey"},
      {"7 bytes", "1234567", "Key of 7 bytes is not supported: a key has 8, 16 or 24 characters"},
      {"9 bytes", "123456789", "Key of 9 bytes is not supported: a key has 8, 16 or 24 characters"},
      {"32 bytes", std::string(32, 'k'),
       "Key of 32 bytes is not supported: a key has 8, 16 or 24 characters"},
  };
  for (const auto& row : rows) {
    try {
      TCrypt crypt(row.key);
      ADD_FAILURE() << row.name << ": created";
    } catch (const ECryptError& error) {
      EXPECT_STREQ(error.what(), row.message) << row.name;
      EXPECT_EQ(error.ClassName(), "ECryptError") << row.name;
    }
    // A failed re-key must not leave the object enciphering under its old key.
    TCrypt crypt("abcdefgh");
    EXPECT_THROW(crypt.SetKey(row.key), ECryptError) << row.name;
    EXPECT_THROW(crypt.EncStr("text"), ECryptError) << row.name;
    EXPECT_THROW(crypt.DecStr("0011223344556677"), ECryptError) << row.name;
  }
}

TEST(StringCipher, RejectsMalformedCipherText) {
  const TCrypt crypt(EnvelopeKey);
  const struct {
    const char* name;
    std::string hex;
    const char* message;
  } rows[] = {
      {"odd digit count", "ABC", "Cipher text has an odd number of hex digits (3)"},
      {"not hex", "00112233445566ZZ", "Cipher text is not hex: invalid digit at position 14"},
      {"blank inside", "0011 22334455667", "Cipher text is not hex: invalid digit at position 4"},
      {"part of a block", "00112233445566",
       "Cipher text of 7 bytes is not a whole number of 8-byte blocks"},
      {"a block and a bit", "001122334455667788",
       "Cipher text of 9 bytes is not a whole number of 8-byte blocks"},
  };
  for (const auto& row : rows) {
    try {
      crypt.DecStr(row.hex);
      ADD_FAILURE() << row.name << ": accepted";
    } catch (const ECipherTextError& error) {
      EXPECT_STREQ(error.what(), row.message) << row.name;
      EXPECT_EQ(error.ClassName(), "ECipherTextError") << row.name;
    }
  }
  EXPECT_EQ(crypt.DecStr(""), "");
}

TEST(StringCipher, ReKeyingSwitchesToTheNewKeyWithTheSameVector) {
  TCrypt crypt("abcdefgh");
  const std::string under_first = crypt.EncStr("notification");
  crypt.SetKey(std::string(EnvelopeKey));
  const std::string under_second = crypt.EncStr("notification");
  EXPECT_NE(under_first, under_second);
  EXPECT_EQ(under_second, TCrypt(EnvelopeKey).EncStr("notification"));
  EXPECT_EQ(TCrypt("abcdefgh").DecStr(under_first), "notification");
}

TEST(StringCipher, HexTextWritesUpperCaseDigitsHighNibbleFirst) {
  EXPECT_EQ(HexText("abc"), "616263");
  EXPECT_EQ(HexText(std::string_view("\x00\xFF\x1E", 3)), "00FF1E");
}

// The block cipher under the string cipher, through its seam: the textbook
// DES CBC example (key 0123456789ABCDEF, vector 1234567890ABCDEF) as triple
// DES under the key repeated three times; and every Run starts again from the
// vector, even for a library that chains the vector from call to call.
TEST(BlockCipher, SingleDesAsTripleDesWithARepeatedKeyStartsEachRunAtTheVector) {
  const std::string des_key = "\x01\x23\x45\x67\x89\xAB\xCD\xEF";
  const auto cipher =
      CreateTripleDesCbc(des_key + des_key + des_key, "\x12\x34\x56\x78\x90\xAB\xCD\xEF");
  const std::string plain = "Now is the time for all ";
  for (int run = 0; run < 2; ++run) {
    const std::string enciphered = cipher->Run(plain, true);
    EXPECT_EQ(HexText(enciphered), "E5C7CDDE872BF27C43E934008C389C0F683788499A7C05F6") << run;
    EXPECT_EQ(cipher->Run(enciphered, false), plain) << run;
  }
  EXPECT_EQ(cipher->Run("", true), "");
}

}  // namespace
}  // namespace lumora
