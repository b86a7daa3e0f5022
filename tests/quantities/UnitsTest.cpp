// The unit catalogue against physical relations written here independently,
// and each dimension's catalogue as a unit chooser shows it.
#include "orvanta/quantities/Units.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

namespace Orvanta {
namespace {

// Every unit of the catalogue by label: its size and its dimension's base label.
struct Known {
  double size;
  std::wstring base;
};
typedef std::map<std::wstring, Known> Labels;

template <class... Q>
std::vector<std::string> Collect(Labels& all) {
  std::vector<std::string> summary;
  const auto add = [&](const auto& units, const std::wstring& base) {
    for (const auto& unit : units) all.emplace(unit.Units(), Known{unit.value(), base});
    summary.push_back(std::to_string(units.size()) + " " +
                      wstring_to_string(units.front().Units()) + " .. " +
                      wstring_to_string(units.back().Units()));
  };
  (add(Units::Catalogue<Q>(), Q::base_units), ...);
  return summary;
}

// The size a label spells out from the sizes of its parts: "a/b", "a-b",
// "a x b", a length or time to a power (ft², in4, m^6, s²), and an SI prefix
// in front of a unit of the same dimension (kN, kNm², Mg). NaN when the label
// has no parts that are labels of their own.
double Compose(const Labels& all, const std::wstring& label, bool whole) {
  if (label == L"1") return 1.0;
  const auto found = all.find(label);
  if (!whole && found != all.end()) return found->second.size;
  const std::size_t slash = label.rfind(L'/');
  if (slash != std::wstring::npos)
    return Compose(all, label.substr(0, slash), false) /
           Compose(all, label.substr(slash + 1), false);
  for (const std::wstring separator : {L" x ", L"-"}) {
    const std::size_t at = label.find(separator);
    if (at != std::wstring::npos)
      return Compose(all, label.substr(0, at), false) *
             Compose(all, label.substr(at + separator.size()), false);
  }
  static const std::wregex power(L"(mm|cm|m|km|in|ft|yd|s)(\u00b2|\u00b3|4|\\^\\d)");
  std::wsmatch match;
  if (std::regex_match(label, match, power)) {
    const int exponent = match[2] == L"\u00b2"   ? 2
                         : match[2] == L"\u00b3" ? 3
                                                 : label.back() - L'0';
    return std::pow(Compose(all, match[1], false), exponent);
  }
  static const std::map<wchar_t, double> prefixes = {
      {L'G', 1e9}, {L'M', 1e6}, {L'k', 1e3}, {L'c', 1e-2}, {L'm', 1e-3}};
  const auto prefix = prefixes.find(label.empty() ? L' ' : label[0]);
  const auto rest = all.find(label.substr(label.empty() ? 0 : 1));
  if (prefix == prefixes.end() || rest == all.end() || found == all.end() ||
      rest->second.base != found->second.base)
    return std::nan("");
  return prefix->second * rest->second.size;
}

TEST(Units, EachDimensionsCatalogueInOrderAndCompoundsFromTheirParts) {
  using namespace Units;
  Labels all;
  const std::vector<std::string> summary =
      Collect<Time, Scalar, Angle, Mass, MassPerLength, MassPerArea, MassDensity, Length, Area,
              Volume, SecondMomentOfArea, FourthMomentOfArea, Velocity, Acceleration, Force,
              ForcePerLength, ForcePerAngle, Pressure, WeightDensity, MomentOfForce,
              SecondMomentOfForce, MomentPerAngle, InverseForce, InverseMoment,
              LinearCompressibility, AnglePerMoment, AnglePerForce>(all);
  const std::vector<std::string> expected = {"5 s .. yr",
                                             "8 x10^-9 .. x10^9",
                                             "3 \xC2\xB0 .. mrad",
                                             "13 g .. ton(US)",
                                             "2 kg/m .. lb/ft",
                                             "2 kg/m\xC2\xB2 .. lb/ft\xC2\xB2",
                                             "6 kg/m\xC2\xB3 .. ton(US)/ft\xC2\xB3",
                                             "15 mm .. ft\xC2\xB2/ft",
                                             "13 mm\xC2\xB2 .. ft\xC2\xB3/ft",
                                             "16 mm\xC2\xB3 .. ft4/ft",
                                             "4 cm^4 .. ft4",
                                             "2 cm^6 .. m^6",
                                             "8 m/s .. mph",
                                             "3 m/s\xC2\xB2 .. ft/s\xC2\xB2",
                                             "24 N .. ft-tonf(US)/ft",
                                             "12 N/m .. tonf(US)/ft",
                                             "4 N/rad .. GN/rad",
                                             "15 Pa .. tonf(US)/ft\xC2\xB2",
                                             "11 N/m\xC2\xB3 .. tonf(US)/ft\xC2\xB3",
                                             "13 Nm .. ft-tonf(US)",
                                             "13 Nm\xC2\xB2 .. ft\xC2\xB2-tonf(US)",
                                             "4 Nm/rad .. GNm/rad",
                                             "8 1/N .. m/GNm",
                                             "4 1/Nm .. 1/GNm",
                                             "4 m/N .. m/GN",
                                             "4 rad/Nm .. rad/GNm",
                                             "4 rad/N .. rad/GN"};
  EXPECT_EQ(expected, summary);
  EXPECT_EQ(220u, all.size());  // no label given twice
  EXPECT_TRUE((Catalogue<Quantity<0, 5, 0, 0>>().empty()));

  // Each base unit is 1, and compound and prefixed labels agree with their
  // parts to a millionth (the catalogue rounds). Two do not follow from their
  // parts: mile² (2.589988, a square mile in km²) and ft²-pdl.
  int bases = 0, composed = 0;
  for (const auto& [label, unit] : all) {
    if (label == unit.base) {
      EXPECT_EQ(1.0, unit.size) << wstring_to_string(label);
      ++bases;
      continue;
    }
    const double parts = Compose(all, label, true);
    if (std::isnan(parts) || label == L"mile\u00b2" || label == L"ft\u00b2-pdl") continue;
    EXPECT_NEAR(1.0, unit.size / parts, 1e-6) << wstring_to_string(label);
    ++composed;
  }
  EXPECT_EQ(26, bases);
  EXPECT_EQ(145, composed);
  EXPECT_EQ(2.589988, all.at(L"mile\u00b2").size);
  EXPECT_EQ(0.012926605, all.at(L"ft\u00b2-pdl").size);
}

struct Definition {
  template <class Q>
  Definition(const Q& unit, const Q& expected)
      : label(unit.Units()), size(unit.value()), expected(expected.value()) {}
  std::wstring label;
  double size, expected;
};

// The units that are not spelled out from others, from their definitions.
TEST(Units, NamedUnitsFromTheirDefinitions) {
  using namespace Units;
  const Acceleration g0(9.80665);
  const Definition cases[] = {{in, Length(0.0254)},
                              {ft, 12.0 * in},
                              {yd, 3.0 * ft},
                              {fathom, 2.0 * yd},
                              {chain, 22.0 * yd},
                              {furlong, 10.0 * chain},
                              {mile, 1760.0 * yd},
                              {lb, Mass(0.45359237)},
                              {oz, lb / 16.0},
                              {stone, 14.0 * lb},
                              {quarter, 28.0 * lb},
                              {cwt, 112.0 * lb},
                              {cwt_US, 100.0 * lb},
                              {ton, 2240.0 * lb},
                              {ton_US, 2000.0 * lb},
                              {t, Mass(1000)},
                              {slugs, lbf / ft_per_s2},
                              {minute, Time(60)},
                              {h, 60.0 * minute},
                              {day, 24.0 * h},
                              {yr, 365.0 * day},
                              {deg, Angle(3.141592653589793 / 180)},
                              {percent, Scalar(0.01)},
                              {x10_3, Scalar(1000)},
                              {x10_minus6, Scalar(1e-6)},
                              {gal, Volume(0.00454609)},
                              {qt, gal / 4.0},
                              {pt, gal / 8.0},
                              {fl_oz, pt / 20.0},
                              {gal_US, 231.0 * in3},
                              {acre, 4840.0 * yd2},
                              {mph, mile / h},
                              {kgf, kg * g0},
                              {gf, g * g0},
                              {tonnef, t * g0},
                              {lbf, lb * g0},
                              {kipf, 1000.0 * lbf},
                              {tonf, 2240.0 * lbf},
                              {tonf_US, 2000.0 * lbf},
                              {pdl, lb * ft_per_s2},
                              {tonne_per_m3, t / m3},
                              {in_per_year, in / yr},
                              {psi, lbf / in2}};
  for (const Definition& d : cases)
    EXPECT_NEAR(1.0, d.size / d.expected, 1e-6) << wstring_to_string(d.label);
}

TEST(UnitParse, AcceptsNumberBlanksAndLabel) {
  const struct {
    const wchar_t* text;
    double value;
  } lengths[] = {
      {L"300 mm", 0.3},      {L"300mm", 0.3},          {L"  2.5 \t km ", 2500.0},
      {L"-1.5e3 mm", -1.5},  {L"+12 in", 12 * 0.0254}, {L".5 m", 0.5},
      {L"1 m\u00b2/m", 1.0}, {L"1987.6 mm", 1.9876},   {L"9 ft", 9 * 0.3048},
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

TEST(UnitParse, RejectsAnythingElseQuotingIt) {
  for (const wchar_t* text : {L"", L"   ", L"mm", L"300", L"300 MM", L"300 kN", L"300 m m",
                              L"nan m", L"inf m", L"1e999 m", L"--3 m", L"3..5 m", L"300 parsecs",
                              L"0x10 m", L"3 m extra", L"+-5 mm", L"+ 5 mm"}) {
    SCOPED_TRACE(wstring_to_string(text));
    try {
      Units::Parse<Units::Length>(text);
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
      const std::string what = error.what();
      EXPECT_EQ(0u, what.find("Units::Parse: cannot read '" + wstring_to_string(text) + "': "));
    }
  }
}

}  // namespace
}  // namespace Orvanta
