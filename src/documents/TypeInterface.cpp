#include "orvanta/documents/TypeInterface.hpp"

namespace Orvanta {

TypeInterface::~TypeInterface() = default;

}  // namespace Orvanta
