#include "orvanta/quantities/Quantity.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

using Units::Length;

TEST(Quantity, ConstructionFromUnitsAndLabels) {
  const Length fromUnit(5.0, Units::mm);
  EXPECT_DOUBLE_EQ(0.005, fromUnit.value());
  EXPECT_EQ(L"m", fromUnit.Units());
  EXPECT_DOUBLE_EQ(5.0, (fromUnit / Units::mm).value());

  const Length labelled(5.0, std::wstring(L"mm"));
  EXPECT_EQ(5.0, labelled.value());
  EXPECT_EQ(L"mm", labelled.Units());

  EXPECT_EQ(0.3048, Length(1, Units::ft).value());
  EXPECT_EQ(L"m", Length(1, Units::ft).Units());
  EXPECT_EQ(L"", Units::Scalar(2.0).Units());
  EXPECT_EQ(L"Pa", Units::Pressure().Units());
  EXPECT_EQ(0.0, Units::Pressure().value());

  Length changed = labelled;
  changed.SetValue(7.0);
  EXPECT_EQ(7.0, changed.value());
  EXPECT_EQ(L"mm", changed.Units());
  EXPECT_EQ(5.0, labelled.value());
}

TEST(Quantity, ResultLabels) {
  const Length a(2.0, std::wstring(L"left")), b(0.5, std::wstring(L"right"));
  const struct {
    const char* name;
    Length result;
    double value;
    const wchar_t* label;
  } cases[] = {
      {"a + b", a + b, 2.5, L"left"},   {"a - b", a - b, 1.5, L"left"},
      {"b - a", b - a, -1.5, L"right"}, {"-a", -a, -2.0, L"left"},
      {"+b", +b, 0.5, L"right"},        {"a * 3.0", a * 3.0, 6.0, L"left"},
      {"a / 4", a / 4, 0.5, L"left"},   {"a * 2", a * 2, 4.0, L"left"},
      {"3.0 * a", 3.0 * a, 6.0, L"m"},  {"a * scalar", a * Units::Scalar(2.0), 4.0, L"m"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.value, c.result.value());
    EXPECT_EQ(c.label, c.result.Units());
  }

  Length sum = b;
  sum += a;
  sum -= Length(0.5);
  sum *= 2.0;
  sum /= Units::Scalar(4.0);
  sum *= Units::Scalar(3.0);
  EXPECT_EQ(3.0, sum.value());
  EXPECT_EQ(L"right", sum.Units());

  const Units::Force twoKiloNewtons = Units::kN * 2.0;
  EXPECT_EQ(2000.0, twoKiloNewtons.value());
  EXPECT_EQ(L"kN", twoKiloNewtons.Units());

  // Products and quotients carry the base label of their dimension.
  EXPECT_EQ(L"m\u00b2", (a * b).Units());
  EXPECT_EQ(L"Nm", (Units::kN * Units::mm).Units());
  EXPECT_EQ(L"N/m\u00b3", (Units::kN / Units::m3).Units());
  EXPECT_EQ(L"N^-1", (Units::N * Units::N * Units::m).Units());
  const Units::Scalar ratio = a / b;
  EXPECT_EQ(4.0, ratio.value());
  EXPECT_EQ(L"", ratio.Units());
}

TEST(Quantity, ComparisonsAreExactAndIgnoreLabels) {
  const Length one(1.0, std::wstring(L"m")), alsoOne(1.0, std::wstring(L"km"));
  EXPECT_EQ(one, alsoOne);
  EXPECT_FALSE(one != alsoOne);
  EXPECT_TRUE(one <= alsoOne && one >= alsoOne);
  EXPECT_NE(Length(0.1 + 0.2), Length(0.3));
  EXPECT_LT(Length(-0.0), Length(1e-300));
  EXPECT_EQ(Length(-0.0), Length(0.0));

  const Length nan(std::numeric_limits<double>::quiet_NaN());
  const Length pairs[][2] = {{nan, one}, {one, nan}, {nan, nan}};
  for (const auto& pair : pairs) {
    EXPECT_FALSE(pair[0] == pair[1]);
    EXPECT_TRUE(pair[0] != pair[1]);
    EXPECT_FALSE(pair[0] < pair[1]);
    EXPECT_FALSE(pair[0] <= pair[1]);
    EXPECT_FALSE(pair[0] > pair[1]);
    EXPECT_FALSE(pair[0] >= pair[1]);
  }
}

TEST(Quantity, DivisionByZeroIsIeee) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(inf, (Length(1.0) / 0.0).value());
  EXPECT_EQ(-inf, (Length(-1.0) / 0).value());
  EXPECT_TRUE(std::isnan((Length(0.0) / Length(0.0)).value()));
  EXPECT_EQ(inf, (Units::kN / Units::Area(0.0)).value());
  Length l(1.0);
  l /= Units::Scalar(0.0);
  EXPECT_EQ(inf, l.value());
}

TEST(Quantity, StreamOutput) {
  const struct {
    const char* name;
    std::wstring text;
    const char* narrow;
  } cases[] = {
      {"base label",
       [] {
         std::wostringstream s;
         s << Length(0.25);
         return s.str();
       }(),
       "0.25 m"},
      {"no label",
       [] {
         std::wostringstream s;
         s << Units::Scalar(3.5);
         return s.str();
       }(),
       "3.5"},
      {"non-ASCII label",
       [] {
         std::wostringstream s;
         s << Units::Area(2);
         return s.str();
       }(),
       "2 m\xC2\xB2"},
      {"stream formatting",
       [] {
         std::wostringstream s;
         s.precision(3);
         s << std::fixed << Units::kPa;
         return s.str();
       }(),
       "1000.000 kPa"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.narrow, wstring_to_string(c.text));
  }
  std::ostringstream narrow;
  narrow << Units::deg;
  EXPECT_EQ("0.0174533 \xC2\xB0", narrow.str());
}

TEST(Quantity, ReadTakesValueAndLabelWithoutConverting) {
  Length a, b;
  std::wistringstream in(L"0.25 m 250 mm");
  in >> a;
  b.Read(in);
  EXPECT_TRUE(in);
  EXPECT_EQ(0.25, a.value());
  EXPECT_EQ(L"m", a.Units());
  EXPECT_EQ(250.0, b.value());
  EXPECT_EQ(L"mm", b.Units());

  // Write, then read back.
  std::wostringstream out;
  out << Units::Area(1.5, std::wstring(L"cm\u00b2"));
  Units::Area back;
  std::wistringstream again(out.str());
  again >> back;
  EXPECT_EQ(1.5, back.value());
  EXPECT_EQ(L"cm\u00b2", back.Units());

  // Value, then label, each stored as it is read.
  const struct {
    const wchar_t* text;
    double value;
  } bad[] = {{L"abc m", 7.0}, {L"", 7.0}, {L"12", 12.0}, {L"12 \t", 12.0}};
  for (const auto& b : bad) {
    SCOPED_TRACE(wstring_to_string(b.text));
    Length kept(7.0, std::wstring(L"kept"));
    std::wistringstream failing(b.text);
    failing >> kept;
    EXPECT_FALSE(failing);
    EXPECT_EQ(b.value, kept.value());
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
  EXPECT_EQ(L"custom label", moved.Units());
  EXPECT_EQ(L"custom label", lengths[11].Units());
  EXPECT_EQ(L"custom label", lengths[12].Units());
  EXPECT_EQ(L"custom label", lengths[99].Units());
  EXPECT_EQ(100.0, lengths[99].value());
}

}  // namespace
}  // namespace Orvanta
