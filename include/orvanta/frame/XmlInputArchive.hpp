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
// Memory follows the input, not the counts it claims:
// - A collection's element count is checked against what is left of a
//   seekable stream (a file or string stream, InputFile): every element needs
//   at least its start and end tags, "<x>" and "</item>" (10 characters;
//   "</x>", 7, with no_xml_tag_checking), so a count that the rest of the
//   input could not hold throws archive_exception (input_stream_error) before
//   anything is allocated for it. The library's archives would first allocate
//   the whole count.
// - A std::vector whose elements are not tracked (numbers, strings, classes
//   declared with BOOST_CLASS_TRACKING(T, track_never)) grows as its elements
//   are read instead of being sized to the count first, so that a count the
//   input only claims costs nothing. Vectors of tracked elements are sized
//   first, as the library does, since their elements' addresses are
//   remembered.
#pragma once

#include <algorithm>
#include <istream>
#include <type_traits>
#include <vector>

#include <boost/archive/detail/register_archive.hpp>
#include <boost/archive/xml_iarchive.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/serialization/collection_size_type.hpp>
#include <boost/serialization/item_version_type.hpp>
#include <boost/serialization/library_version_type.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/tracking.hpp>
#include <boost/serialization/vector.hpp>

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

namespace detail {

// The vector's elements as they arrive; see the top of this file.
template <class Archive, class U, class Allocator>
void LoadGrowing(Archive& archive, std::vector<U, Allocator>& elements) {
  namespace bs = boost::serialization;
  static_assert(
      bs::tracking_level<U>::value == bs::track_never && std::is_default_constructible<U>::value,
      "only untracked elements may move as the vector grows");
  bs::collection_size_type count;
  archive >> BOOST_SERIALIZATION_NVP(count);
  bs::item_version_type item_version(0);
  if (bs::library_version_type(3) < archive.get_library_version())
    archive >> BOOST_SERIALIZATION_NVP(item_version);
  elements.clear();
  elements.reserve(std::min<std::size_t>(count, 64));
  for (std::size_t i = 0; i < count; ++i) {
    elements.emplace_back();
    archive >> boost::serialization::make_nvp("item", elements.back());
  }
}

}  // namespace detail

// Found by argument-dependent lookup from the serialization library's vector
// support, and preferred to its own load as the more specialised (vector<bool>
// keeps the library's own).
template <class U, class Allocator, class = std::enable_if_t<!std::is_same<U, bool>::value>>
void load(XmlInputArchive& archive, std::vector<U, Allocator>& elements,
          const unsigned int version) {
  namespace bs = boost::serialization;
  if constexpr (bs::tracking_level<U>::value == bs::track_never &&
                std::is_default_constructible<U>::value)
    detail::LoadGrowing(archive, elements);
  else
    bs::load(archive, elements, version);
}

template <class U, class Allocator, class = std::enable_if_t<!std::is_same<U, bool>::value>>
void load(XmlWideInputArchive& archive, std::vector<U, Allocator>& elements,
          const unsigned int version) {
  namespace bs = boost::serialization;
  if constexpr (bs::tracking_level<U>::value == bs::track_never &&
                std::is_default_constructible<U>::value)
    detail::LoadGrowing(archive, elements);
  else
    bs::load(archive, elements, version);
}

}  // namespace Orvanta

BOOST_SERIALIZATION_REGISTER_ARCHIVE(Orvanta::XmlInputArchive)
BOOST_SERIALIZATION_REGISTER_ARCHIVE(Orvanta::XmlWideInputArchive)
