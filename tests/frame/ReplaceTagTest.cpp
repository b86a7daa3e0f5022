#include "orvanta/frame/ReplaceTag.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "orvanta/frame/CompositeInsertionError.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

struct Fill {
  std::wstring tag;
  std::wstring value;
};

struct FillCase {
  const char* name;
  std::wstring text;
  std::vector<Fill> fills;
  std::wstring expected;
};

// Text ids stand for their string-table text.
std::wstring Text(unsigned int id) { return OrvantaDLL::Instance()->LoadStringW(id); }

std::vector<FillCase> Cases() {
  return {
      {"repeated tag, filled in text order", Text(1964),
       {{L"<Name/>", L"Wall 1"}, {L"<Type/>", L"Wall"}, {L"<Name/>", L"Wall 2"}},
       L"'Wall 1' (Wall) duplicated as 'Wall 2'"},
      {"one fill touches the first occurrence only", Text(1964),
       {{L"<Name/>", L"Wall 1"}},
       L"'Wall 1' (<Type/>) duplicated as '<Name/>'"},
      {"tags are case-sensitive", Text(2044),
       {{L"<Id/>", L"X"}},
       L"Error registering '<Name/>' (<Type/>) in factory with ID '<id/>'"},
      {"lower-case tag of the same text", Text(2044),
       {{L"<id/>", L"beam"}},
       L"Error registering '<Name/>' (<Type/>) in factory with ID 'beam'"},
      {"missing tag", Text(1949), {{L"<Path/>", L"/tmp"}}, L"A new project has been created"},
      {"empty value keeps the surroundings", Text(1880),
       {{L"<Path/>", L"/p/a.xml"}, {L"<Reason/>", L""}},
       L"Cannot open '/p/a.xml'. "},
      {"a value holding a later tag is filled by the later call", L"<A/> and <B/>",
       {{L"<A/>", L"<B/>"}, {L"<B/>", L"b"}},
       L"b and <B/>"},
      {"empty tag changes nothing", L"<Name/>", {{L"", L"x"}}, L"<Name/>"},
      {"partial tag is not a tag", L"<Name/> <Name", {{L"<Name", L"x"}}, L"x/> <Name"},
      {"non-ASCII value", Text(1950),
       {{L"<Path/>", L"C:\\Proj\u00e9ts\\Br\u00fccke.xml"}},
       L"The project at 'C:\\Proj\u00e9ts\\Br\u00fccke.xml' has been opened"},
  };
}

TEST(ReplaceTag, FillsPlaceholdersOneAtATime) {
  for (const FillCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::wstring text = c.text;
    for (const Fill& fill : c.fills) ReplaceTag(text, fill.tag, fill.value);
    EXPECT_EQ(c.expected, text);
  }
}

// Errors fill their texts by the same rule.
TEST(ReplaceTag, ErrorReplaceAgrees) {
  for (const FillCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    Error error(c.text);
    for (const Fill& fill : c.fills) error.Replace(fill.tag, fill.value);
    EXPECT_EQ(c.expected, error.Text());
    EXPECT_EQ(wstring_to_string(c.expected), error.what());
  }
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
