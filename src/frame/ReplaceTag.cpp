#include "orvanta/frame/ReplaceTag.hpp"

#include <boost/algorithm/string/replace.hpp>

namespace Orvanta {

void ReplaceTag(std::wstring& text, const std::wstring& tag, const std::wstring& value) {
  if (tag.empty()) return;
  boost::algorithm::replace_first(text, tag, value);
}

}  // namespace Orvanta
