#include "orvanta/frame/XmlInputArchive.hpp"

#include <gtest/gtest.h>

#include <boost/archive/xml_archive_exception.hpp>
#include <sstream>

#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

typedef Range<Units::Length> LengthRange;

const char kGood[] =
    "<range class_id=\"0\" tracking_level=\"0\" version=\"0\">"
    "<minimum class_id=\"1\" tracking_level=\"0\" version=\"0\">"
    "<value_>1</value_><units_>m\xC2\xB2</units_></minimum>"
    "<maximum><value_>2</value_><units_>m</units_></maximum></range>";

LengthRange Load(const std::string& xml) {
  std::istringstream in(xml);
  XmlInputArchive archive(in, boost::archive::no_header);
  LengthRange range;
  archive >> boost::serialization::make_nvp("range", range);
  return range;
}

TEST(XmlInputArchive, ReadsWhatTheLibraryWrites) {
  const LengthRange range = Load(kGood);
  EXPECT_EQ(1.0, range.Minimum().value());
  EXPECT_EQ(L"m\u00b2", range.Minimum().Units());
  EXPECT_EQ(2.0, range.Maximum().value());

  std::wistringstream wide(L"<q class_id=\"0\" tracking_level=\"0\" version=\"0\">"
                           L"<value_>0.25</value_><units_>\u00b0</units_></q>");
  XmlWideInputArchive archive(wide, boost::archive::no_header);
  Units::Angle angle;
  archive >> boost::serialization::make_nvp("q", angle);
  EXPECT_EQ(0.25, angle.value());
  EXPECT_EQ(L"\u00b0", angle.Units());
}

// End tags that do not close the element being read, some far longer than its
// name (the library's own archive reads past the name there).
TEST(XmlInputArchive, MismatchedEndTagsThrow) {
  const std::string longName(5000, 'x');
  const std::string cases[] = {
      std::string(kGood).replace(std::string(kGood).find("</value_>"), 9,
                                 "</" + longName + ">"),
      std::string(kGood).replace(std::string(kGood).find("</units_>"), 9, "</units>"),
      std::string(kGood).replace(std::string(kGood).find("</minimum>"), 10, "</minimum_>"),
  };
  for (const std::string& xml : cases) {
    SCOPED_TRACE(xml.substr(0, 120));
    EXPECT_THROW(Load(xml), boost::archive::xml_archive_exception);
  }
}

}  // namespace
}  // namespace Orvanta
