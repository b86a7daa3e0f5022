// Loads an Extents or a length from the input as an XML archive without a
// header, narrow or wide; the first byte chooses (bit 0: wide, bit 1: Extents)
// and the rest is the archive. Bad input may throw any std::exception (Boost's
// archive_exception among them). Whatever loads must save, and load again to
// what saves the same text (the exact values and labels).
#include <boost/archive/xml_oarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include <sstream>

#include "FuzzCheck.hpp"
#include "orvanta/frame/XmlInputArchive.hpp"
#include "orvanta/geometry/Extents.hpp"

namespace Orvanta {
namespace {

template <class In, class T, class Text>
bool Load(const Text& xml, T& loaded) {
  std::basic_istringstream<typename Text::value_type> in(xml);
  try {
    In archive(in, boost::archive::no_header);
    archive >> boost::serialization::make_nvp("item", loaded);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

template <class In, class Out, class T, class Text>
void CheckLoad(const Text& xml) {
  const auto save = [](const T& item) {
    std::basic_ostringstream<typename Text::value_type> out;
    Out(out, boost::archive::no_header) << boost::serialization::make_nvp("item", item);
    return out.str();
  };
  T loaded, again;
  if (!Load<In>(xml, loaded)) return;
  const Text saved = save(loaded);
  FUZZ_CHECK(Load<In>(saved, again) && save(again) == saved);
}

template <class In, class Out, class Text>
void CheckLoad(const Text& xml, bool extents) {
  if (extents) return CheckLoad<In, Out, Extents>(xml);
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
