// Address: a postal address of up to three street lines, and its text form.
//
//   Orvanta::Address address(L"", L"", L"", L"Leeds", L"", L"", L"UK");
//   address.str();                  // L"Leeds\nUK\n" followed by one NUL
//   Orvanta::Address back(L"1 High St\nLeeds\n");   // street1, street2
#pragma once

#include <string>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/frame/Visitor.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API Address : public BaseVisitable<int>, public CopyAssignable<Address> {
 public:
  Address();
  Address(const std::wstring& street1, const std::wstring& street2, const std::wstring& street3,
          const std::wstring& town, const std::wstring& county, const std::wstring& postcode,
          const std::wstring& country);
  // The fields in order, one per line of `text` (lines end with a line feed;
  // the last may lack it). Fields beyond the last line stay empty; lines
  // beyond the seventh are ignored, and so is everything from a NUL on.
  explicit Address(const std::wstring& text);
  Address(const Address& other);
  Address& operator=(const Address& other) { return AssignByCopyAndSwap(other); }
  ~Address() override;

  std::wstring Street1() const { return street1_; }
  std::wstring Street2() const { return street2_; }
  std::wstring Street3() const { return street3_; }
  std::wstring Town() const { return town_; }
  std::wstring County() const { return county_; }
  std::wstring Postcode() const { return postcode_; }
  std::wstring Country() const { return country_; }
  void Street1(const std::wstring& value) { street1_ = value; }
  void Street2(const std::wstring& value) { street2_ = value; }
  void Street3(const std::wstring& value) { street3_ = value; }
  void Town(const std::wstring& value) { town_ = value; }
  void County(const std::wstring& value) { county_ = value; }
  void Postcode(const std::wstring& value) { postcode_ = value; }
  void Country(const std::wstring& value) { country_ = value; }

  void Clear();
  void Swap(Address& other) noexcept;

  // Every non-empty field followed by a line feed, then one NUL character.
  // Empty fields leave no blank line, so Address(a.str()) equals `a` only when
  // no field before the last non-empty one is empty.
  std::wstring str() const;

 private:
  std::wstring street1_, street2_, street3_, town_, county_, postcode_, country_;
};

}  // namespace Orvanta
