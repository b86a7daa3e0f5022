#include "orvanta/documents/ManufacturerInterface.hpp"

#include <utility>

namespace Orvanta {

ManufacturerInterface::ManufacturerInterface(const std::wstring& manufacturer,
                                             const std::wstring& partNumber,
                                             bool isStandardProductionSize)
    : manufacturer_(manufacturer),
      part_number_(partNumber),
      standard_size_(isStandardProductionSize) {}
ManufacturerInterface::~ManufacturerInterface() = default;

void ManufacturerInterface::Swap(ManufacturerInterface& other) noexcept {
  manufacturer_.swap(other.manufacturer_);
  part_number_.swap(other.part_number_);
  std::swap(standard_size_, other.standard_size_);
}

}  // namespace Orvanta
