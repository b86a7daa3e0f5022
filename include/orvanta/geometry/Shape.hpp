// Shape: the geometric properties of a simple cross-section, for structural
// calculations. Strip, Rectangle, Circle and Square derive from it; a host
// program may add its own sections by implementing the pure operations.
//
//   using namespace Orvanta;
//   std::unique_ptr<Shape> section(new Rectangle(Units::Length(0.3), Units::Length(0.5)));
//   Units::Area a = section->Area();                  // 0.15 m²
//   Units::Length k = section->RadiusOfGyration();    // sqrt(I / A), about 0.144 m
//   std::unique_ptr<Shape> copy(section->Clone());
//
// Dimensions are lengths in metres. Every property is a product or quotient
// of quantities and so carries its dimension's base label ("m²", "m^4").
// Nothing but the setters validates: a shape built with a zero, negative or
// infinite dimension gives whatever IEEE arithmetic gives.
#pragma once

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Shape : public BaseCloneable<Shape> {
 public:
  ~Shape() override;

  // Clone(), inherited: a new copy of the concrete shape, owned by the caller.

  virtual Units::Length Circumference() const = 0;
  virtual Units::Area Area() const = 0;
  virtual Units::Volume FirstMomentOfArea() const = 0;
  virtual Units::SecondMomentOfArea SecondMomentOfArea() const = 0;
  virtual Units::SecondMomentOfArea PolarMomentOfArea() const = 0;
  virtual Units::Scalar AspectRatio() const = 0;

  // sqrt(SecondMomentOfArea() / Area()) of the concrete shape.
  Units::Length RadiusOfGyration() const;
  // Whether `d` is usable as a dimension: 0 < d < +infinity. NaN is not.
  bool IsValidDimension(const Units::Length& d) const;
  // Does nothing: a shape as such has no fields. Derived classes swap their
  // own with a Swap of their own class.
  void Swap(Shape& other);

 protected:
  Shape() = default;
  Shape(const Shape&) = default;
  Shape& operator=(const Shape&) = default;
};

}  // namespace Orvanta
