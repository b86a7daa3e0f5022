// Circle: a solid circular section of diameter d.
//
//   Orvanta::Circle bar(Orvanta::Units::Length(20, Orvanta::Units::mm));
//   bar.SetRadius(Orvanta::Units::Length(0.1));    // diameter 0.2 m
//   bar.PolarMomentOfArea();                        // π d⁴ / 32
#pragma once

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/geometry/Shape.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Circle : public Shape, public Cloneable<Circle>, public CopyAssignable<Circle> {
 public:
  // Not validated.
  explicit Circle(const Units::Length& diameter);
  Circle(const Circle& other) = default;
  // Leaves this unchanged if the copy fails.
  Circle& operator=(const Circle& other);

  Circle* Clone() const override;
  // π d.
  Units::Length Circumference() const override;
  // π d² / 4.
  Units::Area Area() const override;
  // d³ / 6.
  Units::Volume FirstMomentOfArea() const override;
  // π d⁴ / 64.
  Units::SecondMomentOfArea SecondMomentOfArea() const override;
  // π d⁴ / 32.
  Units::SecondMomentOfArea PolarMomentOfArea() const override;
  // 1.
  Units::Scalar AspectRatio() const override;

  Units::Length Diameter() const { return diameter_; }
  Units::Length Radius() const { return diameter_ / 2.0; }
  // Throws std::invalid_argument("Circle::SetDiameter"), leaving the circle as
  // it was, unless IsValidDimension(diameter).
  void SetDiameter(const Units::Length& diameter);
  // SetDiameter(2 r): an invalid radius is reported as "Circle::SetDiameter".
  void SetRadius(const Units::Length& radius);

  void Swap(Circle& other);

 private:
  Units::Length diameter_;
};

}  // namespace Orvanta
