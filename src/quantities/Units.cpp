// The unit catalogue's constants. Each is made by the constexpr constructor
// from its static label, so it is constant-initialized: no code runs to make
// it.
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace Units {

#define ORVANTA_UNIT(Type, identifier, label, factor) \
  const Type identifier(static_cast<double>(factor),  \
                        Orvanta::detail::StaticLabelTag<labels::identifier>());
#include "orvanta/quantities/Units.def"

}  // namespace Units
}  // namespace Orvanta
