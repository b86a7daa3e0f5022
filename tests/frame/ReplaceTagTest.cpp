#include "orvanta/frame/ReplaceTag.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "orvanta/frame/CompositeInsertionError.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

struct FillCase {
  const char* name;
  unsigned int id;  // of the text in the string table; 0: the text is `text`
  std::wstring text;
  std::vector<TagFill> fills;
  std::wstring expected;
};

std::vector<FillCase> Cases() {
  return {
      {"repeated tag, filled in text order", 1964, L"",
       {{L"<Name/>", L"Wall 1"}, {L"<Type/>", L"Wall"}, {L"<Name/>", L"Wall 2"}},
       L"'Wall 1' (Wall) duplicated as 'Wall 2'"},
      {"one fill touches the first occurrence only", 1964, L"",
       {{L"<Name/>", L"Wall 1"}},
       L"'Wall 1' (<Type/>) duplicated as '<Name/>'"},
      {"tags are case-sensitive", 2044, L"",
       {{L"<Id/>", L"X"}},
       L"Error registering '<Name/>' (<Type/>) in factory with ID '<id/>'"},
      {"lower-case tag of the same text", 2044, L"",
       {{L"<id/>", L"beam"}},
       L"Error registering '<Name/>' (<Type/>) in factory with ID 'beam'"},
      {"missing tag", 1949, L"", {{L"<Path/>", L"/tmp"}}, L"A new project has been created"},
      {"empty value keeps the surroundings", 1880, L"",
       {{L"<Path/>", L"/p/a.xml"}, {L"<Reason/>", L""}},
       L"Cannot open '/p/a.xml'. "},
      {"a value holding a later tag is filled by the later call", 0, L"<A/> and <B/>",
       {{L"<A/>", L"<B/>"}, {L"<B/>", L"b"}},
       L"b and <B/>"},
      {"empty tag changes nothing", 0, L"<Name/>", {{L"", L"x"}}, L"<Name/>"},
      {"partial tag is not a tag", 0, L"<Name/> <Name", {{L"<Name", L"x"}}, L"x/> <Name"},
      {"non-ASCII value", 1950, L"",
       {{L"<Path/>", L"C:\\Proj\u00e9ts\\Br\u00fccke.xml"}},
       L"The project at 'C:\\Proj\u00e9ts\\Br\u00fccke.xml' has been opened"},
  };
}

TEST(ReplaceTag, FillsPlaceholdersOneAtATime) {
  for (const FillCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::wstring text = c.id != 0 ? LibraryText(c.id) : c.text;
    for (const TagFill& fill : c.fills) ReplaceTag(text, fill.tag, fill.value);
    EXPECT_EQ(c.expected, text);
  }
}

// Errors filled after they are made, and texts fetched and filled in one
// step, follow the same rule; an error's what() follows its text.
TEST(ReplaceTag, ErrorsAndLibraryTextsFillTheSameWay) {
  for (const FillCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    Error error(c.id != 0 ? LibraryText(c.id) : c.text);
    for (const TagFill& fill : c.fills) error.Replace(fill.tag, fill.value);
    EXPECT_EQ(c.expected, error.Text());
    EXPECT_EQ(wstring_to_string(c.expected), error.what());
  }
  EXPECT_EQ(L"'Wall 1' (Wall) duplicated as 'Wall 2'",
            LibraryText(1964, {{L"<Name/>", L"Wall 1"}, {L"<Type/>", L"Wall"},
                               {L"<Name/>", L"Wall 2"}}));
  EXPECT_EQ(L"Cannot open '/p/a.xml'. ",
            LibraryText(1880, {{L"<Path/>", L"/p/a.xml"}, {L"<Reason/>", L""}}));
}

TEST(CompositeInsertionError, NamesWhereItHappened) {
  try {
    throw CompositeInsertionError(L"Item::Add");
  } catch (const Error& error) {
    EXPECT_STREQ(
        "Internal error: attempting to insert component in a non-composite class in 'Item::Add'",
        error.what());
  }
}

}  // namespace
}  // namespace Orvanta
