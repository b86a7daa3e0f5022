#include "orvanta/geometry/Rect.hpp"

#include <algorithm>

namespace Orvanta {

Rect::Rect(const Units::Length& left, const Units::Length& top, const Units::Length& right,
           const Units::Length& bottom)
    : top_left_(left, top), right_(right), bottom_(bottom) {}

Rect::Rect(const Point& a, const Point& b) : top_left_(a), right_(b.X()), bottom_(b.Y()) {}

bool Rect::operator==(const Rect& other) const {
  return Left() == other.Left() && Top() == other.Top() && right_ == other.right_ &&
         bottom_ == other.bottom_;
}

void Rect::Set(const Units::Length& left, const Units::Length& top, const Units::Length& right,
               const Units::Length& bottom) {
  top_left_.MoveTo(left, top);
  right_ = right;
  bottom_ = bottom;
}

void Rect::SetWidthHeight(const Units::Length& left, const Units::Length& top,
                          const Units::Length& width, const Units::Length& height) {
  Set(left, top, left + width, top + height);
}

bool Rect::IsEmpty() const { return Left() >= right_ || Top() >= bottom_; }

bool Rect::Contains(const Units::Length& x, const Units::Length& y) const {
  return Left() <= x && x < right_ && Top() <= y && y < bottom_;
}

bool Rect::Contains(const Rect& other) const {
  return other.Left() >= Left() && other.right_ <= right_ && other.Top() >= Top() &&
         other.bottom_ <= bottom_;
}

bool Rect::Touches(const Rect& other) const {
  return other.right_ > Left() && other.Left() < right_ && other.bottom_ > Top() &&
         other.Top() < bottom_;
}

Rect Rect::operator&(const Rect& other) const {
  if (!Touches(other)) return Rect();
  return Rect(std::max(Left(), other.Left()), std::max(Top(), other.Top()),
              std::min(right_, other.right_), std::min(bottom_, other.bottom_));
}

Rect Rect::operator|(const Rect& other) const {
  return Rect(std::min(Left(), other.Left()), std::min(Top(), other.Top()),
              std::max(right_, other.right_), std::max(bottom_, other.bottom_));
}

Rect Rect::OffsetBy(const Units::Length& dx, const Units::Length& dy) const {
  Rect moved(*this);
  moved.Offset(dx, dy);
  return moved;
}

void Rect::Offset(const Units::Length& dx, const Units::Length& dy) {
  top_left_.Offset(dx, dy);
  right_ += dx;
  bottom_ += dy;
}

Rect Rect::MovedTo(const Units::Length& x, const Units::Length& y) const {
  Rect moved(*this);
  moved.MoveTo(x, y);
  return moved;
}

void Rect::MoveTo(const Units::Length& x, const Units::Length& y) {
  const Units::Length width = Width(), height = Height();
  SetWidthHeight(x, y, width, height);
}

Rect Rect::InflatedBy(const Units::Length& dx, const Units::Length& dy) const {
  return Rect(Left() - dx, Top() - dy, right_ + dx, bottom_ + dy);
}

void Rect::Inflate(const Units::Length& dx, const Units::Length& dy) { *this = InflatedBy(dx, dy); }

Rect Rect::Normalized() const {
  return Rect(std::min(Left(), right_), std::min(Top(), bottom_), std::max(Left(), right_),
              std::max(Top(), bottom_));
}

}  // namespace Orvanta
