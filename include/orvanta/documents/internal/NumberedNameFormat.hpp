// A numbered name made from one template such as string-table text 1930,
// "<Name/> - Copy (<Number/>)": Format fills the template as every library
// text is filled (ReplaceTag: the first "<Name/>", then the first
// "<Number/>"), and Parse reads such a name back into the name and the number
// it was made from. Internal to the documents layer (a document's name index
// tells from the names in use which numbers each family has taken).
//
//   NumberedNameFormat copies(L"<Name/> - Copy (<Number/>)");
//   copies.Format(L"Wall", 3);                    // L"Wall - Copy (3)"
//   copies.Parse(L"Wall - Copy (3)", name, n);    // true: L"Wall", 3
//   copies.Parse(L"Wall - Copy (03)", name, n);   // false: Format writes no 03
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {
namespace detail {

class ORVANTA_API NumberedNameFormat {
 public:
  // `text` holds "<Name/>", and "<Number/>" after it or not at all. A text
  // of any other shape still formats, but parses nothing.
  explicit NumberedNameFormat(const std::wstring& text);

  // The template with its first "<Name/>" filled by `name`, then its first
  // "<Number/>" (the name's own, when the name holds one) by `number` in
  // decimal. A template without "<Number/>" ignores `number`.
  std::wstring Format(const std::wstring& name, unsigned int number) const;

  // The name and number that Format makes `text` from, with the number 0
  // when the template has no "<Number/>". False, setting nothing, when
  // there are none, or when the name is one that Reverses rejects.
  bool Parse(const std::wstring& text, std::wstring& name, unsigned int& number) const;

  // Whether Parse gives back `name` and the number from every
  // Format(name, number): false when `name` holds "<Number/>", which the
  // number would fill instead of the template's own, and always false for a
  // template whose number is not set off from the name by a character other
  // than a digit (nor from what follows it).
  bool Reverses(const std::wstring& name) const;

 private:
  std::wstring text_;
  // The template around its first "<Name/>" and "<Number/>" (when it has one).
  std::wstring before_, between_, after_;
  bool has_number_;
  bool parses_;
  bool pieces_hold_bracket_;  // whether before_ or between_ holds a '<'
};

}  // namespace detail
}  // namespace Orvanta
