// The unit catalogue against physical relations written here independently,
// and each dimension's catalogue as a unit chooser shows it.
#include "orvanta/quantities/Units.hpp"

#include <gtest/gtest.h>

#include <set>

namespace Orvanta {
namespace {

// Each catalogue as "count first .. last", "; " between them; every label
// into `labels`.
template <class... Q>
std::string Summaries(std::set<std::wstring>& labels) {
  std::string summary;
  const auto add = [&](const auto& units, const std::wstring& base) {
    for (const auto& unit : units) {
      labels.insert(unit.Units());
      if (unit.Units() == base) {
        EXPECT_EQ(1.0, unit.value()) << wstring_to_string(base);
      }
    }
    summary += (summary.empty() ? "" : "; ") + std::to_string(units.size()) + " " +
               wstring_to_string(units.front().Units()) + " .. " +
               wstring_to_string(units.back().Units());
  };
  (add(Units::Catalogue<Q>(), Q::base_units), ...);
  return summary;
}

TEST(Units, EachDimensionsCatalogueInOrder) {
  using namespace Units;
  std::set<std::wstring> labels;
  EXPECT_EQ(
      "5 s .. yr; 8 x10^-9 .. x10^9; 3 \xC2\xB0 .. mrad; 13 g .. ton(US); 2 kg/m .. lb/ft; "
      "2 kg/m\xC2\xB2 .. lb/ft\xC2\xB2; 6 kg/m\xC2\xB3 .. ton(US)/ft\xC2\xB3; "
      "15 mm .. ft\xC2\xB2/ft; 13 mm\xC2\xB2 .. ft\xC2\xB3/ft; 16 mm\xC2\xB3 .. ft4/ft; "
      "4 cm^4 .. ft4; 2 cm^6 .. m^6; 8 m/s .. mph; 3 m/s\xC2\xB2 .. ft/s\xC2\xB2; "
      "24 N .. ft-tonf(US)/ft; 12 N/m .. tonf(US)/ft; 4 N/rad .. GN/rad; "
      "15 Pa .. tonf(US)/ft\xC2\xB2; 11 N/m\xC2\xB3 .. tonf(US)/ft\xC2\xB3; "
      "13 Nm .. ft-tonf(US); 13 Nm\xC2\xB2 .. ft\xC2\xB2-tonf(US); 4 Nm/rad .. GNm/rad; "
      "8 1/N .. m/GNm; 4 1/Nm .. 1/GNm; 4 m/N .. m/GN; 4 rad/Nm .. rad/GNm; "
      "4 rad/N .. rad/GN",
      (Summaries<Time, Scalar, Angle, Mass, MassPerLength, MassPerArea, MassDensity, Length, Area,
                 Volume, SecondMomentOfArea, FourthMomentOfArea, Velocity, Acceleration, Force,
                 ForcePerLength, ForcePerAngle, Pressure, WeightDensity, MomentOfForce,
                 SecondMomentOfForce, MomentPerAngle, InverseForce, InverseMoment,
                 LinearCompressibility, AnglePerMoment, AnglePerForce>(labels)));

  EXPECT_EQ(220u, labels.size());  // no label given twice
  EXPECT_TRUE((Catalogue<Quantity<0, 5, 0, 0>>().empty()));
}

struct Definition {
  template <class Q>
  Definition(const Q& unit, const Q& expected)
      : label(unit.Units()), size(unit.value()), expected(expected.value()) {}
  std::wstring label;
  double size, expected;
};

// Named units from their definitions, prefixed and compound ones from their
// parts.
TEST(Units, UnitsFromTheirDefinitions) {
  using namespace Units;
  const Acceleration g0(9.80665);
  const Definition cases[] = {
      {in, Length(0.0254)},     {ft, 12.0 * in},       {yd, 3.0 * ft},
      {chain, 22.0 * yd},       {mile, 1760.0 * yd},   {lb, Mass(0.45359237)},
      {oz, lb / 16.0},          {cwt, 112.0 * lb},     {cwt_US, 100.0 * lb},
      {ton, 2240.0 * lb},       {ton_US, 2000.0 * lb}, {t, Mass(1000)},
      {slugs, lbf / ft_per_s2}, {minute, Time(60)},    {h, 60.0 * minute},
      {day, 24.0 * h},          {yr, 365.0 * day},     {deg, Angle(3.141592653589793 / 180)},
      {percent, Scalar(0.01)},  {x10_3, Scalar(1000)}, {gal, Volume(0.00454609)},
      {qt, gal / 4.0},          {pt, gal / 8.0},       {fl_oz, pt / 20.0},
      {gal_US, 231.0 * in3},    {acre, 4840.0 * yd2},  {mph, mile / h},
      {kgf, kg * g0},           {gf, g * g0},          {tonnef, t * g0},
      {lbf, lb * g0},           {kipf, 1000.0 * lbf},  {tonf, 2240.0 * lbf},
      {tonf_US, 2000.0 * lbf},  {pdl, lb * ft_per_s2}, {tonne_per_m3, t / m3},
      {in_per_year, in / yr},   {psi, lbf / in2},      {mm, m / 1000.0},
      {km, 1000.0 * m},         {mm2, mm * mm},        {ft3, ft * ft * ft},
      {kN, 1000.0 * N},         {MN, 1e6 * N},         {kPa, kN / m2},
      {MPa, N / mm2},           {kNm, kN * m},         {kN_per_m, kN / m},
      {kN_per_m3, kN / m3},     {mrad, Angle(1e-3)},   {kg_per_m3, kg / m3},
  };
  for (const Definition& d : cases)
    EXPECT_NEAR(1.0, d.size / d.expected, 1e-6) << wstring_to_string(d.label);
}

TEST(UnitParse, AcceptsNumberBlanksAndLabelOnly) {
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
  EXPECT_EQ(3000.0, Units::Parse<Units::Scalar>(L"3 x10\u00b3").value());

  // Anything else is refused, quoted.
  for (const wchar_t* text : {L"", L"   ", L"mm", L"300", L"300 MM", L"300 kN", L"300 m m",
                              L"nan m", L"inf m", L"1e999 m", L"--3 m", L"3..5 m", L"300 parsecs",
                              L"0x10 m", L"3 m extra", L"+-5 mm", L"+ 5 mm"}) {
    SCOPED_TRACE(wstring_to_string(text));
    try {
      Units::Parse<Units::Length>(text);
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(0u, std::string(error.what())
                        .find("Units::Parse: cannot read '" + wstring_to_string(text) + "': "));
    }
  }
}

}  // namespace
}  // namespace Orvanta
