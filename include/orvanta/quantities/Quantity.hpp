// Quantity<M, L, T, A>: a physical value whose dimension (the exponents of
// mass, length, time and plane angle) is part of its type, held in the base
// unit of that dimension with a text label.
//
//   using namespace Orvanta;
//   Units::Length b(300, Units::mm), d(0.5, Units::m);   // 0.3 m, 0.5 m
//   Units::SecondMomentOfArea i = b * d * d * d / 12.0;  // label "m^4"
//   double in_cm4 = (i / Units::cm4).value();
//   b + Units::Force(1.0);                               // does not compile
//   b < Units::Force(1.0);                               // nor does this
//
// The label never takes part in arithmetic or comparison: a result carries its
// left operand's label, and a product or quotient of two quantities (or a
// double times a quantity) the base label of its dimension. Comparisons are
// exact IEEE comparisons of the values. A quantity is 16 bytes, and copying it
// or computing with it allocates nothing unless its label came from a stream,
// an archive or the (value, label) constructor (and then it only counts).
//
// In Boost text and XML archives the value is written as text with 17
// significant digits and read back exactly, and in narrow archives the label
// is UTF-8; neither depends on the C locale. A malformed value throws
// boost::archive::archive_exception (input_stream_error). Load XML archives
// from files you did not write through XmlInputArchive / XmlWideInputArchive
// (frame/XmlInputArchive.hpp), which are safe on hostile input.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <type_traits>

#include <boost/serialization/access.hpp>
#include <boost/serialization/split_member.hpp>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/quantities/internal/QuantityArchive.hpp"
#include "orvanta/quantities/internal/QuantityLabel.hpp"

namespace Orvanta {
namespace detail {

// The label of each dimension's base unit. Only the dimensions the library
// knows have one; a quantity of any other dimension does not compile.
template <int M, int L, int T, int A>
struct BaseLabel {
  static_assert(M != M, "this dimension has no base label: the library does not know it");
};

#define ORVANTA_DIMENSION(M, L, T, A, label)              \
  template <>                                             \
  struct BaseLabel<M, L, T, A> {                          \
    static constexpr LabelText text = StaticLabel(label); \
  };
#include "orvanta/quantities/Dimensions.def"

}  // namespace detail

template <int M, int L, int T, int A>
class Quantity {
  static constexpr bool kIsScalar = M == 0 && L == 0 && T == 0 && A == 0;
  using Scalar = Quantity<0, 0, 0, 0>;

 public:
  // The label of the dimension's base unit, for example L"m" or L"N/m³".
  static const std::wstring base_units;

  // Zero, with the base label.
  Quantity() noexcept : value_(0.0), units_(BaseText()) {}

  // `value` in base units, with the base label. Implicit, so that a number
  // stands for a value in base units (Units::Length x = 0.5; Rect(0, 0, 2, 1)).
  // A host that defines ORVANTA_EXPLICIT_QUANTITY (in every translation unit)
  // keeps it implicit only for the dimensionless quantity: there a bare
  // number is not a length, and `length + 2.0` does not compile.
#if defined(ORVANTA_EXPLICIT_QUANTITY)
  template <bool S = kIsScalar, std::enable_if_t<S, int> = 0>
  Quantity(double value) noexcept : value_(value), units_(BaseText()) {}
  template <bool S = kIsScalar, std::enable_if_t<!S, int> = 0>
  explicit Quantity(double value) noexcept : value_(value), units_(BaseText()) {}
#else
  Quantity(double value) noexcept : value_(value), units_(BaseText()) {}
#endif

  // `value` units of `unit` (a catalogue constant), in base units with the
  // base label: Quantity(5.0, Units::mm) holds 0.005 labelled "m".
  Quantity(double value, const Quantity& unit) noexcept
      : value_(value * unit.value_), units_(BaseText()) {}

  // `value` already in base units, labelled `units`, which is taken as it is.
  Quantity(double value, const std::wstring& units)
      : value_(value), units_(detail::LabelRef::Make(units, BaseText())) {}

  // `value` in base units labelled by `Label`, which must have static storage
  // (the catalogue's constants are made this way): the quantity keeps only
  // its address, so a label that could die first cannot be given here.
  template <const detail::LabelText& Label>
  static Quantity WithStaticLabel(double value) noexcept {
    return Quantity(value, detail::StaticLabelTag<Label>());
  }
  // The same as a constructor, through which a constant of static storage is
  // constant-initialized (no code runs to make it), as the catalogue's are:
  //   const Units::Length mm(0.001, detail::StaticLabelTag<Units::labels::mm>());
  template <const detail::LabelText& Label>
  constexpr Quantity(double value, detail::StaticLabelTag<Label>) noexcept
      : value_(value), units_(Label) {}

  double value() const noexcept { return value_; }
  std::wstring Units() const { return units_.String(); }
  void SetValue(double value) noexcept { value_ = value; }

  // Reads the value with the stream's numeric extraction, then the label as
  // one blank-delimited word, taken as it is (no conversion), each stored as
  // it is read: when no number can be read the stream fails and nothing
  // changes; when a number is read but no word follows, the value is stored,
  // the label kept, and the stream fails.
  std::wistream& Read(std::wistream& in) {
    double value = 0.0;
    if (!(in >> value)) return in;
    value_ = value;
    std::wstring word;
    if (in >> word) units_ = detail::LabelRef::Make(word, BaseText());
    return in;
  }

  Quantity operator+() const noexcept { return *this; }
  Quantity operator-() const noexcept { return Quantity(-value_, units_); }

