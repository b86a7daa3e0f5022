#include "orvanta/geometry/Circle.hpp"

#include <stdexcept>
#include <utility>

namespace Orvanta {

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

Circle::Circle(const Units::Length& diameter) : diameter_(diameter) {}

Circle& Circle::operator=(const Circle& other) { return AssignByCopyAndSwap(other); }

Circle* Circle::Clone() const { return CloneByCopy(); }

Units::Length Circle::Circumference() const { return kPi * diameter_; }

Units::Area Circle::Area() const { return kPi * diameter_ * diameter_ / 4.0; }

Units::Volume Circle::FirstMomentOfArea() const { return diameter_ * diameter_ * diameter_ / 6.0; }

Units::SecondMomentOfArea Circle::SecondMomentOfArea() const {
  return kPi * (diameter_ * diameter_) * (diameter_ * diameter_) / 64.0;
}

Units::SecondMomentOfArea Circle::PolarMomentOfArea() const {
  return kPi * (diameter_ * diameter_) * (diameter_ * diameter_) / 32.0;
}

Units::Scalar Circle::AspectRatio() const { return Units::Scalar(1.0); }

void Circle::SetDiameter(const Units::Length& diameter) {
  if (!IsValidDimension(diameter)) throw std::invalid_argument("Circle::SetDiameter");
  diameter_ = diameter;
}

void Circle::SetRadius(const Units::Length& radius) { SetDiameter(2.0 * radius); }

void Circle::Swap(Circle& other) {
  if (this == &other) return;
  Shape::Swap(other);
  std::swap(diameter_, other.diameter_);
}

}  // namespace Orvanta
