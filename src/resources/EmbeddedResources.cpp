#include "EmbeddedResources.hpp"

namespace Orvanta {
namespace detail {

// Defined in the source file generated from the manifest.
extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;

const EmbeddedResource* FindEmbeddedResource(ResourceKind kind, unsigned int id) noexcept {
  // A few dozen entries at most: a linear search is the fastest there is.
  for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
    const EmbeddedResource& resource = kEmbeddedResources[i];
    if (resource.kind == kind && resource.id == id) return &resource;
  }
  return nullptr;
}

}  // namespace detail
}  // namespace Orvanta
