// Rectangle: a solid rectangular section of breadth B and depth D, bending
// about the axis parallel to the breadth.
//
//   using namespace Orvanta;
//   Rectangle beam(Units::Length(300, Units::mm), Units::Length(500, Units::mm));
//   beam.SecondMomentOfArea();    // B D³ / 12 = 0.003125 m^4
//   beam.PolarMomentOfArea();     // the torsion constant
//   beam.AspectRatio();           // B / D = 0.6
#pragma once

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/geometry/Shape.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Rectangle : public Shape,
                              public Cloneable<Rectangle>,
                              public CopyAssignable<Rectangle> {
 public:
  // Not validated.
  Rectangle(const Units::Length& breadth, const Units::Length& depth);
  Rectangle(const Rectangle& other) = default;
  // Leaves this unchanged if the copy fails.
  Rectangle& operator=(const Rectangle& other);

  Rectangle* Clone() const override;
  // 2 (B + D).
  Units::Length Circumference() const override;
  // B D.
  Units::Area Area() const override;
  // B D² / 6.
  Units::Volume FirstMomentOfArea() const override;
  // B D³ / 12.
  Units::SecondMomentOfArea SecondMomentOfArea() const override;
  // The torsion constant B D s² (1/3 - 0.21 r (1 - r⁴ / 12)), where s is the
  // smaller side and r the smaller side over the larger.
  Units::SecondMomentOfArea PolarMomentOfArea() const override;
  // B / D, or +infinity unless D > 0.
  Units::Scalar AspectRatio() const override;

  Units::Length Breadth() const { return breadth_; }
  Units::Length Depth() const { return depth_; }
  // Each throws std::invalid_argument with its qualified name
  // ("Rectangle::SetBreadth"), leaving the rectangle as it was, unless
  // IsValidDimension accepts the value.
  void SetBreadth(const Units::Length& breadth);
  void SetDepth(const Units::Length& depth);

  void Swap(Rectangle& other);

 private:
  Units::Length breadth_;
  Units::Length depth_;
};

}  // namespace Orvanta
