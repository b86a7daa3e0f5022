// CompositeInsertionError: a component was inserted into something that has
// no children.
//
//   throw Orvanta::CompositeInsertionError(L"Item::Add");
//   // "Internal error: attempting to insert component in a non-composite
//   //  class in 'Item::Add'"
#pragma once

#include <string>

#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API CompositeInsertionError : public Error {
 public:
  // `where` names the operation that refused the insertion.
  explicit CompositeInsertionError(const std::wstring& where);
  ~CompositeInsertionError() override;
};

}  // namespace Orvanta
