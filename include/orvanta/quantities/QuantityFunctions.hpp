// Functions built on quantities: the reciprocal trigonometric functions of an
// angle, standard gravity, and conversion between mass density and unit
// weight.
//
//   Orvanta::Units::WeightDensity w(19.62, Orvanta::Units::kN_per_m3);
//   Orvanta::Units::MassDensity rho = Orvanta::WeightToDensity(w);  // ~2000.68 kg/m³
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace Units {

// 1 / tan(angle). Nothing is guarded: a zero denominator gives infinity.
ORVANTA_API double cotan(const Angle& angle);
// 1 / cos(angle).
ORVANTA_API double cosec(const Angle& angle);
// 1 / sin(angle).
ORVANTA_API double sec(const Angle& angle);

}  // namespace Units

// 9.80665 m/s², labelled "m/s²".
ORVANTA_API Units::Acceleration Gravity();
// w / g, labelled "kg/m³".
ORVANTA_API Units::MassDensity WeightToDensity(const Units::WeightDensity& w);
// rho × g, labelled "N/m³".
ORVANTA_API Units::WeightDensity DensityToWeight(const Units::MassDensity& rho);

}  // namespace Orvanta
