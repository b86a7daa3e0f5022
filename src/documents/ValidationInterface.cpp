#include "orvanta/documents/ValidationInterface.hpp"

#include <typeinfo>

#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {

ValidationInterface::SelfTestError::SelfTestError(const std::wstring& typeName)
    : message_(LibraryText(1886, {{L"<Type/>", typeName}})) {
  narrow_ = wstring_to_string(message_);
}
ValidationInterface::SelfTestError::~SelfTestError() = default;
const char* ValidationInterface::SelfTestError::what() const noexcept { return narrow_.c_str(); }

ValidationInterface::~ValidationInterface() = default;
bool ValidationInterface::IsValid() const { return true; }

void ValidationInterface::SelfTest() const {
  if (!IsValid()) throw SelfTestError(string_to_wstring(typeid(*this).name()));
}

}  // namespace Orvanta
