#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

// "<id>|<text>" lines of the independent copy of the table.
std::map<unsigned int, std::wstring> ExpectedTexts() {
  std::map<unsigned int, std::wstring> texts;
  std::ifstream file(ORVANTA_EXPECTED_TEXTS);
  EXPECT_TRUE(file.good()) << ORVANTA_EXPECTED_TEXTS;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t bar = line.find('|');
    texts[static_cast<unsigned int>(std::stoul(line.substr(0, bar)))] =
        string_to_wstring(line.substr(bar + 1));
  }
  return texts;
}

TEST(StringTable, WholeTableMatches) {
  const std::map<unsigned int, std::wstring> expected = ExpectedTexts();
  ASSERT_EQ(179u, expected.size());
  const OrvantaDLL& library = *OrvantaDLL::Instance();
  for (const auto& text : expected) {
    SCOPED_TRACE(text.first);
    EXPECT_EQ(text.second, library.LoadStringW(text.first));
  }
}

TEST(StringTable, HoldsNothingElseButTheProgramTexts) {
  const std::map<unsigned int, std::wstring> expected = ExpectedTexts();
  const OrvantaDLL& library = *OrvantaDLL::Instance();
  for (unsigned int id = 0; id <= 0x10000; ++id) {
    if (expected.count(id) || (id >= 1500 && id <= 1503)) continue;
    EXPECT_EQ(L"", library.LoadStringW(id)) << "unexpected text " << id;
  }
}

TEST(StringTable, ProgramWideTexts) {
  const OrvantaDLL& library = *OrvantaDLL::Instance();
  const std::wstring home = library.LoadStringW(1500);
  EXPECT_EQ(0u, home.find(L"http://"));
  EXPECT_NE(L'/', home.back());
  EXPECT_EQ(0u, library.LoadStringW(1501).find(L"http://"));
  EXPECT_FALSE(library.LoadStringW(1502).empty());
  EXPECT_FALSE(library.LoadStringW(1503).empty());
}

TEST(StringTable, TextsAreFreshCopies) {
  std::wstring text = OrvantaDLL::Instance()->LoadStringW(1952);
  text += L" and changed";
  EXPECT_EQ(L"The project has been closed", OrvantaDLL::Instance()->LoadStringW(1952));
}

}  // namespace
}  // namespace Orvanta
