// ManufacturerInterface: who makes an object, its part number and whether it
// is a standard production size, for item classes of manufactured products.
//
//   class Bolt : public Orvanta::Item, public Orvanta::ManufacturerInterface { ... };
#pragma once

#include <string>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API ManufacturerInterface : public CopyAssignable<ManufacturerInterface> {
 public:
  ManufacturerInterface(const std::wstring& manufacturer = std::wstring(),
                        const std::wstring& partNumber = std::wstring(),
                        bool isStandardProductionSize = false);
  ManufacturerInterface(const ManufacturerInterface& other) = default;
  ManufacturerInterface& operator=(const ManufacturerInterface& other) {
    return AssignByCopyAndSwap(other);
  }
  ~ManufacturerInterface();

  std::wstring Manufacturer() const { return manufacturer_; }
  void SetManufacturer(const std::wstring& manufacturer) { manufacturer_ = manufacturer; }
  std::wstring PartNumber() const { return partNumber_; }
  void SetPartNumber(const std::wstring& partNumber) { partNumber_ = partNumber; }
  bool IsStandardProductionSize() const { return standardSize_; }
  void SetStandardProductionSize(bool standard) { standardSize_ = standard; }
  void Swap(ManufacturerInterface& other) noexcept;

 private:
  std::wstring manufacturer_;
  std::wstring partNumber_;
  bool standardSize_;
};

}  // namespace Orvanta
