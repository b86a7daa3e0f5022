#include "Section.hpp"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <stdexcept>

#include <boost/make_shared.hpp>

#include <orvanta/documents/ItemFactory.hpp>
#include <orvanta/frame/OrvantaDLL.hpp>
#include <orvanta/geometry/Circle.hpp>
#include <orvanta/geometry/Rectangle.hpp>
#include <orvanta/geometry/Square.hpp>
#include <orvanta/geometry/Strip.hpp>
#include <orvanta/platform/TextConversion.hpp>

#include "UnitSystem.hpp"

namespace Sections {
namespace {

using Lengths = std::vector<Units::Length>;

// A unit-sized shape for the prototypes; every real section is given its
// dimensions when it is made.
const Units::Length kUnit(0.1);
// How far a strip, which has no depth, is drawn down, in widths.
constexpr double kStripDepth = 1.5;

// What differs between the shapes, one specialisation each: the factory id,
// the dimensions, the drawing, and the shape's own warnings.
template <class S>
struct ShapeTraits;

template <>
struct ShapeTraits<Orvanta::Rectangle> {
  static constexpr const wchar_t* kType = L"Rectangle";
  static Orvanta::Rectangle Prototype() { return Orvanta::Rectangle(kUnit, kUnit); }
  static std::vector<std::string> Names() { return {"breadth", "depth"}; }
  static Lengths Get(const Orvanta::Rectangle& shape) { return {shape.Breadth(), shape.Depth()}; }
  static void Set(Orvanta::Rectangle& shape, const Lengths& dimensions) {
    shape.SetBreadth(dimensions[0]);
    shape.SetDepth(dimensions[1]);
  }
  static Outline Draw(const Orvanta::Rectangle& shape) {
    return {Outline::Rectangle, shape.Breadth(), shape.Depth()};
  }
  static void Warn(const Orvanta::Rectangle& shape, std::vector<std::wstring>& warnings) {
    const double ratio = shape.AspectRatio().value();
    const double slenderness = std::max(ratio, 1.0 / ratio);
    if (!(slenderness > kSlenderLimit)) return;
    std::wostringstream text;
    text << L"slender rectangle: its longer side is " << std::setprecision(3) << slenderness
         << L" times its shorter one (more than " << kSlenderLimit
         << L"); check it for lateral buckling";
    warnings.push_back(text.str());
  }
};

template <>
struct ShapeTraits<Orvanta::Circle> {
  static constexpr const wchar_t* kType = L"Circle";
  static Orvanta::Circle Prototype() { return Orvanta::Circle(kUnit); }
  static std::vector<std::string> Names() { return {"diameter"}; }
  static Lengths Get(const Orvanta::Circle& shape) { return {shape.Diameter()}; }
  static void Set(Orvanta::Circle& shape, const Lengths& dimensions) {
    shape.SetDiameter(dimensions[0]);
  }
  static Outline Draw(const Orvanta::Circle& shape) {
    return {Outline::Circle, shape.Diameter(), shape.Diameter()};
  }
  static void Warn(const Orvanta::Circle&, std::vector<std::wstring>&) {}
};

template <>
struct ShapeTraits<Orvanta::Square> {
  static constexpr const wchar_t* kType = L"Square";
  static Orvanta::Square Prototype() { return Orvanta::Square(kUnit); }
  static std::vector<std::string> Names() { return {"width"}; }
  static Lengths Get(const Orvanta::Square& shape) { return {shape.Width()}; }
  static void Set(Orvanta::Square& shape, const Lengths& dimensions) {
    shape.SetWidth(dimensions[0]);
  }
  static Outline Draw(const Orvanta::Square& shape) {
    return {Outline::Rectangle, shape.Width(), shape.Width()};
  }
  static void Warn(const Orvanta::Square&, std::vector<std::wstring>&) {}
};

template <>
struct ShapeTraits<Orvanta::Strip> {
  static constexpr const wchar_t* kType = L"Strip";
  static Orvanta::Strip Prototype() { return Orvanta::Strip(kUnit); }
  static std::vector<std::string> Names() { return {"width"}; }
  static Lengths Get(const Orvanta::Strip& shape) { return {shape.Width()}; }
  static void Set(Orvanta::Strip& shape, const Lengths& dimensions) {
    shape.SetWidth(dimensions[0]);
  }
  static Outline Draw(const Orvanta::Strip& shape) {
    return {Outline::Strip, shape.Width(), shape.Width() * kStripDepth};
  }
  static void Warn(const Orvanta::Strip&, std::vector<std::wstring>& warnings) {
    warnings.push_back(L"a strip has unbounded depth: its area and moments are infinite");
  }
};

// The one section class: an item holding a shape S.
template <class S>
class Section final : public SectionItem {
  using Traits = ShapeTraits<S>;

