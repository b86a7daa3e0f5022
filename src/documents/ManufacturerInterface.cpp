#include "orvanta/documents/ManufacturerInterface.hpp"

#include <utility>

namespace Orvanta {

ManufacturerInterface::ManufacturerInterface(const std::wstring& manufacturer,
                                             const std::wstring& partNumber,
                                             bool isStandardProductionSize)
    : manufacturer_(manufacturer),
      partNumber_(partNumber),
      standardSize_(isStandardProductionSize) {}
ManufacturerInterface::~ManufacturerInterface() = default;

void ManufacturerInterface::Swap(ManufacturerInterface& other) noexcept {
  manufacturer_.swap(other.manufacturer_);
  partNumber_.swap(other.partNumber_);
  std::swap(standardSize_, other.standardSize_);
}

}  // namespace Orvanta
