// The string table compiled into the library against its one source,
// resources/StringTable.tsv: every text loads as written there, nothing else
// loads, and each text has the shape the library's callers rely on. A few
// texts are spelled out here as well, so that a mistake in the source itself
// shows.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

std::map<unsigned int, std::string> Source() {
  std::map<unsigned int, std::string> texts;
  std::ifstream file(ORVANTA_STRING_TABLE);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line[0] != '#') {
      EXPECT_TRUE(texts.emplace(std::stoul(line), line.substr(line.find('\t') + 1)).second) << line;
    }
  }
  return texts;
}

TEST(StringTable, EveryTextLoadsAsWrittenAndNothingElse) {
  const std::map<unsigned int, std::string> source = Source();
  ASSERT_EQ(183u, source.size());
  const OrvantaDLL& library = *OrvantaDLL::Instance();
  // Tags are "<Name/>"; the only other '<' is the HTML of text 2017.
  const std::regex shape("([^<\\t\\r\\n]|<[A-Za-z]+/>)*");
  for (unsigned int id = 0; id <= 0x10000; ++id) {
    const auto found = source.find(id);
    if (found == source.end()) {
      EXPECT_EQ(L"", library.LoadStringW(id)) << "unexpected text " << id;
      continue;
    }
    const std::string& text = found->second;
    SCOPED_TRACE(text);
    EXPECT_EQ(string_to_wstring(text), library.LoadStringW(id));
    EXPECT_EQ(library.LoadStringW(id), LibraryText(id));
    EXPECT_FALSE(text.empty() || text.front() == ' ' || text.back() == ' ');
    EXPECT_TRUE(id == 2017 || std::regex_match(text, shape));
  }
  // A few as the library spells them, should the source itself be wrong.
  EXPECT_EQ(L"Running '<Directory/>\\<Exe/> <Params/>' from the command line", LibraryText(1505));
  EXPECT_EQ(L"<Name/> - Copy (<Number/>)", LibraryText(1930));
  EXPECT_EQ(L"Curl error <Number/>: '<Reason/>' while attempting to read data from '<URL/>'",
            LibraryText(2158));
}

// Placeholders are filled one (tag, value) pair at a time, the first
// occurrence of the tag each time, the same way by ReplaceTag, LibraryText
// and Error::Replace; what() follows the text.
TEST(ReplaceTag, FillsTheFirstOccurrenceOfEachTagInTurn) {
  const struct {
    std::wstring text;
    std::vector<TagFill> fills;
    std::wstring expected;
  } cases[] = {
      // a repeated tag is filled in text order, one fill touches the first only
      {LibraryText(1964),
       {{L"<Name/>", L"Wall 1"}, {L"<Type/>", L"Wall"}, {L"<Name/>", L"Wand \u00e9"}},
       L"'Wall 1' (Wall) duplicated as 'Wand \u00e9'"},
      // tags are case-sensitive, an empty or missing tag changes nothing
      {L"<id/> <Path/>", {{L"<Id/>", L"X"}, {L"", L"x"}, {L"<id/>", L"beam"}}, L"beam <Path/>"},
      // a value holding a later tag is filled by the later fill
      {L"<A/> and <B/>", {{L"<A/>", L"<B/>"}, {L"<B/>", L"b"}}, L"b and <B/>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(wstring_to_string(c.expected));
    std::wstring text = c.text;
    Error error(c.text);
    for (const TagFill& fill : c.fills) {
      ReplaceTag(text, fill.tag, fill.value);
      error.Replace(fill.tag, fill.value);
    }
    EXPECT_EQ(c.expected, text);
    EXPECT_EQ(c.expected, error.Text());
    EXPECT_EQ(wstring_to_string(c.expected), error.what());
  }
  EXPECT_EQ(
      L"'Wall 1' (Wall) duplicated as 'Wall 2'",
      LibraryText(1964, {{L"<Name/>", L"Wall 1"}, {L"<Type/>", L"Wall"}, {L"<Name/>", L"Wall 2"}}));
}

}  // namespace
}  // namespace Orvanta
