#include "orvanta/quantities/Quantity.hpp"

#include <gtest/gtest.h>

#include <iomanip>
#include <limits>
#include <sstream>

#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

using Units::Length;

// A quantity built from a unit has its size in base units and the base
// label; one built with a label keeps both as given.
TEST(Quantity, ResultLabels) {
  const Length a(2.0, std::wstring(L"left")), b(0.5, std::wstring(L"right"));
  const struct {
    const char* name;
    Length result;
    double value;
    const wchar_t* label;
  } cases[] = {
      {"a + b", a + b, 2.5, L"left"},     {"b - a", b - a, -1.5, L"right"},
      {"a - b", a - b, 1.5, L"left"},     {"+b", +b, 0.5, L"right"},
      {"-a", -a, -2.0, L"left"},          {"a / 4", a / 4, 0.5, L"left"},
      {"a * 3.0", a * 3.0, 6.0, L"left"}, {"5 mm", Length(5.0, Units::mm), 0.005, L"m"},
      {"3.0 * a", 3.0 * a, 6.0, L"m"},    {"a * scalar", a * Units::Scalar(2.0), 4.0, L"m"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.value, c.result.value());
    EXPECT_EQ(c.label, c.result.Units());
  }

  Length sum = b;
  sum += a;
  sum *= 2.0;
  sum /= Units::Scalar(5.0);
  EXPECT_EQ(1.0, sum.value());
  EXPECT_EQ(L"right", sum.Units());

  // Products and quotients carry the base label of their dimension.
  EXPECT_EQ(L"m\u00b2", (a * b).Units());
  EXPECT_EQ(L"", (a / b).Units());
}

TEST(Quantity, ComparisonsAreExactAndIgnoreLabels) {
  const Length one(1.0, std::wstring(L"m")), alsoOne(1.0, std::wstring(L"km"));
  EXPECT_TRUE(one == alsoOne && !(one != alsoOne) && one <= alsoOne && one >= alsoOne);
  EXPECT_NE(Length(0.1 + 0.2), Length(0.3));

  const Length nan(std::numeric_limits<double>::quiet_NaN());
  const Length pairs[][2] = {{nan, one}, {one, nan}, {nan, nan}};
  for (const auto& pair : pairs) {
    EXPECT_TRUE(pair[0] != pair[1]);
    EXPECT_FALSE(pair[0] == pair[1] || pair[0] < pair[1] || pair[0] <= pair[1] ||
                 pair[0] > pair[1] || pair[0] >= pair[1]);
  }
}

template <class Q>
std::string Written(const Q& q) {
  std::wostringstream s;
  s << std::fixed << std::setprecision(2) << q;
  return wstring_to_string(s.str());
}

TEST(Quantity, StreamsWriteValueAndLabelAndReadThemBackUnconverted) {
  EXPECT_EQ("0.25 m", Written(Length(0.25)));
  EXPECT_EQ("3.50", Written(Units::Scalar(3.5)));
  EXPECT_EQ("1000.00 kPa", Written(Units::kPa));
  std::ostringstream narrow;
  narrow << Units::deg;
  EXPECT_EQ("0.0174533 \xC2\xB0", narrow.str());

  Length a, b, c;
  std::wistringstream in(L"0.25 m 250 mm 1.5 cm\u00b2");
  in >> a;
  b.Read(in);
  in >> c;
  EXPECT_TRUE(in);
  EXPECT_EQ(L"cm\u00b2", c.Units());
  EXPECT_EQ(250.0, b.value());
  EXPECT_EQ(L"mm", b.Units());

  // Value, then label, each stored as it is read.
  for (const auto& [text, value] : {std::pair(L"abc m", 7.0), std::pair(L"12 \t", 12.0)}) {
    Length kept(7.0, std::wstring(L"kept"));
    std::wistringstream failing(text);
    EXPECT_FALSE(failing >> kept);
    EXPECT_EQ(value, kept.value());
    EXPECT_EQ(L"kept", kept.Units());
  }
}

TEST(Quantity, SharedLabelsSurviveCopiesAndMoves) {
  std::vector<Length> lengths;
  {
    const Length original(1.0, std::wstring(L"custom label"));
    for (int i = 0; i < 100; ++i) lengths.push_back(original + Length(i));
  }
  Length moved = std::move(lengths[10]);
  lengths[11] = moved;
  lengths[12] = Units::mm;
  lengths[12] = lengths[13];
  for (const Length* l : {&moved, &lengths[11], &lengths[12], &lengths[99]})
    EXPECT_EQ(L"custom label", l->Units());
}

}  // namespace
}  // namespace Orvanta