  Quantity operator+(const Quantity& other) const noexcept {
    return Quantity(value_ + other.value_, units_);
  }
  Quantity operator-(const Quantity& other) const noexcept {
    return Quantity(value_ - other.value_, units_);
  }
  Quantity& operator+=(const Quantity& other) noexcept {
    value_ += other.value_;
    return *this;
  }
  Quantity& operator-=(const Quantity& other) noexcept {
    value_ -= other.value_;
    return *this;
  }

  Quantity& operator*=(double factor) noexcept {
    value_ *= factor;
    return *this;
  }
  Quantity& operator/=(double divisor) noexcept {
    value_ /= divisor;
    return *this;
  }
  Quantity& operator*=(const Scalar& factor) noexcept {
    value_ *= factor.value();
    return *this;
  }
  Quantity& operator/=(const Scalar& divisor) noexcept {
    value_ /= divisor.value();
    return *this;
  }

  Quantity operator*(double factor) const noexcept { return Quantity(value_ * factor, units_); }
  Quantity operator/(double divisor) const noexcept { return Quantity(value_ / divisor, units_); }
  Quantity operator*(int factor) const noexcept {
    return Quantity(value_ * static_cast<double>(factor), units_);
  }
  Quantity operator/(int divisor) const noexcept {
    return Quantity(value_ / static_cast<double>(divisor), units_);
  }

  // The ratio of two quantities of this dimension, dimensionless and unlabelled.
  Scalar operator/(const Quantity& other) const noexcept { return Scalar(value_ / other.value_); }

  friend bool operator==(const Quantity& a, const Quantity& b) noexcept {
    return a.value_ == b.value_;
  }
  friend bool operator!=(const Quantity& a, const Quantity& b) noexcept {
    return a.value_ != b.value_;
  }
  friend bool operator<(const Quantity& a, const Quantity& b) noexcept {
    return a.value_ < b.value_;
  }
  friend bool operator<=(const Quantity& a, const Quantity& b) noexcept {
    return a.value_ <= b.value_;
  }
  friend bool operator>(const Quantity& a, const Quantity& b) noexcept {
    return a.value_ > b.value_;
  }
  friend bool operator>=(const Quantity& a, const Quantity& b) noexcept {
    return a.value_ >= b.value_;
  }

  // The value with the stream's formatting, then, unless the label is empty,
  // a blank and the label.
  friend std::wostream& operator<<(std::wostream& out, const Quantity& q) {
    out << q.value_;
    const detail::LabelText& label = q.units_.Text();
    if (label.length != 0) {
      out << L' ';
      out.write(label.text, static_cast<std::streamsize>(label.length));
    }
    return out;
  }
  // The same on a narrow stream, the label in UTF-8.
  friend std::ostream& operator<<(std::ostream& out, const Quantity& q) {
    out << q.value_;
    if (q.units_.Text().length != 0) out << ' ' << wstring_to_string(q.units_.String());
    return out;
  }

 private:
  friend class boost::serialization::access;

  Quantity(double value, const detail::LabelRef& units) noexcept : value_(value), units_(units) {}

  static const detail::LabelText& BaseText() noexcept {
    return detail::BaseLabel<M, L, T, A>::text;
  }

  // `value_` then `units_`; the stored label is taken as it is.
  template <class Archive>
  void save(Archive& archive, unsigned int) const {
    detail::SaveNumber(archive, "value_", value_);
    detail::SaveLabel(archive, "units_", units_.String());
  }
  template <class Archive>
  void load(Archive& archive, unsigned int) {
    const double value = detail::LoadNumber(archive, "value_");
    const std::wstring units = detail::LoadLabel(archive, "units_");
    value_ = value;
    units_ = detail::LabelRef::Make(units, BaseText());
  }
  BOOST_SERIALIZATION_SPLIT_MEMBER()

  double value_;
  detail::LabelRef units_;
};

#define ORVANTA_DIMENSION(M, L, T, A, label) \
  template <>                                \
  ORVANTA_API const std::wstring Quantity<M, L, T, A>::base_units;
#include "orvanta/quantities/Dimensions.def"

// Wraps Quantity::Read.
template <int M, int L, int T, int A>
std::wistream& operator>>(std::wistream& in, Quantity<M, L, T, A>& q) {
  return q.Read(in);
}

// Products and quotients of quantities of any dimensions; the result carries
// the base label of its dimension.
template <int M1, int L1, int T1, int A1, int M2, int L2, int T2, int A2>
Quantity<M1 + M2, L1 + L2, T1 + T2, A1 + A2> operator*(const Quantity<M1, L1, T1, A1>& a,
                                                       const Quantity<M2, L2, T2, A2>& b) noexcept {
  return Quantity<M1 + M2, L1 + L2, T1 + T2, A1 + A2>(a.value() * b.value());
}

template <int M1, int L1, int T1, int A1, int M2, int L2, int T2, int A2>
Quantity<M1 - M2, L1 - L2, T1 - T2, A1 - A2> operator/(const Quantity<M1, L1, T1, A1>& a,
                                                       const Quantity<M2, L2, T2, A2>& b) noexcept {
  return Quantity<M1 - M2, L1 - L2, T1 - T2, A1 - A2>(a.value() / b.value());
}

template <int M, int L, int T, int A>
Quantity<M, L, T, A> operator*(double factor, const Quantity<M, L, T, A>& q) noexcept {
  return Quantity<M, L, T, A>(factor * q.value());
}

}  // namespace Orvanta
