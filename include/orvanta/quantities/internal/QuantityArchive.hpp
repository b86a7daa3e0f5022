// How a quantity's fields go into Boost archives. Internal to the quantity
// template.
//
// In text and XML archives the value is written as text with 17 significant
// digits (read back exactly), and in narrow ones the label as UTF-8, so that
// neither depends on the archive's precision nor on the C library's locale.
// Binary archives take both fields as they are.
#pragma once

#include <string>
#include <type_traits>

#include <boost/archive/basic_text_iprimitive.hpp>
#include <boost/archive/basic_text_oprimitive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace detail {

// The shortest text that names the double exactly: 17 significant digits.
ORVANTA_API std::string FormatExactNumber(double value);
// Reads what FormatExactNumber writes (surrounding blanks allowed). Throws
// boost::archive::archive_exception (input_stream_error) for any other text.
ORVANTA_API double ParseExactNumber(const std::string& text);

template <class Archive>
using IsNarrowTextOutput =
    std::is_base_of<boost::archive::basic_text_oprimitive<std::ostream>, Archive>;
template <class Archive>
using IsWideTextOutput =
    std::is_base_of<boost::archive::basic_text_oprimitive<std::wostream>, Archive>;
template <class Archive>
using IsNarrowTextInput =
    std::is_base_of<boost::archive::basic_text_iprimitive<std::istream>, Archive>;
template <class Archive>
using IsWideTextInput =
    std::is_base_of<boost::archive::basic_text_iprimitive<std::wistream>, Archive>;

template <class Archive>
void SaveNumber(Archive& archive, const char* name, double value) {
  if constexpr (IsNarrowTextOutput<Archive>::value) {
    const std::string text = FormatExactNumber(value);
    archive << boost::serialization::make_nvp(name, text);
  } else if constexpr (IsWideTextOutput<Archive>::value) {
    const std::string narrow = FormatExactNumber(value);
    const std::wstring text(narrow.begin(), narrow.end());
    archive << boost::serialization::make_nvp(name, text);
  } else {
    archive << boost::serialization::make_nvp(name, value);
  }
}

template <class Archive>
double LoadNumber(Archive& archive, const char* name) {
  if constexpr (IsNarrowTextInput<Archive>::value) {
    std::string text;
    archive >> boost::serialization::make_nvp(name, text);
    return ParseExactNumber(text);
  } else if constexpr (IsWideTextInput<Archive>::value) {
    std::wstring text;
    archive >> boost::serialization::make_nvp(name, text);
    return ParseExactNumber(wstring_to_string(text));
  } else {
    double value = 0.0;
    archive >> boost::serialization::make_nvp(name, value);
    return value;
  }
}

template <class Archive>
void SaveLabel(Archive& archive, const char* name, const std::wstring& label) {
  if constexpr (IsNarrowTextOutput<Archive>::value) {
    const std::string text = wstring_to_string(label);
    archive << boost::serialization::make_nvp(name, text);
  } else {
    archive << boost::serialization::make_nvp(name, label);
  }
}

template <class Archive>
std::wstring LoadLabel(Archive& archive, const char* name) {
  if constexpr (IsNarrowTextInput<Archive>::value) {
    std::string text;
    archive >> boost::serialization::make_nvp(name, text);
    return string_to_wstring(text);
  } else {
    std::wstring label;
    archive >> boost::serialization::make_nvp(name, label);
    return label;
  }
}

}  // namespace detail
}  // namespace Orvanta
