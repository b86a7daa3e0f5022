// The unit catalogue: 220 named units in SI, metric-technical and imperial/US
// systems, the typedef names of the common dimensions, and the catalogue's
// use for showing and typing values.
//
//   using namespace Orvanta;
//   Units::Pressure p(100, Units::kPa);          // 100000 Pa, labelled "Pa"
//   double psi = (p / Units::psi).value();       // about 14.5038
//   std::wstring label = Units::psi.Units();     // L"psi"
//   Units::Length d = Units::Parse<Units::Length>(L"300 mm");  // 0.3 m
//
// Each constant holds the size of one unit in base units and the unit's symbol
// as its label. The constants are defined once, in the library, and are
// constant-initialized: they hold their values before any code runs (static
// initializers of other files included), and including this header adds no
// start-up code.
#pragma once

#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Quantity.hpp"

namespace Orvanta {
namespace Units {

typedef Quantity<0, 0, 0, 0> Scalar;
typedef Quantity<0, 0, 0, 1> Angle;
typedef Quantity<1, 0, 0, 0> Mass;
typedef Quantity<0, 1, 0, 0> Length;
typedef Quantity<0, 0, 1, 0> Time;
typedef Quantity<0, 2, 0, 0> Area;
typedef Quantity<0, 3, 0, 0> Volume;
typedef Quantity<0, 4, 0, 0> SecondMomentOfArea;
typedef Quantity<0, 6, 0, 0> FourthMomentOfArea;
typedef Quantity<0, 1, -1, 0> Velocity;
typedef Quantity<0, 1, -2, 0> Acceleration;
typedef Quantity<1, -3, 0, 0> MassDensity;
typedef Quantity<1, -2, -2, 0> WeightDensity;
typedef Quantity<1, 1, -2, 0> Force;
typedef Quantity<1, -1, -2, 0> Pressure;
typedef Quantity<1, 0, -2, 0> ForcePerLength;
typedef Quantity<-1, 0, 2, 0> LinearCompressibility;
typedef Quantity<1, -1, 0, 0> MassPerLength;
typedef Quantity<1, -2, 0, 0> MassPerArea;
typedef Quantity<1, 2, -2, 0> MomentOfForce;
typedef Quantity<1, 3, -2, 0> SecondMomentOfForce;
typedef Quantity<1, 1, -2, -1> ForcePerAngle;
typedef Quantity<1, 2, -2, -1> MomentPerAngle;
typedef Quantity<-1, -1, 2, 1> AnglePerForce;
typedef Quantity<-1, -2, 2, 1> AnglePerMoment;
typedef Quantity<-1, -1, 2, 0> InverseForce;
typedef Quantity<-1, -2, 2, 0> InverseMoment;

// The static texts of the catalogue's labels.
namespace labels {
#define ORVANTA_UNIT(Type, identifier, label, factor) \
  inline constexpr detail::LabelText identifier = detail::StaticLabel(label);
#include "orvanta/quantities/Units.def"
}  // namespace labels

#define ORVANTA_UNIT(Type, identifier, label, factor) extern ORVANTA_API const Type identifier;
#include "orvanta/quantities/Units.def"

// The named constants of dimension Q in their order of definition (empty for
// a dimension without named units), for example to fill a unit chooser.
template <class Q>
const std::vector<Q>& Catalogue() {
  static const std::vector<Q> units = [] {
    std::vector<Q> list;
#define ORVANTA_UNIT(Type, identifier, label, factor) \
  if constexpr (std::is_same<Q, Type>::value) list.push_back(identifier);
#include "orvanta/quantities/Units.def"
    return list;
  }();
  return units;
}

namespace detail {

// Splits "<number><blanks><label>" (blanks around the whole allowed). Throws
// std::invalid_argument naming Units::Parse and quoting `text` when it does
// not start with a finite decimal number.
ORVANTA_API void SplitNumberAndLabel(const std::wstring& text, double& number, std::wstring& label);
[[noreturn]] ORVANTA_API void ThrowUnknownUnit(const std::wstring& text);

}  // namespace detail

// Reads a value typed in one of Q's units: a finite decimal number (blanks
// around the whole text allowed), optional blanks, then the label of one of
// Q's named constants ("300 mm", "2.5kN", "45\u00b0"). Returns
// Quantity(number, unit), in base units with the base label. When two
// constants share a label the first one wins. Any other text throws
// std::invalid_argument whose text names Units::Parse and quotes the input.
template <class Q>
Q Parse(const std::wstring& text) {
  double number = 0.0;
  std::wstring label;
  detail::SplitNumberAndLabel(text, number, label);
  for (const Q& unit : Catalogue<Q>())
    if (unit.Units() == label) return Q(number, unit);
  detail::ThrowUnknownUnit(text);
}

}  // namespace Units
}  // namespace Orvanta
