// LibraryText: a text of the library's string table with its <Tag/>
// placeholders filled, the one way the library composes the texts it shows,
// logs and throws.
//
//   Orvanta::LibraryText(1880, {{L"<Path/>", L"/tmp/a.xml"}, {L"<Reason/>", L""}});
//   // "Cannot open '/tmp/a.xml'. "
//   Orvanta::LibraryText(1964, {{L"<Name/>", L"Wall 1"}, {L"<Type/>", L"Wall"},
//                               {L"<Name/>", L"Wall 2"}});
//   // "'Wall 1' (Wall) duplicated as 'Wall 2'"
//   throw Orvanta::Error(Orvanta::LibraryText(1956, {{L"<Path/>", path}}));
//
// The fills are applied in the order given, each to the first occurrence of
// its tag left in the text, so a tag that occurs twice is given twice, and a
// value that holds a tag filled later is filled by that later fill.
// Error::Replace and ReplaceTag follow the same rule (FillTag).
//
// Texts 1500 to 1503 (the home page, the help pages, the sales and support
// sentences) use the reserved orvanta.example domain until the product has a
// real site.
#pragma once

#include <initializer_list>
#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

// A placeholder, brackets and slash included ("<Path/>"), and its value.
struct TagFill {
  std::wstring tag;
  std::wstring value;
};

// Replaces the first occurrence of `tag` in `text` (case-sensitive, the whole
// tag) by `value`. An empty tag, or one that does not occur, leaves the text
// unchanged.
ORVANTA_API void FillTag(std::wstring& text, const std::wstring& tag, const std::wstring& value);

// A fresh copy of string-table text `id` (empty when the table has none) with
// `fills` applied one after another by FillTag. Never changes the table, and
// may be called from any thread.
ORVANTA_API std::wstring LibraryText(unsigned int id, std::initializer_list<TagFill> fills = {});

}  // namespace Orvanta
