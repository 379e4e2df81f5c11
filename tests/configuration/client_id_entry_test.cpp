#include "configuration/client_id_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

TEST(ClientIDEntry, SplitsAtTheFirstEqualsAndThenAtTheFirstDot) {
  struct Case {
    std::string_view entry;
    std::string name, subsidiary, store, client_id;
  };
  for (const Case& c : std::vector<Case>{
           {.entry = "1.3=A17", .name = "1.3", .subsidiary = "1", .store = "3", .client_id = "A17"},
           {.entry = "1.2=K=V", .name = "1.2", .subsidiary = "1", .store = "2", .client_id = "K=V"},
           {.entry = "10.20.5=X", .name = "10.20.5", .subsidiary = "10", .store = "20.5", .client_id = "X"},
           {.entry = "2.1=", .name = "2.1", .subsidiary = "2", .store = "1", .client_id = ""},
           {.entry = "7=X", .name = "7", .subsidiary = "", .store = "7", .client_id = "X"},
           {.entry = "B", .name = "B", .subsidiary = "", .store = "B", .client_id = ""},
           {.entry = "=X", .name = "", .subsidiary = "", .store = "", .client_id = "X"},
       }) {
    const TClientIDEntry entry = ReadClientIDEntry(c.entry);
    EXPECT_EQ(entry.name, c.name) << c.entry;
    EXPECT_EQ(entry.store.subsidiary, c.subsidiary) << c.entry;
    EXPECT_EQ(entry.store.store, c.store) << c.entry;
    EXPECT_EQ(entry.client_id, c.client_id) << c.entry;
    EXPECT_EQ(ClientIDName(c.entry), c.name) << c.entry;
    EXPECT_EQ(ClientIDValue(c.entry), c.client_id) << c.entry;
  }
}

TEST(ClientIDEntry, WritesWhatItReads) {
  const TStoreName store{.subsidiary = "1", .store = "2"};
  EXPECT_EQ(store.Text(), "1.2");
  const std::string text = ClientIDEntryText(store, " B=2 ");
  EXPECT_EQ(text, "1.2= B=2 ");
  const TClientIDEntry entry = ReadClientIDEntry(text);
  EXPECT_EQ(entry.store.Text(), "1.2");
  EXPECT_EQ(entry.client_id, " B=2 ");
}

TEST(ClientIDEntry, FindsTheFirstEntryOfAStoreIgnoringAsciiCase) {
  const std::vector<std::string> entries = {"1.10=TEN", "1.1=A17", "1.1=SECOND", "x.Y=LETTERS", "2.1"};
  struct Case {
    TStoreName store;
    std::string client_id;
  };
  for (const Case& c : std::vector<Case>{
           {.store = {"1", "1"}, .client_id = "A17"},
           {.store = {"1", "10"}, .client_id = "TEN"},
           {.store = {"X", "y"}, .client_id = "LETTERS"},
           {.store = {"2", "1"}, .client_id = ""},  // named, but without a client ID
           {.store = {"3", "1"}, .client_id = ""},
           {.store = {"1", "1 "}, .client_id = ""},  // keys are compared as they are
       }) {
    EXPECT_EQ(FindClientID(entries, c.store), c.client_id) << c.store.Text();
  }
  EXPECT_TRUE(SameStoreName("a.B", "A.b"));
  EXPECT_FALSE(SameStoreName("1.1", "1.10"));
}

}  // namespace
}  // namespace lumora
