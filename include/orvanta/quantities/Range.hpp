// Range<Q>: a closed interval of quantities.
//
//   Orvanta::Range<Orvanta::Units::Length> span(Units::Length(4.0), Units::Length(1.0));
//   span.Minimum();                          // 1 m
//   span.IsWithin(Units::Length(4.0));       // true: both ends belong to it
#pragma once

#include <utility>

#include <boost/serialization/access.hpp>
#include <boost/serialization/nvp.hpp>

namespace Orvanta {

template <class Q>
class Range {
 public:
  // Both ends zero (so that archives can load into it).
  Range() = default;

  // The ends in either order. When they are equal, or either is NaN, the
  // minimum is a copy of `b` and the maximum a copy of `a`, labels included.
  Range(const Q& a, const Q& b) : minimum_(b), maximum_(a) {
    if (minimum_ > maximum_) std::swap(minimum_, maximum_);
  }

  Q Minimum() const { return minimum_; }
  Q Maximum() const { return maximum_; }
  // Maximum minus minimum, with the maximum's label.
  Q Extent() const { return maximum_ - minimum_; }
  // Whether q lies between the ends, both included (values only).
  bool IsWithin(const Q& q) const { return q >= minimum_ && q <= maximum_; }

  bool operator==(const Range& other) const {
    return maximum_ == other.maximum_ && minimum_ == other.minimum_;
  }
  bool operator!=(const Range& other) const { return !(*this == other); }

 private:
  friend class boost::serialization::access;

  // `minimum` then `maximum`; loaded as stored, without reordering.
  template <class Archive>
  void serialize(Archive& archive, unsigned int) {
    archive& boost::serialization::make_nvp("minimum", minimum_);
    archive& boost::serialization::make_nvp("maximum", maximum_);
  }

  Q minimum_;
  Q maximum_;
};

}  // namespace Orvanta
