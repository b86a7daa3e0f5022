#include "orvanta/documents/Address.hpp"

#include <utility>

namespace Orvanta {

Address::Address() = default;

Address::Address(const std::wstring& street1, const std::wstring& street2,
                 const std::wstring& street3, const std::wstring& town, const std::wstring& county,
                 const std::wstring& postcode, const std::wstring& country)
    : street1_(street1),
      street2_(street2),
      street3_(street3),
      town_(town),
      county_(county),
      postcode_(postcode),
      country_(country) {}

Address::Address(const std::wstring& full) {
  const std::wstring text = full.substr(0, full.find(L'\0'));  // str() ends with a NUL
  std::wstring* const fields[] = {&street1_, &street2_,  &street3_, &town_,
                                  &county_,  &postcode_, &country_};
  std::size_t start = 0;
  for (std::wstring* field : fields) {
    if (start >= text.size()) break;
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    field->assign(text, start, end - start);
    start = end + 1;
  }
}

Address::Address(const Address& other) = default;
Address::~Address() = default;

void Address::Clear() { *this = Address(); }

void Address::Swap(Address& other) noexcept {
  street1_.swap(other.street1_);
  street2_.swap(other.street2_);
  street3_.swap(other.street3_);
  town_.swap(other.town_);
  county_.swap(other.county_);
  postcode_.swap(other.postcode_);
  country_.swap(other.country_);
}

std::wstring Address::str() const {
  std::wstring text;
  for (const std::wstring* field :
       {&street1_, &street2_, &street3_, &town_, &county_, &postcode_, &country_}) {
    if (!field->empty()) text += *field + L'\n';
  }
  text += L'\0';
  return text;
}

}  // namespace Orvanta
