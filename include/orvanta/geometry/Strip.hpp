// Strip: a section of finite width and unbounded depth, such as a wall or a
// slab per unit length. Its perimeter, area and moments are +infinity and its
// aspect ratio 0.
//
//   Orvanta::Strip wall(Orvanta::Units::Length(0.2));
//   wall.SetWidth(Orvanta::Units::Length(0.25));
//   wall.Area().value();          // +infinity
//   wall.SetWidth(Orvanta::Units::Length(0.0));   // throws std::invalid_argument
#pragma once

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/geometry/Shape.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Strip : public Shape, public Cloneable<Strip>, public CopyAssignable<Strip> {
 public:
  // Not validated.
  explicit Strip(const Units::Length& width);
  Strip(const Strip& other) = default;
  // Leaves this unchanged if the copy fails.
  Strip& operator=(const Strip& other);

  Strip* Clone() const override;
  Units::Length Circumference() const override;
  Units::Area Area() const override;
  Units::Volume FirstMomentOfArea() const override;
  Units::SecondMomentOfArea SecondMomentOfArea() const override;
  Units::SecondMomentOfArea PolarMomentOfArea() const override;
  Units::Scalar AspectRatio() const override;

  Units::Length Width() const { return width_; }
  // Throws std::invalid_argument("Strip::SetWidth"), leaving the strip as it
  // was, unless IsValidDimension(width).
  void SetWidth(const Units::Length& width);

  void Swap(Strip& other);

 private:
  Units::Length width_;
};

}  // namespace Orvanta
