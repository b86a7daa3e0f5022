#include "SectionItems.hpp"

#include <stdexcept>

#include <orvanta/documents/ItemFactory.hpp>
#include <orvanta/frame/OrvantaDLL.hpp>
#include <orvanta/platform/TextConversion.hpp>

namespace Sections {
namespace {

// A unit-sized shape for the prototypes; every real section is given its
// dimensions when it is made.
const Units::Length kUnit(0.1);

void RequireCount(const std::vector<Units::Length>& dimensions, std::size_t count,
                  const char* type) {
  if (dimensions.size() != count)
    throw std::invalid_argument(std::string(type) + " needs " + std::to_string(count) +
                                " dimension(s), not " + std::to_string(dimensions.size()));
}

}  // namespace

Orvanta::BitmapResource SectionItem::Picture(int) const {
  return Orvanta::BitmapResource(1568, Orvanta::OrvantaDLL::Instance());
}

void SectionItem::SetDimensions(const std::vector<Units::Length>& dimensions) {
  ApplyDimensions(dimensions);
}

RectangleSection::RectangleSection() : shape_(kUnit, kUnit) {}
void RectangleSection::ApplyDimensions(const std::vector<Units::Length>& dimensions) {
  RequireCount(dimensions, 2, "a rectangle");
  Orvanta::Rectangle shape = shape_;
  shape.SetBreadth(dimensions[0]);
  shape.SetDepth(dimensions[1]);
  shape_ = shape;
}

CircleSection::CircleSection() : shape_(kUnit) {}
void CircleSection::ApplyDimensions(const std::vector<Units::Length>& dimensions) {
  RequireCount(dimensions, 1, "a circle");
  shape_.SetDiameter(dimensions[0]);
}

SquareSection::SquareSection() : shape_(kUnit) {}
void SquareSection::ApplyDimensions(const std::vector<Units::Length>& dimensions) {
  RequireCount(dimensions, 1, "a square");
  shape_.SetWidth(dimensions[0]);
}

StripSection::StripSection() : shape_(kUnit) {}
void StripSection::ApplyDimensions(const std::vector<Units::Length>& dimensions) {
  RequireCount(dimensions, 1, "a strip");
  shape_.SetWidth(dimensions[0]);
}

void RegisterSectionPrototypes() {
  static bool registered = false;
  if (registered) return;
  Orvanta::ItemFactory& factory = Orvanta::ItemFactory::Instance();
  factory.Add(new RectangleSection, L"");
  factory.Add(new CircleSection, L"");
  factory.Add(new SquareSection, L"");
  factory.Add(new StripSection, L"");
  registered = true;
}

std::wstring SectionTypeFor(const std::string& shape) {
  if (shape == "rectangle") return L"Rectangle";
  if (shape == "circle") return L"Circle";
  if (shape == "square") return L"Square";
  if (shape == "strip") return L"Strip";
  return std::wstring();
}

boost::shared_ptr<SectionItem> NewSection(const std::wstring& type) {
  Orvanta::ItemPtr item;
  try {
    item = Orvanta::ItemFactory::Instance().Create(type);
  } catch (const std::exception&) {
    throw std::invalid_argument("unknown section type '" + Orvanta::wstring_to_string(type) +
                                "'");
  }
  const auto section = boost::dynamic_pointer_cast<SectionItem>(item);
  if (!section)
    throw std::invalid_argument("'" + Orvanta::wstring_to_string(type) + "' is not a section");
  return section;
}

boost::shared_ptr<SectionItem> MakeSection(const std::wstring& type,
                                           const std::vector<Units::Length>& dimensions) {
  const boost::shared_ptr<SectionItem> section = NewSection(type);
  try {
    section->SetDimensions(dimensions);
  } catch (const std::invalid_argument& error) {
    throw std::invalid_argument("a " + Orvanta::wstring_to_string(section->NameStem()) +
                                " needs dimensions greater than zero (" + error.what() + ")");
  }
  return section;
}

}  // namespace Sections
