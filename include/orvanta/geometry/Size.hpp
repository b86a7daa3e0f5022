// Size: a width and a height on a drawing, in metres.
//
//   Orvanta::Size page(Orvanta::Units::Length(0.297), Orvanta::Units::Length(0.21));
//   page.Width();   // 0.297 m
#pragma once

#include "orvanta/geometry/Point.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

// Held as a point whose x is the width and whose y is the height; none of the
// point's operations is offered.
class ORVANTA_API Size : private Point {
 public:
  // Zero by zero.
  Size() = default;
  Size(const Units::Length& width, const Units::Length& height) : Point(width, height) {}

  Units::Length Width() const { return X(); }
  Units::Length Height() const { return Y(); }
};

}  // namespace Orvanta
