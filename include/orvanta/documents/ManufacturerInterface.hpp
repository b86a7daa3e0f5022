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
  std::wstring PartNumber() const { return part_number_; }
  void SetPartNumber(const std::wstring& partNumber) { part_number_ = partNumber; }
  bool IsStandardProductionSize() const { return standard_size_; }
  void SetStandardProductionSize(bool standard) { standard_size_ = standard; }
  void Swap(ManufacturerInterface& other) noexcept;

 private:
  std::wstring manufacturer_;
  std::wstring part_number_;
  bool standard_size_;
};

}  // namespace Orvanta
