#include "orvanta/frame/XmlInputArchive.hpp"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/detail/archive_serializer_map.hpp>
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_xml_iarchive.ipp>
#include <boost/archive/impl/xml_iarchive_impl.ipp>
#include <boost/archive/impl/xml_wiarchive_impl.ipp>
#include <boost/archive/xml_archive_exception.hpp>
#include <boost/serialization/throw_exception.hpp>
#include <cstring>

namespace boost {
namespace archive {
template class detail::archive_serializer_map<Orvanta::XmlInputArchive>;
template class basic_xml_iarchive<Orvanta::XmlInputArchive>;
template class xml_iarchive_impl<Orvanta::XmlInputArchive>;
template class detail::archive_serializer_map<Orvanta::XmlWideInputArchive>;
template class basic_xml_iarchive<Orvanta::XmlWideInputArchive>;
template class xml_wiarchive_impl<Orvanta::XmlWideInputArchive>;
}  // namespace archive
}  // namespace boost

namespace Orvanta {
namespace {

// The end tag of the element `name` has just been parsed into `grammar`:
// throws unless it closes that element. The outermost element is not checked,
// as the library does not check it either.
template <class Grammar, class Stream>
void CheckEndTag(Grammar& grammar, Stream& stream, const char* name, unsigned int& depth,
                 unsigned int flags) {
  if (!grammar.parse_end_tag(stream))
    boost::serialization::throw_exception(
        boost::archive::archive_exception(boost::archive::archive_exception::input_stream_error));
  if (depth > 0) --depth;
  if (depth == 0 || (flags & boost::archive::no_xml_tag_checking) != 0) return;
  const auto& found = grammar.rv.object_name;
  const std::size_t length = std::strlen(name);
  bool same = found.size() == length;
  for (std::size_t i = 0; same && i < length; ++i)
    same = static_cast<unsigned long>(found[i]) == static_cast<unsigned char>(name[i]);
  if (!same)
    boost::serialization::throw_exception(boost::archive::xml_archive_exception(
        boost::archive::xml_archive_exception::xml_archive_tag_mismatch, name));
}

}  // namespace

XmlInputArchive::XmlInputArchive(std::istream& stream, unsigned int flags)
    : boost::archive::xml_iarchive_impl<XmlInputArchive>(stream, flags) {
  if ((flags & boost::archive::no_header) == 0) init();
}
XmlInputArchive::~XmlInputArchive() = default;

void XmlInputArchive::load_start(const char* name) {
  if (name != nullptr) ++depth_;
  boost::archive::basic_xml_iarchive<XmlInputArchive>::load_start(name);
}

void XmlInputArchive::load_end(const char* name) {
  if (name == nullptr) return;
  CheckEndTag(*gimpl, get_is(), name, depth_, get_flags());
}

XmlWideInputArchive::XmlWideInputArchive(std::wistream& stream, unsigned int flags)
    : boost::archive::xml_wiarchive_impl<XmlWideInputArchive>(stream, flags) {
  if ((flags & boost::archive::no_header) == 0) init();
}
XmlWideInputArchive::~XmlWideInputArchive() = default;

void XmlWideInputArchive::load_start(const char* name) {
  if (name != nullptr) ++depth_;
  boost::archive::basic_xml_iarchive<XmlWideInputArchive>::load_start(name);
}

void XmlWideInputArchive::load_end(const char* name) {
  if (name == nullptr) return;
  CheckEndTag(*gimpl, get_is(), name, depth_, get_flags());
}

}  // namespace Orvanta
