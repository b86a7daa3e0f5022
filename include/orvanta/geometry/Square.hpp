// Square: a solid square section of side W.
//
//   Orvanta::Square post(Orvanta::Units::Length(0.4));
//   post.SecondMomentOfArea();    // W⁴ / 12
//   post.PolarMomentOfArea();     // W⁴ / 7.1, not the Rectangle's value for equal sides
#pragma once

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/geometry/Shape.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Square : public Shape, public Cloneable<Square>, public CopyAssignable<Square> {
 public:
  // Not validated.
  explicit Square(const Units::Length& width);
  Square(const Square& other) = default;
  // Leaves this unchanged if the copy fails.
  Square& operator=(const Square& other);

  Square* Clone() const override;
  // 4 W.
  Units::Length Circumference() const override;
  // W².
  Units::Area Area() const override;
  // W³ / 6.
  Units::Volume FirstMomentOfArea() const override;
  // W⁴ / 12.
  Units::SecondMomentOfArea SecondMomentOfArea() const override;
  // W⁴ / 7.1.
  Units::SecondMomentOfArea PolarMomentOfArea() const override;
  // 1.
  Units::Scalar AspectRatio() const override;

  Units::Length Width() const { return width_; }
  // Throws std::invalid_argument("Square::SetWidth"), leaving the square as it
  // was, unless IsValidDimension(width).
  void SetWidth(const Units::Length& width);

  void Swap(Square& other);

 private:
  Units::Length width_;
};

}  // namespace Orvanta
