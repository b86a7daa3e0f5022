// Loads an Extents or a length from the input as an XML archive without a
// header, narrow or wide; the first byte chooses (bit 0: wide, bit 1: Extents)
// and the rest is the archive. Bad input may throw any std::exception (Boost's
// archive_exception among them). Whatever loads must save, and load again to
// the same values and labels.
#include <boost/archive/xml_oarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include <sstream>

#include "FuzzCheck.hpp"
#include "orvanta/frame/XmlInputArchive.hpp"
#include "orvanta/geometry/Extents.hpp"

namespace Orvanta {
namespace {

constexpr unsigned kNoHeader = boost::archive::no_header;

// The exact values and the labels of what was loaded, in order.
std::wstring Ends(const Units::Length& length) {
  const std::string value = detail::FormatExactNumber(length.value());
  return std::wstring(value.begin(), value.end()) + L' ' + length.Units() + L'\n';
}
std::wstring Ends(const Extents& box) {
  return Ends(box.MinX()) + Ends(box.MaxX()) + Ends(box.MinY()) + Ends(box.MaxY()) +
         Ends(box.MinZ()) + Ends(box.MaxZ());
}

template <class In, class T, class Text>
bool Load(const Text& xml, T& loaded) {
  std::basic_istringstream<typename Text::value_type> in(xml);
  try {
    In archive(in, kNoHeader);
    archive >> boost::serialization::make_nvp("item", loaded);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

template <class Out, class T, class Text>
Text Save(const T& item) {
  std::basic_ostringstream<typename Text::value_type> out;
  {
    Out archive(out, kNoHeader);
    archive << boost::serialization::make_nvp("item", item);
  }
  return out.str();
}

template <class In, class Out, class T, class Text>
void CheckLoad(const Text& xml) {
  T loaded, again;
  if (!Load<In>(xml, loaded)) return;
  const Text saved = Save<Out, T, Text>(loaded);
  FUZZ_CHECK(Load<In>(saved, again));
  FUZZ_CHECK(Ends(loaded) == Ends(again));
}

template <class In, class Out, class Text>
void CheckLoad(const Text& xml, bool extents) {
  if (extents)
    CheckLoad<In, Out, Extents>(xml);
  else
    CheckLoad<In, Out, Units::Length>(xml);
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  if (size == 0) return 0;
  const bool wide = (data[0] & 1) != 0, extents = (data[0] & 2) != 0;
  const std::string xml = fuzz::Bytes(data + 1, size - 1);
  if (wide)
    CheckLoad<XmlWideInputArchive, boost::archive::xml_woarchive>(string_to_wstring(xml), extents);
  else
    CheckLoad<XmlInputArchive, boost::archive::xml_oarchive>(xml, extents);
  return 0;
}
