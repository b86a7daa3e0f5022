#include "orvanta/frame/XmlInputArchive.hpp"

#include <gtest/gtest.h>

#include <boost/archive/xml_archive_exception.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/serialization/vector.hpp>
#include <cstring>
#include <sstream>
#include <vector>

#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

typedef Range<Units::Length> LengthRange;

const std::string kGood =
    "<range class_id=\"0\" tracking_level=\"0\" version=\"0\">"
    "<minimum class_id=\"1\" tracking_level=\"0\" version=\"0\">"
    "<value_>1</value_><units_>m\xC2\xB2</units_></minimum>"
    "<maximum><value_>2</value_><units_>m</units_></maximum></range>";

// Loads `in` into `loaded` through Archive: " tag" for a tag mismatch,
// " threw" for another archive error, "" for none.
template <class Archive, class Stream, class T>
std::string Thrown(Stream&& in, const char* name, T& loaded) {
  try {
    Archive archive(in, boost::archive::no_header);
    archive >> boost::serialization::make_nvp(name, loaded);
    return "";
  } catch (const boost::archive::xml_archive_exception&) {
    return " tag";
  } catch (const boost::archive::archive_exception&) {
    return " threw";
  }
}

// Loads `xml` (ASCII but for UTF-8 labels) through the narrow archive into
// `loaded` and through the wide one: what each threw.
template <class T>
std::string LoadBoth(const std::string& xml, const char* name, T& loaded) {
  T wide;
  return "narrow" + Thrown<XmlInputArchive>(std::istringstream(xml), name, loaded) + ", wide" +
         Thrown<XmlWideInputArchive>(std::wistringstream(string_to_wstring(xml)), name, wide);
}

// End tags that do not close the element being read, one far longer than its
// name (the library's own archive reads past the name there), throw.
TEST(XmlInputArchive, ReadsWhatTheLibraryWritesAndRefusesMismatchedEndTags) {
  LengthRange range;
  EXPECT_EQ("narrow, wide", LoadBoth(kGood, "range", range));
  EXPECT_EQ(LengthRange(Units::Length(1.0), Units::Length(2.0)), range);
  for (const auto& [tag, replacement] :
       {std::make_pair("</value_>", "</" + std::string(5000, 'x') + ">"),
        std::make_pair("</units_>", std::string("</units>")),
        std::make_pair("</minimum>", std::string("</minimum_>"))}) {
    SCOPED_TRACE(replacement.substr(0, 20));
    std::string xml = kGood;
    xml.replace(xml.find(tag), std::strlen(tag), replacement);
    EXPECT_EQ("narrow tag, wide tag", LoadBoth(xml, "range", range));
  }
}

// The closing tag of an archive with a header, malformed or missing, is
// ignored; the stream is left failed either way.
TEST(XmlInputArchive, BadClosingTagOfAHeaderArchiveIsIgnored) {
  const std::string header =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n"
      "<!DOCTYPE boost_serialization>\n"
      "<boost_serialization signature=\"serialization::archive\" version=\"18\">\n";
  for (const char* ending : {"</boost_serialization>\n", "</boost_serialization", "</other>"}) {
    SCOPED_TRACE(ending);
    const std::string text = header + kGood + ending;
    std::istringstream narrow(text);
    LengthRange range;
    XmlInputArchive(narrow) >> boost::serialization::make_nvp("range", range);
    EXPECT_EQ(2.0, range.Maximum().value());
    EXPECT_EQ(std::ios::eofbit | std::ios::failbit, narrow.rdstate());
  }
}

// A count that the rest of the input could not hold at ten characters an
// element throws before anything is allocated for it.
TEST(XmlInputArchive, CountsLongerThanTheInputThrow) {
  std::ostringstream out;
  {
    boost::archive::xml_oarchive archive(out, boost::archive::no_header);
    const std::vector<int> three{1, 2, 3};
    archive << boost::serialization::make_nvp("v", three);
  }
  const auto withCount = [&out](const std::string& count) {
    return std::string(out.str()).replace(out.str().find("<count>3") + 7, 1, count);
  };
  std::vector<int> loaded;
  EXPECT_EQ("narrow, wide", LoadBoth(withCount("3"), "v", loaded));
  EXPECT_EQ((std::vector<int>{1, 2, 3}), loaded);
  for (const char* count : {"4", "1000000000000", "18446744073709551615"})
    EXPECT_EQ("narrow threw, wide threw", LoadBoth(withCount(count), "v", loaded)) << count;
}

}  // namespace
}  // namespace Orvanta
