// The resources compiled into the library: the string table, bitmaps, cursors
// and sounds listed in resources/Resources.txt. This is the resource section of
// the library on systems whose executables have none; the platform layer reads
// it. Internal to the library.
#pragma once

#include <cstddef>

namespace Orvanta {
namespace detail {

enum class ResourceKind : unsigned char { StringTable, Bitmap, Cursor, Sound };

struct EmbeddedResource {
  ResourceKind kind;
  unsigned int id;
  const unsigned char* data;
  std::size_t size;
};

// The resource of that kind and id, or nullptr when the library has none. The
// data lives as long as the library.
const EmbeddedResource* FindEmbeddedResource(ResourceKind kind, unsigned int id) noexcept;

}  // namespace detail
}  // namespace Orvanta