 public:
  Section() : shape_(Traits::Prototype()) {}

  Section* Clone() const override { return new Section(*this); }
  std::wstring Type() const override { return Traits::kType; }
  std::wstring NameStem() const override { return Traits::kType; }
  const Orvanta::Shape& GetShape() const override { return shape_; }
  std::vector<std::string> DimensionNames() const override { return Traits::Names(); }
  Lengths Dimensions() const override { return Traits::Get(shape_); }

  void SetDimensions(const Lengths& dimensions) override {
    if (dimensions.size() != Traits::Names().size())
      throw std::invalid_argument("a " + Orvanta::wstring_to_string(Type()) + " has " +
                                  std::to_string(Traits::Names().size()) + " dimension(s), not " +
                                  std::to_string(dimensions.size()));
    S shape = shape_;  // all or nothing
    Traits::Set(shape, dimensions);
    shape_ = shape;
  }

  void EditDimensions(Orvanta::EditHistory& history, const Lengths& dimensions) override {
    // The history copies the section before and after through its own class.
    const boost::shared_ptr<Section> self = boost::static_pointer_cast<Section>(shared_from_this());
    history.Change(self, L"dimensions", [&] {
      SetDimensions(dimensions);
      SignalItemChanged();
    });
  }

  std::vector<std::wstring> Warnings() const override {
    std::vector<std::wstring> warnings = SectionItem::Warnings();
    Traits::Warn(shape_, warnings);
    return warnings;
  }

  Outline Drawing() const override { return Traits::Draw(shape_); }

 private:
  S shape_;
};

}  // namespace

Orvanta::BitmapResource SectionItem::Picture(int) const {
  return Orvanta::BitmapResource(Warnings().empty() ? 1568 : 1569, Orvanta::OrvantaDLL::Instance());
}

std::vector<std::wstring> SectionItem::Warnings() const {
  std::vector<std::wstring> warnings;
  const Units::Length small(5, Units::mm);
  const std::vector<std::string> names = DimensionNames();
  const Lengths dimensions = Dimensions();
  for (std::size_t i = 0; i < dimensions.size(); ++i)
    if (dimensions[i] < small)
      warnings.push_back(L"its " + Orvanta::string_to_wstring(names[i]) + L" of " +
                         Orvanta::string_to_wstring(Shown(dimensions[i], Units::mm)) +
                         L" is under 5 mm: is the unit right?");
  return warnings;
}

void RegisterSectionPrototypes() {
  static bool registered = false;
  if (registered) return;
  Orvanta::ItemFactory& factory = Orvanta::ItemFactory::Instance();
  factory.Add(new Section<Orvanta::Rectangle>, L"");
  factory.Add(new Section<Orvanta::Circle>, L"");
  factory.Add(new Section<Orvanta::Square>, L"");
  factory.Add(new Section<Orvanta::Strip>, L"");
  registered = true;
}

const std::vector<std::wstring>& SectionTypes() {
  static const std::vector<std::wstring> types{
      ShapeTraits<Orvanta::Rectangle>::kType, ShapeTraits<Orvanta::Circle>::kType,
      ShapeTraits<Orvanta::Square>::kType, ShapeTraits<Orvanta::Strip>::kType};
  return types;
}

boost::shared_ptr<SectionItem> NewSection(const std::wstring& type) {
  Orvanta::ItemPtr item;
  try {
    item = Orvanta::ItemFactory::Instance().Create(type);
  } catch (const std::exception&) {
    throw std::invalid_argument("unknown section type '" + Orvanta::wstring_to_string(type) + "'");
  }
  const auto section = boost::dynamic_pointer_cast<SectionItem>(item);
  if (!section)
    throw std::invalid_argument("'" + Orvanta::wstring_to_string(type) + "' is not a section");
  return section;
}

boost::shared_ptr<SectionItem> MakeSection(const std::wstring& type, const Lengths& dimensions) {
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
