// ReplaceTag: fills one <Tag/> placeholder of a string-table text.
//
//   std::wstring text = L"'<Name/>' (<Type/>) duplicated as '<Name/>'";
//   Orvanta::ReplaceTag(text, L"<Name/>", L"Wall 1");
//   Orvanta::ReplaceTag(text, L"<Type/>", L"Wall");
//   Orvanta::ReplaceTag(text, L"<Name/>", L"Wall 2");
//   // "'Wall 1' (Wall) duplicated as 'Wall 2'"
//
// Fill a text one call per placeholder occurrence, in the order they stand in
// the text; each call works on the result of the previous ones. A string-table
// text is fetched and filled in one step by LibraryText (LibraryText.hpp),
// which follows the same rule.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

// Replaces the first occurrence of `tag` in `text` (case-sensitive, the whole
// tag with its brackets and slash) by `value`. A tag that does not occur, or
// an empty tag, leaves the text unchanged.
ORVANTA_API void ReplaceTag(std::wstring& text, const std::wstring& tag, const std::wstring& value);

}  // namespace Orvanta
