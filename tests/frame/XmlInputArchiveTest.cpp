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

const std::string kGood =
    "<range class_id=\"0\" tracking_level=\"0\" version=\"0\">"
    "<minimum class_id=\"1\" tracking_level=\"0\" version=\"0\">"
    "<value_>1</value_><units_>m\xC2\xB2</units_></minimum>"
    "<maximum><value_>2</value_><units_>m</units_></maximum></range>";

// Loads `in` into `loaded` through Archive: " tag" for a tag mismatch,
// " threw" for another archive error, "" for none.
template <class Archive, class Stream, class T>
std::string Thrown(Stream&& in, const char* name, T& loaded, unsigned int flags) {
  try {
    Archive archive(in, flags);
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
std::string LoadBoth(const std::string& xml, const char* name, T& loaded,
                     unsigned int flags = boost::archive::no_header) {
  T wide;
  return "narrow" + Thrown<XmlInputArchive>(std::istringstream(xml), name, loaded, flags) +
         ", wide" +
         Thrown<XmlWideInputArchive>(std::wistringstream(string_to_wstring(xml)), name, wide,
                                     flags);
}

// End tags that do not close the element being read, one far longer than its
// name (the library's own archive reads past the name there), throw.
TEST(XmlInputArchive, ReadsWhatTheLibraryWritesAndRefusesMismatchedEndTags) {
  LengthRange range;
  EXPECT_EQ("narrow, wide", LoadBoth(kGood, "range", range));
  EXPECT_EQ(LengthRange(Units::Length(1.0), Units::Length(2.0)), range);
  EXPECT_EQ(L"m\u00b2", range.Minimum().Units());
  const struct {
    const char* tag;
    std::string replacement;
  } cases[] = {{"</value_>", "</" + std::string(5000, 'x') + ">"},
               {"</units_>", "</units>"},
               {"</minimum>", "</minimum_>"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.replacement.substr(0, 20));
    std::string xml = kGood;
    xml.replace(xml.find(c.tag), std::string(c.tag).size(), c.replacement);
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
  for (const char* ending : {"</boost_serialization>\n", "</boost_serialization5\n",
                             "</boost_serialization", "", "<", "</other>"}) {
    SCOPED_TRACE(ending);
    const std::string text = header + kGood + ending;
    std::istringstream narrow(text);
    std::wistringstream wide(string_to_wstring(text));
    LengthRange range, wideRange;
    {
      XmlInputArchive archive(narrow);
      archive >> boost::serialization::make_nvp("range", range);
      XmlWideInputArchive wideArchive(wide);
      wideArchive >> boost::serialization::make_nvp("range", wideRange);
    }
    EXPECT_EQ(2.0, range.Maximum().value());
    EXPECT_EQ(2.0, wideRange.Maximum().value());
    EXPECT_EQ(std::ios::eofbit | std::ios::failbit, narrow.rdstate());
    EXPECT_EQ(std::ios::eofbit | std::ios::failbit, wide.rdstate());
  }
}

// A count that the rest of the input could not hold at ten characters an
// element (seven without end-tag checks) throws before anything is allocated
// for it; one it could hold costs memory only as its elements arrive.
TEST(XmlInputArchive, CountsLongerThanTheInputThrow) {
  std::ostringstream out;
  {
    boost::archive::xml_oarchive archive(out, boost::archive::no_header);
    const std::vector<int> three{1, 2, 3};
    archive << boost::serialization::make_nvp("v", three);
  }
  const struct {
    std::string count;
    unsigned int flags;
    const char* thrown;
  } cases[] = {
      {"3", 0, "narrow, wide"},
      {"4", 0, "narrow threw, wide threw"},
      {"1000000000000", 0, "narrow threw, wide threw"},
      {"1000000000000", boost::archive::no_xml_tag_checking, "narrow threw, wide threw"},
      {"18446744073709551615", 0, "narrow threw, wide threw"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    std::string xml = out.str();
    xml.replace(xml.find("<count>3"), 8, "<count>" + c.count);
    std::vector<int> loaded;
    EXPECT_EQ(c.thrown, LoadBoth(xml, "v", loaded, boost::archive::no_header | c.flags));
    if (c.count == "3") {
      EXPECT_EQ((std::vector<int>{1, 2, 3}), loaded);
    }
  }

  // A megabyte of blanks behind three elements that claim to be 100 000 (or,
  // beyond what the blanks could hold, 110 000).
  for (const char* count : {"100000", "110000"}) {
    SCOPED_TRACE(count);
    std::string xml = out.str() + std::string(1000000, ' ');
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
