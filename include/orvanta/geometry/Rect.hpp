// Rect: a box on a drawing, its four sides as lengths in metres, oriented like
// a drawing surface: Top() is the smaller vertical coordinate and Bottom() the
// larger, so Height() is bottom - top.
//
//   using namespace Orvanta;
//   const Units::Length zero, one(1.0), two(2.0);
//   Rect sheet(zero, zero, two, one);
//   sheet.Contains(two, Units::Length(0.5));     // false: the right edge is outside
//   Rect box = sheet & Rect(one, zero, Units::Length(3.0), one);   // (1, 0, 2, 1)
//   Point& corner = box;                          // the top-left corner, in place
//
// Nothing reorders the sides except Normalize(): a rectangle with right < left
// or bottom < top is kept as it is, and is empty. Comparisons are those of
// the quantities (exact, labels ignored). Its arithmetic allocates nothing.
// Where a minimum or maximum meets equal values (& and |), the left operand's
// side is kept, with its label.
#pragma once

#include "orvanta/geometry/Point.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Rect {
 public:
  // All four sides zero.
  Rect() = default;
  Rect(const Units::Length& left, const Units::Length& top, const Units::Length& right,
       const Units::Length& bottom);
  // From the corner (left, top) = a to the corner (right, bottom) = b.
  Rect(const Point& a, const Point& b);

  // All four sides equal.
  bool operator==(const Rect& other) const;
  bool operator!=(const Rect& other) const { return !(*this == other); }

  void Set(const Units::Length& left, const Units::Length& top, const Units::Length& right,
           const Units::Length& bottom);
  // right = left + width and bottom = top + height; a negative width or height
  // gives an inverted rectangle.
  void SetWidthHeight(const Units::Length& left, const Units::Length& top,
                      const Units::Length& width, const Units::Length& height);
  // All four sides zero.
  void SetEmpty() { *this = Rect(); }

  Units::Length Left() const { return top_left_.X(); }
  Units::Length Top() const { return top_left_.Y(); }
  Units::Length Right() const { return right_; }
  Units::Length Bottom() const { return bottom_; }

  Point TopLeft() const { return top_left_; }
  Point TopRight() const { return Point(right_, Top()); }
  Point BottomLeft() const { return Point(Left(), bottom_); }
  Point BottomRight() const { return Point(right_, bottom_); }

  Units::Length Width() const { return right_ - Left(); }
  Units::Length Height() const { return bottom_ - Top(); }
  Units::Area Area() const { return Height() * Width(); }

  // left >= right or top >= bottom.
  bool IsEmpty() const;

  // Whether (x, y) lies inside, the left and top edges included and the right
  // and bottom edges excluded, so that rectangles tiling a plane share no point.
  bool Contains(const Units::Length& x, const Units::Length& y) const;
  bool Contains(const Point& point) const { return Contains(point.X(), point.Y()); }
  // Whether `other` lies inside, all four edges included.
  bool Contains(const Rect& other) const;
  // Whether the interiors overlap; rectangles that only share an edge or a
  // corner do not touch.
  bool Touches(const Rect& other) const;

  // The intersection, or an all-zero rectangle when the two do not touch.
  Rect operator&(const Rect& other) const;
  // The bounding box of both. An empty operand still counts: the union with
  // Rect() reaches to the origin.
  Rect operator|(const Rect& other) const;
  Rect& operator&=(const Rect& other) { return *this = *this & other; }
  Rect& operator|=(const Rect& other) { return *this = *this | other; }

  // Every side moved: left and right by dx, top and bottom by dy.
  Rect OffsetBy(const Units::Length& dx, const Units::Length& dy) const;
  void Offset(const Units::Length& dx, const Units::Length& dy);
  // The same width and height with the top-left corner at (x, y).
  Rect MovedTo(const Units::Length& x, const Units::Length& y) const;
  void MoveTo(const Units::Length& x, const Units::Length& y);
  // (left - dx, top - dy, right + dx, bottom + dy); negative amounts shrink it.
  Rect InflatedBy(const Units::Length& dx, const Units::Length& dy) const;
  void Inflate(const Units::Length& dx, const Units::Length& dy);
  // Left and top the smaller, right and bottom the larger of each pair.
  Rect Normalized() const;
  void Normalize() { *this = Normalized(); }

  // The top-left corner itself: moving it moves the left and top sides only.
  operator Point&() { return top_left_; }
  operator const Point&() const { return top_left_; }

 private:
  Point top_left_;
  Units::Length right_;
  Units::Length bottom_;
};

}  // namespace Orvanta
