#include "orvanta/geometry/Rectangle.hpp"

#include <limits>
#include <stdexcept>
#include <utility>

namespace Orvanta {

Rectangle::Rectangle(const Units::Length& breadth, const Units::Length& depth)
    : breadth_(breadth), depth_(depth) {}

Rectangle& Rectangle::operator=(const Rectangle& other) { return AssignByCopyAndSwap(other); }

Rectangle* Rectangle::Clone() const { return CloneByCopy(); }

Units::Length Rectangle::Circumference() const { return 2.0 * (breadth_ + depth_); }

Units::Area Rectangle::Area() const { return breadth_ * depth_; }

Units::Volume Rectangle::FirstMomentOfArea() const { return breadth_ * depth_ * depth_ / 6.0; }

Units::SecondMomentOfArea Rectangle::SecondMomentOfArea() const {
  return breadth_ * depth_ * depth_ * depth_ / 12.0;
}

// Computed in exactly these steps: a rearranged formula rounds differently in
// the last bits.
Units::SecondMomentOfArea Rectangle::PolarMomentOfArea() const {
  Units::Scalar r;
  Units::Area s2;
  if (breadth_ > depth_) {
    r = depth_ / breadth_;
    s2 = depth_ * depth_;
  } else {
    r = breadth_ / depth_;
    s2 = breadth_ * breadth_;
  }
  const Units::Scalar r4 = (r * r) * (r * r);
  Units::Scalar k = Units::Scalar(1.0) - r4 / 12.0;
  k = k * (-0.21 * r);
  k = k + Units::Scalar(1.0 / 3.0);
  return ((k * breadth_) * depth_) * s2;
}

Units::Scalar Rectangle::AspectRatio() const {
  if (depth_ > Units::Length(0.0)) return breadth_ / depth_;
  return Units::Scalar(std::numeric_limits<double>::infinity());
}

void Rectangle::SetBreadth(const Units::Length& breadth) {
  if (!IsValidDimension(breadth)) throw std::invalid_argument("Rectangle::SetBreadth");
  breadth_ = breadth;
}

void Rectangle::SetDepth(const Units::Length& depth) {
  if (!IsValidDimension(depth)) throw std::invalid_argument("Rectangle::SetDepth");
  depth_ = depth;
}

void Rectangle::Swap(Rectangle& other) {
  if (this == &other) return;
  Shape::Swap(other);
  std::swap(breadth_, other.breadth_);
  std::swap(depth_, other.depth_);
}

}  // namespace Orvanta
