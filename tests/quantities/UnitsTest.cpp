#include "orvanta/quantities/Units.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace Orvanta {
namespace {

// One named constant as the library defines it.
struct Defined {
  std::string identifier;
  std::string typedefName;
  std::string dimension;  // "M,L,T,A"
  std::wstring label;
  double value;
};

template <int M, int L, int T, int A>
std::string DimensionOf(const Quantity<M, L, T, A>&) {
  return std::to_string(M) + "," + std::to_string(L) + "," + std::to_string(T) + "," +
         std::to_string(A);
}

std::vector<Defined> DefinedUnits() {
  std::vector<Defined> units;
#define ORVANTA_UNIT(Type, identifier, label, factor)                                   \
  units.push_back(Defined{#identifier, #Type, DimensionOf(Units::identifier),           \
                          Units::identifier.Units(), Units::identifier.value()});
#include "orvanta/quantities/Units.def"
  return units;
}

// The rows of the catalogue file: dimension, typedef, label, factor, identifier.
std::vector<std::vector<std::string>> CatalogueRows() {
  std::vector<std::vector<std::string>> rows;
  std::ifstream file(ORVANTA_UNIT_CATALOGUE);
  EXPECT_TRUE(file.good()) << ORVANTA_UNIT_CATALOGUE;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

TEST(UnitCatalogue, EveryConstantMatchesTheCatalogueFile) {
  const auto rows = CatalogueRows();
  const auto units = DefinedUnits();
  ASSERT_EQ(220u, rows.size());
  ASSERT_EQ(rows.size(), units.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i][4]);
    ASSERT_EQ(5u, rows[i].size());
    EXPECT_EQ(rows[i][4], units[i].identifier);
    EXPECT_EQ(rows[i][0], units[i].dimension);
    EXPECT_EQ(rows[i][1], units[i].typedefName);
    EXPECT_EQ(string_to_wstring(rows[i][2]), units[i].label);
    EXPECT_EQ(std::strtod(rows[i][3].c_str(), nullptr), units[i].value);
  }
}

TEST(UnitCatalogue, ConversionsThroughConstants) {
  EXPECT_NEAR(14.5038, (Units::Pressure(100, Units::kPa) / Units::psi).value(), 1e-4);
  EXPECT_EQ(100000.0 / 6894.757, (Units::Pressure(100, Units::kPa) / Units::psi).value());
  EXPECT_EQ(Units::Mg, Units::t);
  EXPECT_NE(Units::Mg.Units(), Units::t.Units());
  EXPECT_EQ(Units::Mg_per_m3, Units::tonne_per_m3);
  EXPECT_EQ(1.0, Units::unity.value());
  EXPECT_EQ(L"", Units::unity.Units());
  EXPECT_EQ(0.01, Units::percent.value());
  EXPECT_EQ(0.017453292519943295, Units::deg.value());
  EXPECT_EQ(3.170979e-11, Units::mm_per_yr.value());
}

TEST(UnitCatalogue, CatalogueListsEachDimensionInOrder) {
  const auto& lengths = Units::Catalogue<Units::Length>();
  ASSERT_EQ(15u, lengths.size());
  EXPECT_EQ(L"mm", lengths.front().Units());
  EXPECT_EQ(L"ft\u00b2/ft", lengths.back().Units());
  EXPECT_EQ(&lengths, &Units::Catalogue<Units::Length>());
  EXPECT_EQ(24u, Units::Catalogue<Units::Force>().size());
  EXPECT_TRUE((Units::Catalogue<Quantity<0, 5, 0, 0>>().empty()));

  std::size_t total = 0;
  const auto rows = CatalogueRows();
  for (const auto& row : rows) total += row[1] == "Force";
  EXPECT_EQ(total, Units::Catalogue<Units::Force>().size());
}

TEST(UnitParse, AcceptsNumberBlanksAndLabel) {
  const struct {
    const wchar_t* text;
    double value;
  } lengths[] = {
      {L"300 mm", 0.3},   {L"300mm", 0.3},        {L"  2.5 \t km ", 2500.0},
      {L"-1.5e3 mm", -1.5}, {L"+12 in", 12 * 0.0254}, {L".5 m", 0.5},
      {L"1 m\u00b2/m", 1.0},
  };
  for (const auto& c : lengths) {
    SCOPED_TRACE(wstring_to_string(c.text));
    const Units::Length parsed = Units::Parse<Units::Length>(c.text);
    EXPECT_DOUBLE_EQ(c.value, parsed.value());
    EXPECT_EQ(L"m", parsed.Units());
  }
  EXPECT_DOUBLE_EQ(2500.0, Units::Parse<Units::Force>(L"2.5kN").value());
  EXPECT_EQ(45 * 0.017453292519943295, Units::Parse<Units::Angle>(L"45\u00b0").value());
  EXPECT_EQ(0.05, Units::Parse<Units::Scalar>(L"5 %").value());
  EXPECT_EQ(5.0, Units::Parse<Units::Scalar>(L"5").value());
  EXPECT_EQ(3000.0, Units::Parse<Units::Scalar>(L"3 x10\u00b3").value());
}

TEST(UnitParse, RejectsAnythingElse) {
  const wchar_t* rejected[] = {
      L"",        L"   ",      L"mm",        L"300",   L"300 MM",  L"300 kN",
      L"300 m m", L"nan m",    L"inf m",     L"1e999 m", L"--3 m", L"3..5 m",
      L"300 parsecs", L"0x10 m", L"3 m extra", L"+-5 mm", L"+ 5 mm",
  };
  for (const wchar_t* text : rejected) {
    SCOPED_TRACE(wstring_to_string(text));
    try {
      Units::Parse<Units::Length>(text);
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
      const std::string what = error.what();
      EXPECT_EQ(0u, what.find("Units::Parse"));
      EXPECT_NE(std::string::npos, what.find("'" + wstring_to_string(text) + "'"));
    }
  }
}

}  // namespace
}  // namespace Orvanta
