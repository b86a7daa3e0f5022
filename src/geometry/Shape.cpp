#include "orvanta/geometry/Shape.hpp"

#include <cmath>
#include <limits>

namespace Orvanta {

Shape::~Shape() = default;

Units::Length Shape::RadiusOfGyration() const {
  const Units::Area ratio = SecondMomentOfArea() / Area();
  return Units::Length(std::sqrt(ratio.value()));
}

bool Shape::IsValidDimension(const Units::Length& d) const {
  return d.value() > 0.0 && d.value() < std::numeric_limits<double>::infinity();
}

void Shape::Swap(Shape&) {}

}  // namespace Orvanta
