// XmlInputArchive and XmlWideInputArchive: the serialization library's XML
// input archives, safe on hostile files.
//
//   std::ifstream file(path);
//   Orvanta::XmlInputArchive archive(file, boost::archive::no_header);
//   archive >> boost::serialization::make_nvp("extents", extents);
//
// They read exactly what xml_iarchive and xml_wiarchive read. The library's
// own archives, when they check that an end tag matches the element being
// read, index the expected name by the length of the tag found in the file,
// reading past the name when the file's tag is longer; these compare the two
// names safely, and a mismatch throws the same xml_archive_exception. An
// archive with a header reads the closing </boost_serialization> tag as it is
// destroyed; the library's own archives throw from their destructor (ending
// the program) when that tag is malformed or missing; these ignore it, and
// leave the stream failed (end-of-file and fail bits set) either way. Load
// untrusted files through these.
//
// A collection's element count is checked against what is left of a seekable
// stream (a file or string stream): a count greater than the characters that
// remain, which could not all be there, throws archive_exception
// (input_stream_error) before anything is allocated for it, where the
// library's archives would first allocate the whole count.
#pragma once

#include <istream>

#include <boost/archive/detail/register_archive.hpp>
#include <boost/archive/xml_iarchive.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/serialization/collection_size_type.hpp>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {
class XmlInputArchive;
class XmlWideInputArchive;
}  // namespace Orvanta

// Boost's archive templates are instantiated for these archives once, in the
// library, and exported from it; the declarations must come before the classes
// below instantiate them. Code outside the library instantiates their inline
// members itself and calls the rest in the library.
#if defined(ORVANTA_BUILDING)
namespace boost {
namespace archive {
extern template class ORVANTA_API detail::archive_serializer_map<Orvanta::XmlInputArchive>;
extern template class ORVANTA_API basic_xml_iarchive<Orvanta::XmlInputArchive>;
extern template class ORVANTA_API xml_iarchive_impl<Orvanta::XmlInputArchive>;
extern template class ORVANTA_API detail::archive_serializer_map<Orvanta::XmlWideInputArchive>;
extern template class ORVANTA_API basic_xml_iarchive<Orvanta::XmlWideInputArchive>;
extern template class ORVANTA_API xml_wiarchive_impl<Orvanta::XmlWideInputArchive>;
}  // namespace archive
}  // namespace boost
#endif

namespace Orvanta {

class ORVANTA_API XmlInputArchive : public boost::archive::xml_iarchive_impl<XmlInputArchive> {
 public:
  explicit XmlInputArchive(std::istream& stream, unsigned int flags = 0);
  ~XmlInputArchive() override;

 protected:
  friend class boost::archive::detail::interface_iarchive<XmlInputArchive>;
  friend class boost::archive::basic_xml_iarchive<XmlInputArchive>;
  friend class boost::archive::load_access;
  void load_start(const char* name);
  void load_end(const char* name);
  using boost::archive::xml_iarchive_impl<XmlInputArchive>::load;
  void load(boost::serialization::collection_size_type& count);

 private:
  unsigned int depth_ = 0;
};

class ORVANTA_API XmlWideInputArchive
    : public boost::archive::xml_wiarchive_impl<XmlWideInputArchive> {
 public:
  explicit XmlWideInputArchive(std::wistream& stream, unsigned int flags = 0);
  ~XmlWideInputArchive() override;

 protected:
  friend class boost::archive::detail::interface_iarchive<XmlWideInputArchive>;
  friend class boost::archive::basic_xml_iarchive<XmlWideInputArchive>;
  friend class boost::archive::load_access;
  void load_start(const char* name);
  void load_end(const char* name);
  using boost::archive::xml_wiarchive_impl<XmlWideInputArchive>::load;
  void load(boost::serialization::collection_size_type& count);

 private:
  unsigned int depth_ = 0;
};

}  // namespace Orvanta

BOOST_SERIALIZATION_REGISTER_ARCHIVE(Orvanta::XmlInputArchive)
BOOST_SERIALIZATION_REGISTER_ARCHIVE(Orvanta::XmlWideInputArchive)
