#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <sstream>
#include <type_traits>

#include <boost/archive/xml_iarchive.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

// The narrow archives for char, the wide ones for wchar_t.
template <class Char, class Narrow, class Wide>
using Xml = std::conditional_t<std::is_same<Char, char>::value, Narrow, Wide>;

template <class Char = char, class Q>
std::basic_string<Char> Save(const Q& q, const char* name = "q") {
  std::basic_ostringstream<Char> out;
  {
    Xml<Char, boost::archive::xml_oarchive, boost::archive::xml_woarchive> archive(
        out, boost::archive::no_header);
    archive << boost::serialization::make_nvp(name, q);
  }
  return out.str();
}

template <class Q, class Char>
Q Load(const std::basic_string<Char>& xml, const char* name = "q") {
  std::basic_istringstream<Char> in(xml);
  Xml<Char, boost::archive::xml_iarchive, boost::archive::xml_wiarchive> archive(
      in, boost::archive::no_header);
  Q q;
  archive >> boost::serialization::make_nvp(name, q);
  return q;
}

// Runs the round trips under one global C locale, then restores it.
struct QuantityArchiveTest : ::testing::TestWithParam<const char*> {
  void SetUp() override {
    if (std::setlocale(LC_ALL, GetParam()) == nullptr) GTEST_SKIP() << "no locale " << GetParam();
  }
  void TearDown() override { std::setlocale(LC_ALL, saved.c_str()); }
  const std::string saved = std::setlocale(LC_ALL, nullptr);
};

TEST_P(QuantityArchiveTest, RoundTripsValuesAndLabelsExactlyAsUtf8WithSeventeenDigits) {
  typedef std::numeric_limits<double> Limits;
  const double values[] = {0.005,  0.1,           1.0 / 3.0,          -0.0,
                           1e-310, Limits::max(), Limits::infinity(), Limits::quiet_NaN()};
  const std::wstring labels[] = {L"m\u00b2", L"\u00b0", L"m\u00b3 & <m>", L"", L"kN"};
  for (double value : values) {
    for (const std::wstring& label : labels) {
      SCOPED_TRACE(wstring_to_string(label) + " " + std::to_string(value));
      const Units::Area q(value, label);
      for (const Units::Area& loaded :
           {Load<Units::Area>(Save(q)), Load<Units::Area>(Save<wchar_t>(q))}) {
        EXPECT_TRUE(std::signbit(value) == std::signbit(loaded.value()) &&
                    (value == loaded.value() || (std::isnan(value) && std::isnan(loaded.value()))));
        EXPECT_EQ(label, loaded.Units());
      }
    }
  }

  const Units::Length tenth(0.1, std::wstring(L"m\u00b2"));
  EXPECT_EQ(
      "<q class_id=\"0\" tracking_level=\"0\" "
      "version=\"0\">\n\t<value_>0.10000000000000001</value_>\n"
      "\t<units_>m\xC2\xB2</units_>\n</q>\n\n",
      Save(tenth));
}

INSTANTIATE_TEST_SUITE_P(Locales, QuantityArchiveTest, ::testing::Values("C", "C.UTF-8"));

TEST(RangeArchive, ElementNames) {
  const Range<Units::Length> span(Units::Length(3.0), Units::Length(1.0));
  const std::string xml = Save(span, "range");
  EXPECT_LT(xml.find("<minimum"), xml.find("<maximum"));
  EXPECT_EQ(span, Load<Range<Units::Length>>(xml, "range"));
}

}  // namespace
}  // namespace Orvanta
