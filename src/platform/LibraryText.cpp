#include "orvanta/platform/LibraryText.hpp"

#include "Backend.hpp"

namespace Orvanta {

void FillTag(std::wstring& text, const std::wstring& tag, const std::wstring& value) {
  if (tag.empty()) return;
  const std::wstring::size_type at = text.find(tag);
  if (at != std::wstring::npos) text.replace(at, tag.size(), value);
}

std::wstring LibraryText(unsigned int id, std::initializer_list<TagFill> fills) {
  std::wstring text;
  sys::LoadModuleString(nullptr, id, text);  // no module: the library's own
  for (const TagFill& fill : fills) FillTag(text, fill.tag, fill.value);
  return text;
}

}  // namespace Orvanta
