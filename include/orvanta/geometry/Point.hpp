// Point: a position on a drawing, two lengths in metres.
//
//   using namespace Orvanta;
//   Point p(Units::Length(1.0), Units::Length(2.0));
//   Point q = p.OffsetBy(Units::Length(0.5), Units::Length(-2.0));  // (1.5 m, 0 m)
//   p.Offset(Units::Length(1.0), Units::Length(1.0));               // p is (2 m, 3 m)
//
// Comparisons are those of the quantities: exact, on the values, labels ignored.
// Its arithmetic allocates nothing.
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Point {
 public:
  // The origin.
  Point() = default;
  Point(const Units::Length& x, const Units::Length& y) : x_(x), y_(y) {}

  Units::Length X() const { return x_; }
  Units::Length Y() const { return y_; }

  bool operator==(const Point& other) const { return x_ == other.x_ && y_ == other.y_; }
  bool operator!=(const Point& other) const { return x_ != other.x_ || y_ != other.y_; }

  Point OffsetBy(const Units::Length& dx, const Units::Length& dy) const {
    return Point(x_ + dx, y_ + dy);
  }
  Point operator-() const { return Point(-x_, -y_); }

  void MoveTo(const Units::Length& x, const Units::Length& y) {
    x_ = x;
    y_ = y;
  }
  void Offset(const Units::Length& dx, const Units::Length& dy) {
    x_ += dx;
    y_ += dy;
  }

 private:
  Units::Length x_;
  Units::Length y_;
};

}  // namespace Orvanta
