// Loads an Extents or a length from the input as an XML archive without a
// header, narrow or wide; the first byte chooses (bit 0: wide, bit 1: Extents)
// and the rest is the archive. Bad input may throw any std::exception (Boost's
// archive_exception among them). Whatever loads must save, and load again to
// the same values and labels.
#include <boost/archive/xml_oarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include <sstream>
#include <vector>

#include "FuzzCheck.hpp"
#include "orvanta/frame/XmlInputArchive.hpp"
#include "orvanta/geometry/Extents.hpp"

namespace Orvanta {
namespace {

constexpr unsigned kNoHeader = boost::archive::no_header;

struct Narrow {
  using Text = std::string;
  using In = Orvanta::XmlInputArchive;
  using Out = boost::archive::xml_oarchive;
};
struct Wide {
  using Text = std::wstring;
  using In = Orvanta::XmlWideInputArchive;
  using Out = boost::archive::xml_woarchive;
};

// The values and labels of what was loaded, in order.
std::vector<Units::Length> Ends(const Units::Length& length) { return {length}; }
std::vector<Units::Length> Ends(const Extents& box) {
  return {box.MinX(), box.MaxX(), box.MinY(), box.MaxY(), box.MinZ(), box.MaxZ()};
}

bool SameEnds(const std::vector<Units::Length>& a, const std::vector<Units::Length>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!fuzz::Same(a[i].value(), b[i].value()) || a[i].Units() != b[i].Units()) return false;
  return true;
}

template <class Kind, class T>
bool Load(const typename Kind::Text& xml, T& loaded) {
  std::basic_istringstream<typename Kind::Text::value_type> in(xml);
  try {
    typename Kind::In archive(in, kNoHeader);
    archive >> boost::serialization::make_nvp("item", loaded);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

template <class Kind, class T>
typename Kind::Text Save(const T& item) {
  std::basic_ostringstream<typename Kind::Text::value_type> out;
  {
    typename Kind::Out archive(out, kNoHeader);
    archive << boost::serialization::make_nvp("item", item);
  }
  return out.str();
}

template <class Kind, class T>
void CheckLoad(const typename Kind::Text& xml) {
  T loaded;
  if (!Load<Kind>(xml, loaded)) return;
  const typename Kind::Text saved = Save<Kind>(loaded);
  T again;
  FUZZ_CHECK(Load<Kind>(saved, again));
  FUZZ_CHECK(SameEnds(Ends(loaded), Ends(again)));
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  if (size == 0) return 0;
  const bool wide = (data[0] & 1) != 0, extents = (data[0] & 2) != 0;
  const std::string xml = fuzz::Bytes(data + 1, size - 1);
  if (wide) {
    const std::wstring text = string_to_wstring(xml);
    if (extents)
      CheckLoad<Wide, Extents>(text);
    else
      CheckLoad<Wide, Units::Length>(text);
  } else {
    if (extents)
      CheckLoad<Narrow, Extents>(xml);
    else
      CheckLoad<Narrow, Units::Length>(xml);
  }
  return 0;
}
