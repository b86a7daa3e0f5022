#include "orvanta/quantities/QuantityFunctions.hpp"

#include <cmath>

namespace Orvanta {
namespace Units {

double cotan(const Angle& angle) { return 1.0 / std::tan(angle.value()); }
double cosec(const Angle& angle) { return 1.0 / std::cos(angle.value()); }
double sec(const Angle& angle) { return 1.0 / std::sin(angle.value()); }

}  // namespace Units

Units::Acceleration Gravity() { return Units::Acceleration(9.80665, Units::m_per_s2); }

Units::MassDensity WeightToDensity(const Units::WeightDensity& w) {
  return Units::MassDensity(w.value() / Gravity().value());
}

Units::WeightDensity DensityToWeight(const Units::MassDensity& rho) {
  return Units::WeightDensity(rho.value() * Gravity().value());
}

}  // namespace Orvanta
