// Position: a point in space, three lengths in metres; z is measured as depth,
// downwards.
//
//   using namespace Orvanta;
//   Position p(Units::Length(1.0), Units::Length(2.0), Units::Length(3.0));
//   Position q = p.OffsetBy(Units::Length(0.0), Units::Length(0.0), Units::Length(-1.0));
//   q == Position(Units::Length(1.0), Units::Length(2.0), Units::Length(2.0));   // true
//
// Comparisons are those of the quantities: exact, on the values, labels ignored.
// Its arithmetic allocates nothing.
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Position {
 public:
  // The origin.
  Position() = default;
  Position(const Units::Length& x, const Units::Length& y, const Units::Length& z)
      : x_(x), y_(y), z_(z) {}

  Units::Length X() const { return x_; }
  Units::Length Y() const { return y_; }
  Units::Length Z() const { return z_; }

  bool operator==(const Position& other) const {
    return x_ == other.x_ && y_ == other.y_ && z_ == other.z_;
  }
  bool operator!=(const Position& other) const {
    return x_ != other.x_ || y_ != other.y_ || z_ != other.z_;
  }

  Position OffsetBy(const Units::Length& dx, const Units::Length& dy,
                    const Units::Length& dz) const {
    return Position(x_ + dx, y_ + dy, z_ + dz);
  }
  Position operator-() const { return Position(-x_, -y_, -z_); }

  void MoveTo(const Units::Length& x, const Units::Length& y, const Units::Length& z) {
    x_ = x;
    y_ = y;
    z_ = z;
  }
  void Offset(const Units::Length& dx, const Units::Length& dy, const Units::Length& dz) {
    x_ += dx;
    y_ += dy;
    z_ += dz;
  }

 private:
  Units::Length x_;
  Units::Length y_;
  Units::Length z_;
};

}  // namespace Orvanta
