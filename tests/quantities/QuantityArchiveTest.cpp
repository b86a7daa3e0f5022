#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <sstream>

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_iarchive.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

constexpr unsigned kNoHeader = boost::archive::no_header;

template <class Q>
std::string SaveNarrow(const Q& q, const char* name = "q") {
  std::ostringstream out;
  {
    boost::archive::xml_oarchive archive(out, kNoHeader);
    archive << boost::serialization::make_nvp(name, q);
  }
  return out.str();
}

template <class Q>
Q LoadNarrow(const std::string& xml, const char* name = "q") {
  std::istringstream in(xml);
  boost::archive::xml_iarchive archive(in, kNoHeader);
  Q q;
  archive >> boost::serialization::make_nvp(name, q);
  return q;
}

template <class Q>
std::wstring SaveWide(const Q& q) {
  std::wostringstream out;
  {
    boost::archive::xml_woarchive archive(out, kNoHeader);
    archive << boost::serialization::make_nvp("q", q);
  }
  return out.str();
}

template <class Q>
Q LoadWide(const std::wstring& xml) {
  std::wistringstream in(xml);
  boost::archive::xml_wiarchive archive(in, kNoHeader);
  Q q;
  archive >> boost::serialization::make_nvp("q", q);
  return q;
}

// Runs the round trips under one global C locale, then restores it.
class QuantityArchiveTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, GetParam()) == nullptr) GTEST_SKIP() << "no locale " << GetParam();
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_P(QuantityArchiveTest, RoundTripsValuesAndLabelsExactly) {
  const double values[] = {0.005,
                           0.1,
                           1.0 / 3.0,
                           -0.0,
                           1e-310,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity()};
  const std::wstring labels[] = {L"m\u00b2", L"\u00b0", L"m\u00b3 & <m>", L"", L"kN"};
  for (double value : values) {
    for (const std::wstring& label : labels) {
      SCOPED_TRACE(wstring_to_string(label) + " " + std::to_string(value));
      const Units::Area q(value, label);
      const Units::Area narrow = LoadNarrow<Units::Area>(SaveNarrow(q));
      const Units::Area wide = LoadWide<Units::Area>(SaveWide(q));
      EXPECT_EQ(std::signbit(value), std::signbit(narrow.value()));
      EXPECT_EQ(value, narrow.value());
      EXPECT_EQ(label, narrow.Units());
      EXPECT_EQ(value, wide.value());
      EXPECT_EQ(label, wide.Units());
    }
  }
  const Units::Length nan(std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(LoadNarrow<Units::Length>(SaveNarrow(nan)).value()));
  EXPECT_TRUE(std::isnan(LoadWide<Units::Length>(SaveWide(nan)).value()));
}

TEST_P(QuantityArchiveTest, NarrowTextIsUtf8WithSeventeenDigits) {
  const std::string xml = SaveNarrow(Units::Length(0.1, std::wstring(L"m\u00b2")));
  EXPECT_NE(std::string::npos, xml.find("<value_>0.10000000000000001</value_>")) << xml;
  EXPECT_NE(std::string::npos, xml.find("<units_>m\xC2\xB2</units_>")) << xml;
  EXPECT_LT(xml.find("<value_>"), xml.find("<units_>"));
  EXPECT_NE(std::string::npos, xml.find("version=\"0\"")) << xml;

  const std::wstring wide = SaveWide(Units::Length(0.1, std::wstring(L"m\u00b2")));
  EXPECT_NE(std::wstring::npos, wide.find(L"<value_>0.10000000000000001</value_>"));
}

INSTANTIATE_TEST_SUITE_P(Locales, QuantityArchiveTest, ::testing::Values("C", "C.UTF-8"));

TEST(QuantityArchive, MalformedValueThrowsAndLeavesNothingHalfDone) {
  const std::string xml = SaveNarrow(Units::Length(2.0));
  for (const char* bad :
       {"<value_>2 metres</value_>", "<value_>+-5</value_>", "<value_></value_>"}) {
    SCOPED_TRACE(bad);
    const std::string changed = std::string(xml).replace(xml.find("<value_>2</value_>"), 18, bad);
    EXPECT_THROW(LoadNarrow<Units::Length>(changed), boost::archive::archive_exception);
  }
  EXPECT_EQ(5.0, LoadNarrow<Units::Length>(std::string(xml).replace(xml.find("<value_>2</value_>"),
                                                                    18, "<value_>+5</value_>"))
                     .value());
}

TEST(RangeArchive, ElementNamesAndNoReordering) {
  const Range<Units::Length> span(Units::Length(3.0), Units::Length(1.0));
  std::string xml = SaveNarrow(span, "range");
  EXPECT_LT(xml.find("<minimum"), xml.find("<maximum"));
  EXPECT_EQ(span, LoadNarrow<Range<Units::Length>>(xml, "range"));

  // Loaded as stored, even the wrong way round.
  const std::size_t min = xml.find("<value_>1</value_>"), max = xml.find("<value_>3</value_>");
  ASSERT_NE(std::string::npos, min);
  ASSERT_NE(std::string::npos, max);
  xml[min + 8] = '3';
  xml[max + 8] = '1';
  const auto reversed = LoadNarrow<Range<Units::Length>>(xml, "range");
  EXPECT_EQ(3.0, reversed.Minimum().value());
  EXPECT_EQ(1.0, reversed.Maximum().value());
}

}  // namespace
}  // namespace Orvanta
