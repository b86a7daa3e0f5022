// The cross-sections a project holds: one item class for each of the
// library's section shapes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <orvanta/documents/Item.hpp>
#include <orvanta/geometry/Circle.hpp>
#include <orvanta/geometry/Rectangle.hpp>
#include <orvanta/geometry/Square.hpp>
#include <orvanta/geometry/Strip.hpp>

namespace Sections {

namespace Units = Orvanta::Units;

class SectionItem : public Orvanta::Item {
 public:
  SectionItem* Clone() const override = 0;
  Orvanta::BitmapResource Picture(int selector) const override;

  // The section's shape, whose properties the program reports.
  virtual const Orvanta::Shape& GetShape() const = 0;
  // The names of the dimensions ("breadth", "depth"), in the order of
  // Dimensions(); each is also the option that sets it on the command line.
  virtual std::vector<std::string> DimensionNames() const = 0;
  virtual std::vector<Units::Length> Dimensions() const = 0;
  // Sets every dimension, in the order of DimensionNames(). Throws
  // std::invalid_argument, changing nothing, for the wrong count or for a
  // dimension the shape refuses.
  void SetDimensions(const std::vector<Units::Length>& dimensions);

 protected:
  SectionItem() = default;
  SectionItem(const SectionItem&) = default;
  // Applies dimensions of the right count to a copy of the shape, then to
  // this section.
  virtual void ApplyDimensions(const std::vector<Units::Length>& dimensions) = 0;
};

class RectangleSection : public SectionItem {
 public:
  RectangleSection();
  RectangleSection* Clone() const override { return new RectangleSection(*this); }
  std::wstring Type() const override { return L"Rectangle"; }
  std::wstring NameStem() const override { return L"Rectangle"; }
  const Orvanta::Shape& GetShape() const override { return shape_; }
  std::vector<std::string> DimensionNames() const override { return {"breadth", "depth"}; }
  std::vector<Units::Length> Dimensions() const override {
    return {shape_.Breadth(), shape_.Depth()};
  }

 protected:
  void ApplyDimensions(const std::vector<Units::Length>& dimensions) override;

 private:
  Orvanta::Rectangle shape_;
};

class CircleSection : public SectionItem {
 public:
  CircleSection();
  CircleSection* Clone() const override { return new CircleSection(*this); }
  std::wstring Type() const override { return L"Circle"; }
  std::wstring NameStem() const override { return L"Circle"; }
  const Orvanta::Shape& GetShape() const override { return shape_; }
  std::vector<std::string> DimensionNames() const override { return {"diameter"}; }
  std::vector<Units::Length> Dimensions() const override { return {shape_.Diameter()}; }

 protected:
  void ApplyDimensions(const std::vector<Units::Length>& dimensions) override;

 private:
  Orvanta::Circle shape_;
};

class SquareSection : public SectionItem {
 public:
  SquareSection();
  SquareSection* Clone() const override { return new SquareSection(*this); }
  std::wstring Type() const override { return L"Square"; }
  std::wstring NameStem() const override { return L"Square"; }
  const Orvanta::Shape& GetShape() const override { return shape_; }
  std::vector<std::string> DimensionNames() const override { return {"width"}; }
  std::vector<Units::Length> Dimensions() const override { return {shape_.Width()}; }

 protected:
  void ApplyDimensions(const std::vector<Units::Length>& dimensions) override;

 private:
  Orvanta::Square shape_;
};

class StripSection : public SectionItem {
 public:
  StripSection();
  StripSection* Clone() const override { return new StripSection(*this); }
  std::wstring Type() const override { return L"Strip"; }
  std::wstring NameStem() const override { return L"Strip"; }
  const Orvanta::Shape& GetShape() const override { return shape_; }
  std::vector<std::string> DimensionNames() const override { return {"width"}; }
  std::vector<Units::Length> Dimensions() const override { return {shape_.Width()}; }

 protected:
  void ApplyDimensions(const std::vector<Units::Length>& dimensions) override;

 private:
  Orvanta::Strip shape_;
};

// Registers one prototype of each section class in the item factory, under
// its type; does nothing the second time.
void RegisterSectionPrototypes();

// The factory id for a shape typed on the command line ("rectangle" gives
// "Rectangle"); empty when there is none.
std::wstring SectionTypeFor(const std::string& shape);

// A new section of factory id `type`, with the prototype's dimensions.
// Throws std::invalid_argument for an unknown type.
boost::shared_ptr<SectionItem> NewSection(const std::wstring& type);

// A new section of factory id `type` with `dimensions`. Throws
// std::invalid_argument for an unknown type or dimensions it refuses.
boost::shared_ptr<SectionItem> MakeSection(const std::wstring& type,
                                           const std::vector<Units::Length>& dimensions);

}  // namespace Sections
