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
#include <exception>
#include <ios>

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

// What the archive's destructor does for an archive with a header: reads the
// closing </boost_serialization> tag. Boost's own destructor does it too, and
// throws from there (ending the program) when the tag is malformed or cut
// short; here a failure is ignored, as the content has been read, and the
// stream is left failed so that Boost's destructor, which runs next, reads
// nothing (it stops at a failed stream, not at its end).
template <class Grammar, class Stream>
void ReadClosingTag(Grammar& grammar, Stream& stream, unsigned int flags) {
  if ((flags & boost::archive::no_header) != 0 || std::uncaught_exceptions() > 0) return;
  try {
    grammar.windup(stream);
  } catch (const std::exception&) {
  }
  stream.setstate(std::ios::eofbit | std::ios::failbit);
}

// The fewest characters an element of a collection takes: a start tag of a
// one-letter name and the end tag "</item>", which the archive checks (or
// "</x>" when it does not check end tags).
std::size_t SmallestElement(unsigned int flags) {
  return (flags & boost::archive::no_xml_tag_checking) != 0 ? 7 : 10;
}

// Throws unless `count` elements could still follow in `stream`. Streams
// that cannot tell their length are trusted.
template <class Stream>
void CheckCount(Stream& stream, std::size_t count, unsigned int flags) {
  const std::ios::iostate state = stream.rdstate();
  const typename Stream::pos_type here = stream.tellg();
  if (here == typename Stream::pos_type(-1)) {
    stream.clear(state);
    return;
  }
  stream.seekg(0, std::ios::end);
  const typename Stream::pos_type end = stream.tellg();
  stream.clear();
  stream.seekg(here);
  stream.clear(state);
  if (end == typename Stream::pos_type(-1)) return;
  const std::streamoff left = end - here;
  if (left >= 0 && count > static_cast<unsigned long long>(left) / SmallestElement(flags))
    boost::serialization::throw_exception(
        boost::archive::archive_exception(boost::archive::archive_exception::input_stream_error));
}

}  // namespace

XmlInputArchive::XmlInputArchive(std::istream& stream, unsigned int flags)
    : boost::archive::xml_iarchive_impl<XmlInputArchive>(stream, flags) {
  if ((flags & boost::archive::no_header) == 0) init();
}
XmlInputArchive::~XmlInputArchive() { ReadClosingTag(*gimpl, get_is(), get_flags()); }

void XmlInputArchive::load_start(const char* name) {
  if (name != nullptr) ++depth_;
  boost::archive::basic_xml_iarchive<XmlInputArchive>::load_start(name);
}

void XmlInputArchive::load_end(const char* name) {
  if (name == nullptr) return;
  CheckEndTag(*gimpl, get_is(), name, depth_, get_flags());
}

void XmlInputArchive::load(boost::serialization::collection_size_type& count) {
  boost::archive::xml_iarchive_impl<XmlInputArchive>::load(count);
  CheckCount(get_is(), count, get_flags());
}

XmlWideInputArchive::XmlWideInputArchive(std::wistream& stream, unsigned int flags)
    : boost::archive::xml_wiarchive_impl<XmlWideInputArchive>(stream, flags) {
  if ((flags & boost::archive::no_header) == 0) init();
}
XmlWideInputArchive::~XmlWideInputArchive() { ReadClosingTag(*gimpl, get_is(), get_flags()); }

void XmlWideInputArchive::load_start(const char* name) {
  if (name != nullptr) ++depth_;
  boost::archive::basic_xml_iarchive<XmlWideInputArchive>::load_start(name);
}

void XmlWideInputArchive::load_end(const char* name) {
  if (name == nullptr) return;
  CheckEndTag(*gimpl, get_is(), name, depth_, get_flags());
}

void XmlWideInputArchive::load(boost::serialization::collection_size_type& count) {
  boost::archive::xml_wiarchive_impl<XmlWideInputArchive>::load(count);
  CheckCount(get_is(), count, get_flags());
}

}  // namespace Orvanta
