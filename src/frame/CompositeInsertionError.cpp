#include "orvanta/frame/CompositeInsertionError.hpp"

#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {

CompositeInsertionError::CompositeInsertionError(const std::wstring& where)
    : Error(LibraryText(1877, {{L"<Where/>", where}})) {}

CompositeInsertionError::~CompositeInsertionError() = default;

}  // namespace Orvanta
