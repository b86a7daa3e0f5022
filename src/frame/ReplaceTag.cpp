#include "orvanta/frame/ReplaceTag.hpp"

#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {

void ReplaceTag(std::wstring& text, const std::wstring& tag, const std::wstring& value) {
  FillTag(text, tag, value);
}

}  // namespace Orvanta
