#include "orvanta/geometry/Extents.hpp"

#include <algorithm>

namespace Orvanta {

namespace {

// The range from the smaller minimum to the larger maximum.
Extents::LengthRange Span(const Extents::LengthRange& a, const Extents::LengthRange& b) {
  return Extents::LengthRange(std::min(a.Minimum(), b.Minimum()),
                              std::max(a.Maximum(), b.Maximum()));
}

Extents::LengthRange Expanded(const Extents::LengthRange& range, const Units::Length& d) {
  return Extents::LengthRange(range.Minimum() - d, range.Maximum() + d);
}

}  // namespace

Extents::Extents(const Units::Length& minX, const Units::Length& maxX, const Units::Length& minY,
                 const Units::Length& maxY, const Units::Length& minZ, const Units::Length& maxZ)
    : x_extents_(minX, maxX), y_extents_(minY, maxY), z_extents_(minZ, maxZ) {}

void Extents::SetMinMaxX(const Units::Length& a, const Units::Length& b) {
  x_extents_ = LengthRange(a, b);
}

void Extents::SetMinMaxY(const Units::Length& a, const Units::Length& b) {
  y_extents_ = LengthRange(a, b);
}

void Extents::SetMinMaxZ(const Units::Length& a, const Units::Length& b) {
  z_extents_ = LengthRange(a, b);
}

void Extents::ExpandBy(const Units::Length& dx, const Units::Length& dy, const Units::Length& dz) {
  x_extents_ = Expanded(x_extents_, dx);
  y_extents_ = Expanded(y_extents_, dy);
  z_extents_ = Expanded(z_extents_, dz);
}

Extents& Extents::operator+=(const Extents& other) {
  x_extents_ = Span(x_extents_, other.x_extents_);
  y_extents_ = Span(y_extents_, other.y_extents_);
  z_extents_ = Span(z_extents_, other.z_extents_);
  return *this;
}

Extents Extents::operator+(const Extents& other) const {
  Extents sum(*this);
  sum += other;
  return sum;
}

}  // namespace Orvanta
