#include "orvanta/frame/XmlInputArchive.hpp"

#include <gtest/gtest.h>

#include <boost/archive/xml_archive_exception.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/serialization/vector.hpp>
#include <sstream>
#include <vector>

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

// An archive with a header reads its closing tag as it is destroyed; the
// library's own archive throws from its destructor, ending the program, when
// that tag is malformed or missing.
TEST(XmlInputArchive, BadClosingTagOfAHeaderArchiveIsIgnored) {
  const std::string header =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n"
      "<!DOCTYPE boost_serialization>\n"
      "<boost_serialization signature=\"serialization::archive\" version=\"18\">\n";
  const char* const endings[] = {"</boost_serialization>\n", "</boost_serialization5\n",
                                 "</boost_serialization", "", "<", "</other>"};
  for (const char* ending : endings) {
    SCOPED_TRACE(ending);
    std::istringstream narrow(header + kGood + ending);
    LengthRange range;
    {
      XmlInputArchive archive(narrow);
      archive >> boost::serialization::make_nvp("range", range);
    }
    EXPECT_EQ(2.0, range.Maximum().value());
    EXPECT_EQ(std::ios::eofbit | std::ios::failbit, narrow.rdstate());

    const std::string text = header + kGood + ending;
    std::wistringstream wide(std::wstring(text.begin(), text.end()));
    {
      XmlWideInputArchive archive(wide);
      archive >> boost::serialization::make_nvp("range", range);
    }
    EXPECT_EQ(std::ios::eofbit | std::ios::failbit, wide.rdstate());
  }
}

// A collection's count is checked against the rest of the input before the
// library's archive would allocate that many elements: each element takes at
// least ten characters. A count the input could hold costs memory only as
// its elements arrive.
TEST(XmlInputArchive, CountsLongerThanTheInputThrow) {
  std::ostringstream out;
  {
    boost::archive::xml_oarchive archive(out, boost::archive::no_header);
    const std::vector<int> three{1, 2, 3};
    archive << boost::serialization::make_nvp("v", three);
  }
  const std::string good = out.str();
  const auto withCount = [&](const std::string& count) {
    std::string xml = good;
    return xml.replace(xml.find("<count>3"), 8, "<count>" + count);
  };
  const struct {
    std::string count;
    bool loads;
  } cases[] = {{"3", true}, {"4", false}, {"1000000000000", false},
               {"18446744073709551615", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    const std::string xml = withCount(c.count);
    std::vector<int> narrowLoaded, wideLoaded;
    bool narrowLoads = true, wideLoads = true;
    try {
      std::istringstream in(xml);
      XmlInputArchive archive(in, boost::archive::no_header);
      archive >> boost::serialization::make_nvp("v", narrowLoaded);
    } catch (const boost::archive::archive_exception&) {
      narrowLoads = false;
    }
    try {
      std::wistringstream in(std::wstring(xml.begin(), xml.end()));
      XmlWideInputArchive archive(in, boost::archive::no_header);
      archive >> boost::serialization::make_nvp("v", wideLoaded);
    } catch (const boost::archive::archive_exception&) {
      wideLoads = false;
    }
    EXPECT_EQ(c.loads, narrowLoads);
    EXPECT_EQ(c.loads, wideLoads);
    if (c.loads) {
      EXPECT_EQ(narrowLoaded, wideLoaded);
    }
  }

  // A megabyte of blanks behind three elements that claim to be 100 000 (or,
  // beyond what the blanks could hold, 110 000).
  const std::string padded = good + std::string(1000000, ' ');
  for (const char* count : {"100000", "110000"}) {
    SCOPED_TRACE(count);
    std::string xml = padded;
    xml.replace(xml.find("<count>3"), 8, std::string("<count>") + count);
    std::istringstream in(xml);
    XmlInputArchive archive(in, boost::archive::no_header);
    std::vector<int> loaded;
    EXPECT_THROW(archive >> boost::serialization::make_nvp("v", loaded),
                 boost::archive::archive_exception);
    EXPECT_LT(loaded.capacity(), 256u);  // not room for the whole count
  }
}

}  // namespace
}  // namespace Orvanta
