#include "orvanta/platform/Error.hpp"

#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {

Error::Error(const std::wstring& text) : text_(text), narrow_(wstring_to_string(text_)) {}

Error::Error(const std::string& text)
    : text_(string_to_wstring(text)), narrow_(wstring_to_string(text_)) {}

Error::~Error() = default;

const char* Error::what() const noexcept { return narrow_.c_str(); }

void Error::Replace(const std::wstring& tag, const std::wstring& value) {
  FillTag(text_, tag, value);
  narrow_ = wstring_to_string(text_);
}

InternalError::InternalError(const std::wstring& text) : Error(text) {}
InternalError::~InternalError() = default;

FunctionUnavailableError::FunctionUnavailableError(const std::wstring& function)
    : Error(L"'" + function + L"' is not available on this system") {}
FunctionUnavailableError::~FunctionUnavailableError() = default;

NoPathError::NoPathError() : Error(LibraryText(1887)) {}
NoPathError::~NoPathError() = default;

}  // namespace Orvanta
