#include "orvanta/documents/internal/NumberedNameFormat.hpp"

#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/platform/internal/DecimalNumbers.hpp"

namespace Orvanta {
namespace detail {
namespace {

const std::wstring kName = L"<Name/>";
const std::wstring kNumber = L"<Number/>";

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

NumberedNameFormat::NumberedNameFormat(const std::wstring& text)
    : text_(text), has_number_(false), parses_(false), pieces_hold_bracket_(false) {
  const std::size_t name = text.find(kName);
  if (name == std::wstring::npos) return;
  const std::size_t number = text.find(kNumber);
  has_number_ = number != std::wstring::npos;
  before_ = text.substr(0, name);
  if (!has_number_) {
    after_ = text.substr(name + kName.size());
    parses_ = true;
    return;
  }
  if (number < name + kName.size()) return;  // the number first: not supported
  between_ = text.substr(name + kName.size(), number - name - kName.size());
  after_ = text.substr(number + kNumber.size());
  // The number is the run of digits between the two; anything else around it
  // would leave where it starts or ends in doubt.
  parses_ = !between_.empty() && !IsDigit(between_.back()) &&
            (after_.empty() || !IsDigit(after_.front()));
  pieces_hold_bracket_ =
      before_.find(L'<') != std::wstring::npos || between_.find(L'<') != std::wstring::npos;
}

std::wstring NumberedNameFormat::Format(const std::wstring& name, unsigned int number) const {
  std::wstring text = text_;
  ReplaceTag(text, kName, name);
  if (has_number_) ReplaceTag(text, kNumber, std::to_wstring(number));
  return text;
}

bool NumberedNameFormat::Reverses(const std::wstring& name) const {
  if (!parses_) return false;
  if (!has_number_ || (!pieces_hold_bracket_ && name.find(L'<') == std::wstring::npos)) return true;
  // The template's own "<Number/>" must be the first one once the name is in.
  return (before_ + name + between_).find(kNumber) == std::wstring::npos;
}

bool NumberedNameFormat::Parse(const std::wstring& text, std::wstring& name,
                               unsigned int& number) const {
  if (!parses_ || text.size() < before_.size() + between_.size() + after_.size() ||
      text.compare(0, before_.size(), before_) != 0 || !EndsWith(text, after_))
    return false;
  std::size_t nameEnd = text.size() - after_.size();
  unsigned int value = 0;
  if (has_number_) {
    // The digits before after_, as std::to_wstring writes them: no leading zero.
    const std::size_t digitsEnd = nameEnd;
    std::size_t digits = digitsEnd;
    while (digits > before_.size() && IsDigit(text[digits - 1])) --digits;
    const wchar_t* const first = text.data() + digits;
    const wchar_t* const last = text.data() + digitsEnd;
    if (decimal::ReadUnsigned(first, last, value) != last ||
        (text[digits] == L'0' && digitsEnd - digits > 1) ||
        digits < before_.size() + between_.size() ||
        text.compare(digits - between_.size(), between_.size(), between_) != 0)
      return false;
    nameEnd = digits - between_.size();
  }
  std::wstring candidate = text.substr(before_.size(), nameEnd - before_.size());
  if (!Reverses(candidate)) return false;
  name.swap(candidate);
  number = value;
  return true;
}

}  // namespace detail
}  // namespace Orvanta
