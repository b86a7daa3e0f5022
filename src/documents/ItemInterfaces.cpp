// The small mix-in interfaces of items.
#include <typeinfo>

#include "orvanta/documents/DragDropInterface.hpp"
#include "orvanta/documents/ManufacturerInterface.hpp"
#include "orvanta/documents/NotesInterface.hpp"
#include "orvanta/documents/TypeInterface.hpp"
#include "orvanta/documents/ValidationInterface.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {

NotesInterface::NotesInterface(const std::wstring& notes) : notes_(notes) {}
NotesInterface::~NotesInterface() = default;

void NotesInterface::AppendToNotes(const std::wstring& text) {
  if (!notes_.empty()) notes_ += L'\n';
  notes_ += text;
}

ValidationInterface::SelfTestError::SelfTestError(const std::wstring& typeName)
    : message_(LibraryText(1886, {{L"<Type/>", typeName}})) {
  narrow_ = wstring_to_string(message_);
}
ValidationInterface::SelfTestError::~SelfTestError() = default;
const char* ValidationInterface::SelfTestError::what() const noexcept { return narrow_.c_str(); }

ValidationInterface::~ValidationInterface() = default;
bool ValidationInterface::IsValid() const { return true; }

void ValidationInterface::SelfTest() const {
  if (!IsValid()) throw SelfTestError(string_to_wstring(typeid(*this).name()));
}

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

DragDropInterface::~DragDropInterface() = default;
CursorResource DragDropInterface::DroppingCursor() const {
  return CursorResource(1501, OrvantaDLL::Instance());
}
CursorResource DragDropInterface::CopyingCursor() const {
  return CursorResource(1500, OrvantaDLL::Instance());
}
CursorResource DragDropInterface::NoDroppingCursor() const {
  return CursorResource(1502, OrvantaDLL::Instance());
}

TypeInterface::~TypeInterface() = default;
BitmapInterface::~BitmapInterface() = default;

}  // namespace Orvanta
