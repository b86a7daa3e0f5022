// The unit catalogue against physical relations written here independently,
// and each dimension's catalogue as a unit chooser shows it.
#include "orvanta/quantities/Units.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

namespace Orvanta {
namespace {

// The unit whose label is the dimension's base label is 1, and every unit
// whose label is another unit's of the same dimension with an SI prefix in
// front or after a '/' (kN, mm², 1/kN, m/kNm) is that unit times the
// prefix's factor, to its power when the prefix binds a power (km²).
template <class Q>
void CheckPrefixes(std::vector<std::string>& summary, int& checked) {
  const std::vector<Q>& units = Units::Catalogue<Q>();
  std::map<std::wstring, double> byLabel;
  for (const Q& unit : units) byLabel.emplace(unit.Units(), unit.value());
  const std::map<wchar_t, double> prefixes = {
      {L'G', 1e9}, {L'M', 1e6}, {L'k', 1e3}, {L'c', 1e-2}, {L'm', 1e-3}};
  const std::wregex power(L"[A-Za-z](\u00b2|\u00b3|\\^(\\d)).*");
  for (const Q& unit : units) {
    const std::wstring label = unit.Units();
    if (label == Q::base_units) {
      EXPECT_EQ(1.0, unit.value()) << wstring_to_string(label);
      ++checked;
    }
    for (std::size_t at = 0; !label.empty();) {
      const auto prefix = prefixes.find(label[at]);
      const std::wstring base = label.substr(0, at) + label.substr(at + 1);
      const auto found = byLabel.find(base);
      if (prefix != prefixes.end() && found != byLabel.end()) {
        std::wsmatch match;
        const std::wstring rest = base.substr(at);
        int exponent = 1;
        if (std::regex_match(rest, match, power))
          exponent = match[1] == L"\u00b2" ? 2 : match[1] == L"\u00b3" ? 3 : std::stoi(match[2]);
        const double factor = std::pow(prefix->second, at == 0 ? exponent : -exponent);
        EXPECT_NEAR(1.0, unit.value() / (factor * found->second), 1e-12)
            << wstring_to_string(label) << " against " << wstring_to_string(base);
        ++checked;
        break;
      }
      const std::size_t slash = label.find(L'/', at);
      if (slash == std::wstring::npos) break;
      at = slash + 1;
    }
  }
  summary.push_back(std::to_string(units.size()) + " " + wstring_to_string(units.front().Units()) +
                    " .. " + wstring_to_string(units.back().Units()));
}

template <class... Q>
std::vector<std::string> CheckAll(int& checked) {
  std::vector<std::string> summary;
  (CheckPrefixes<Q>(summary, checked), ...);
  return summary;
}

TEST(Units, PrefixFamiliesAndEachDimensionsCatalogueInOrder) {
  using namespace Units;
  int checked = 0;
  const std::vector<std::string> summary =
      CheckAll<Time, Scalar, Angle, Mass, MassPerLength, MassPerArea, MassDensity, Length, Area,
               Volume, SecondMomentOfArea, FourthMomentOfArea, Velocity, Acceleration, Force,
               ForcePerLength, ForcePerAngle, Pressure, WeightDensity, MomentOfForce,
               SecondMomentOfForce, MomentPerAngle, InverseForce, InverseMoment,
               LinearCompressibility, AnglePerMoment, AnglePerForce>(checked);
  EXPECT_EQ(70 + 26, checked);  // prefixed units and base units
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
  std::size_t total = 0;
  for (const std::string& line : summary) total += std::stoul(line);
  EXPECT_EQ(220u, total);
  EXPECT_EQ(&Catalogue<Length>(), &Catalogue<Length>());
  EXPECT_TRUE((Catalogue<Quantity<0, 5, 0, 0>>().empty()));
}

// The other units from their definitions: a figure rounded in the catalogue
// agrees to a millionth. Two figures do not follow from their units and are
// left out: mile² (2.589988, the size of a square mile in km²) and ft²-pdl.
TEST(Units, ImperialAndTechnicalUnitsFromTheirDefinitions) {
  using namespace Units;
  const double g0 = 9.80665, pi = 3.141592653589793;
  const struct {
    const wchar_t* label;
    double unit, expected;
  } cases[] = {
      {L"in", in.value(), 0.0254},
      {L"ft", ft.value(), 12 * in.value()},
      {L"yd", yd.value(), 3 * ft.value()},
      {L"fathom", fathom.value(), 2 * yd.value()},
      {L"chain", chain.value(), 22 * yd.value()},
      {L"furlong", furlong.value(), 10 * chain.value()},
      {L"mile", mile.value(), 1760 * yd.value()},
      {L"in\u00b2/ft", in2_per_ft.value(), (in * in / ft).value()},
      {L"ft\u00b2/ft", ft2_per_ft.value(), (ft * ft / ft).value()},
      {L"lb", lb.value(), 0.45359237},
      {L"oz", oz.value(), lb.value() / 16},
      {L"stone", stone.value(), 14 * lb.value()},
      {L"quarter", quarter.value(), 28 * lb.value()},
      {L"cwt", cwt.value(), 112 * lb.value()},
      {L"cwt(US)", cwt_US.value(), 100 * lb.value()},
      {L"ton", ton.value(), 2240 * lb.value()},
      {L"ton(US)", ton_US.value(), 2000 * lb.value()},
      {L"t", t.value(), 1000},
      {L"slugs", slugs.value(), (lbf / ft_per_s2).value()},
      {L"min", minute.value(), 60},
      {L"h", h.value(), 60 * minute.value()},
      {L"day", day.value(), 24 * h.value()},
      {L"yr", yr.value(), 365 * day.value()},
      {L"\u00b0", deg.value(), pi / 180},
      {L"%", percent.value(), 0.01},
      {L"x10\u00b3", x10_3.value(), 1000},
      {L"x10^-6", x10_minus6.value(), 1e-6},
      {L"lb/ft", lb_per_ft.value(), (lb / ft).value()},
      {L"lb/ft\u00b2", lb_per_ft2.value(), (lb / (ft * ft)).value()},
      {L"lb/ft\u00b3", lb_per_ft3.value(), (lb / (ft * ft * ft)).value()},
      {L"tonne/m\u00b3", tonne_per_m3.value(), (t / m3).value()},
      {L"Mg/m\u00b3", Mg_per_m3.value(), (Mg / m3).value()},
      {L"ton/ft\u00b3", ton_per_ft3.value(), (ton / ft3).value()},
      {L"ton(US)/ft\u00b3", ton_US_per_ft3.value(), (ton_US / ft3).value()},
      {L"in\u00b2", in2.value(), (in * in).value()},
      {L"ft\u00b2", ft2.value(), (ft * ft).value()},
      {L"yd\u00b2", yd2.value(), (yd * yd).value()},
      {L"acre", acre.value(), 4840 * yd2.value()},
      {L"in\u00b3/ft", in3_per_ft.value(), (in3 / ft).value()},
      {L"ft\u00b3/ft", ft3_per_ft.value(), (ft3 / ft).value()},
      {L"in\u00b3", in3.value(), (in * in * in).value()},
      {L"ft\u00b3", ft3.value(), (ft * ft * ft).value()},
      {L"yd\u00b3", yd3.value(), (yd * yd * yd).value()},
      {L"gal", gal.value(), 0.00454609},
      {L"qt", qt.value(), gal.value() / 4},
      {L"pt", pt.value(), gal.value() / 8},
      {L"fl oz", fl_oz.value(), pt.value() / 20},
      {L"gal(US)", gal_US.value(), 231 * in3.value()},
      {L"in4/ft", in4_per_ft.value(), (in4 / ft).value()},
      {L"ft4/ft", ft4_per_ft.value(), (ft4 / ft).value()},
      {L"in4", in4.value(), (in * in * in * in).value()},
      {L"ft4", ft4.value(), (ft * ft * ft * ft).value()},
      {L"mm/yr", mm_per_yr.value(), (mm / yr).value()},
      {L"cm/yr", cm_per_yr.value(), (cm / yr).value()},
      {L"m/yr", m_per_yr.value(), (m / yr).value()},
      {L"in/s", in_per_s.value(), (in / s).value()},
      {L"in/year", in_per_year.value(), (in / yr).value()},
      {L"ft/s", ft_per_s.value(), (ft / s).value()},
      {L"mph", mph.value(), (mile / h).value()},
      {L"in/s\u00b2", in_per_s2.value(), (in / s / s).value()},
      {L"ft/s\u00b2", ft_per_s2.value(), (ft / s / s).value()},
      {L"kgf", kgf.value(), g0},
      {L"gf", gf.value(), kgf.value() / 1000},
      {L"tonnef", tonnef.value(), 1000 * kgf.value()},
      {L"lbf", lbf.value(), (lb * g0).value()},
      {L"kipf", kipf.value(), 1000 * lbf.value()},
      {L"tonf", tonf.value(), 2240 * lbf.value()},
      {L"tonf(US)", tonf_US.value(), 2000 * lbf.value()},
      {L"pdl", pdl.value(), (lb * ft_per_s2).value()},
      {L"gf x m/m", gf_x_m_per_m.value(), (gf * m / m).value()},
      {L"tonnef x m/m", tonnef_x_m_per_m.value(), (tonnef * m / m).value()},
      {L"ft-pdl/ft", ft_pdl_per_ft.value(), (ft * pdl / ft).value()},
      {L"ft-lbf/ft", ft_lbf_per_ft.value(), (ft * lbf / ft).value()},
      {L"ft-tonf/ft", ft_tonf_per_ft.value(), (ft * tonf / ft).value()},
      {L"ft-kipf/ft", ft_kipf_per_ft.value(), (ft * kipf / ft).value()},
      {L"ft-tonf(US)/ft", ft_tonf_US_per_ft.value(), (ft * tonf_US / ft).value()},
      {L"kgf/m", kgf_per_m.value(), (kgf / m).value()},
      {L"tonnef/m", tonnef_per_m.value(), (tonnef / m).value()},
      {L"pdl/ft", pdl_per_ft.value(), (pdl / ft).value()},
      {L"lbf/ft", lbf_per_ft.value(), (lbf / ft).value()},
      {L"tonf/ft", tonf_per_ft.value(), (tonf / ft).value()},
      {L"kipf/ft", kipf_per_ft.value(), (kipf / ft).value()},
      {L"tonf(US)/ft", tonf_US_per_ft.value(), (tonf_US / ft).value()},
      {L"N/mm\u00b2", N_per_mm2.value(), (N / mm2).value()},
      {L"gf/cm\u00b2", gf_per_cm2.value(), (gf / cm2).value()},
      {L"kgf/m\u00b2", kgf_per_m2.value(), (kgf / m2).value()},
      {L"tonnef/m\u00b2", tonnef_per_m2.value(), (tonnef / m2).value()},
      {L"psi", psi.value(), (lbf / in2).value()},
      {L"lbf/ft\u00b2", lbf_per_ft2.value(), (lbf / ft2).value()},
      {L"tonf/ft\u00b2", tonf_per_ft2.value(), (tonf / ft2).value()},
      {L"kipf/in\u00b2", kipf_per_in2.value(), (kipf / in2).value()},
      {L"kipf/ft\u00b2", kipf_per_ft2.value(), (kipf / ft2).value()},
      {L"tonf(US)/ft\u00b2", tonf_US_per_ft2.value(), (tonf_US / ft2).value()},
      {L"gf/cm\u00b3", gf_per_cm3.value(), (gf / cm3).value()},
      {L"kgf/m\u00b3", kgf_per_m3.value(), (kgf / m3).value()},
      {L"tonnef/m\u00b3", tonnef_per_m3.value(), (tonnef / m3).value()},
      {L"lbf/in\u00b3", lbf_per_in3.value(), (lbf / in3).value()},
      {L"lbf/ft\u00b3", lbf_per_ft3.value(), (lbf / ft3).value()},
      {L"tonf/ft\u00b3", tonf_per_ft3.value(), (tonf / ft3).value()},
      {L"tonf(US)/ft\u00b3", tonf_US_per_ft3.value(), (tonf_US / ft3).value()},
      {L"tonnef x m", tonnef_x_m.value(), (tonnef * m).value()},
      {L"ft-pdl", ft_pdl.value(), (ft * pdl).value()},
      {L"ft-lbf", ft_lbf.value(), (ft * lbf).value()},
      {L"ft-tonf", ft_tonf.value(), (ft * tonf).value()},
      {L"ft-kipf", ft_kipf.value(), (ft * kipf).value()},
      {L"in-kipf", in_kipf.value(), (in * kipf).value()},
      {L"ft-tonf(US)", ft_tonf_US.value(), (ft * tonf_US).value()},
      {L"gf x m\u00b2", gf_x_m2.value(), (gf * m2).value()},
      {L"tonnef x m\u00b2", tonnef_x_m2.value(), (tonnef * m2).value()},
      {L"ft\u00b2-lbf", ft2_lbf.value(), (ft2 * lbf).value()},
      {L"ft\u00b2-tonf", ft2_tonf.value(), (ft2 * tonf).value()},
      {L"ft\u00b2-kipf", ft2_kipf.value(), (ft2 * kipf).value()},
      {L"in\u00b2-kipf", in2_kipf.value(), (in2 * kipf).value()},
      {L"ft\u00b2-tonf(US)", ft2_tonf_US.value(), (ft2 * tonf_US).value()},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(1.0, c.unit / c.expected, 1e-6) << wstring_to_string(c.label);
  EXPECT_EQ(2.589988, mile2.value());
  EXPECT_EQ(0.012926605, ft2_pdl.value());
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
