#include "orvanta/geometry/Strip.hpp"

#include <limits>
#include <stdexcept>
#include <utility>

namespace Orvanta {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

Strip::Strip(const Units::Length& width) : width_(width) {}

Strip& Strip::operator=(const Strip& other) { return AssignByCopyAndSwap(other); }

Strip* Strip::Clone() const { return CloneByCopy(); }

Units::Length Strip::Circumference() const { return Units::Length(kInfinity); }
Units::Area Strip::Area() const { return Units::Area(kInfinity); }
Units::Volume Strip::FirstMomentOfArea() const { return Units::Volume(kInfinity); }

Units::SecondMomentOfArea Strip::SecondMomentOfArea() const {
  return Units::SecondMomentOfArea(kInfinity);
}

Units::SecondMomentOfArea Strip::PolarMomentOfArea() const {
  return Units::SecondMomentOfArea(kInfinity);
}

Units::Scalar Strip::AspectRatio() const { return Units::Scalar(0.0); }

void Strip::SetWidth(const Units::Length& width) {
  if (!IsValidDimension(width)) throw std::invalid_argument("Strip::SetWidth");
  width_ = width;
}

void Strip::Swap(Strip& other) {
  if (this == &other) return;
  Shape::Swap(other);
  std::swap(width_, other.width_);
}

}  // namespace Orvanta
