#include "PropertiesCommand.hpp"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

#include <orvanta/platform/TextConversion.hpp>

namespace Sections {
namespace {

std::wstring Wide(const std::string& text) { return Orvanta::string_to_wstring(text); }

std::vector<std::string> Questions(const SectionItem& section, const SectionProperties& result,
                                   const UnitSystem& units) {
  std::vector<std::string> warnings;
  if (section.Type() == L"Rectangle") {
    const double ratio = result.aspectRatio;
    const double slenderness = std::max(ratio, 1.0 / ratio);
    if (slenderness > PropertiesCommand::kSlenderLimit) {
      std::ostringstream text;
      text << "slender rectangle: its longer side is " << std::setprecision(3) << slenderness
           << " times its shorter one (more than " << PropertiesCommand::kSlenderLimit
           << "); check it for lateral buckling";
      warnings.push_back(text.str());
    }
  }
  if (section.Type() == L"Strip")
    warnings.push_back("a strip has unbounded depth: its area and moments are infinite");
  const Units::Length small(5, Units::mm);
  for (std::size_t i = 0; i < result.dimensions.size(); ++i)
    if (result.dimensions[i] < small)
      warnings.push_back("its " + result.dimensionNames[i] + " of " +
                         Shown(result.dimensions[i], units.LengthUnit()) +
                         " is under 5 mm: is the unit right?");
  return warnings;
}

}  // namespace

PropertiesCommand::PropertiesCommand(boost::shared_ptr<const Project> project,
                                     const UnitSystem& units)
    : Command(false), project_(project), units_(units) {}

void PropertiesCommand::Execute() {
  results_.clear();
  for (const auto& section : project_->Sections()) {
    const Orvanta::Shape& shape = section->GetShape();
    SectionProperties result;
    result.name = section->Name();
    result.type = section->Type();
    result.dimensionNames = section->DimensionNames();
    result.dimensions = section->Dimensions();
    result.perimeter = shape.Circumference();
    result.area = shape.Area();
    result.firstMoment = shape.FirstMomentOfArea();
    result.secondMoment = shape.SecondMomentOfArea();
    result.polarMoment = shape.PolarMomentOfArea();
    result.radiusOfGyration = shape.RadiusOfGyration();
    result.aspectRatio = shape.AspectRatio().value();
    result.warnings = Questions(*section, result, units_);

    std::string dimensions;
    for (std::size_t i = 0; i < result.dimensions.size(); ++i)
      dimensions += (i ? ", " : "") + result.dimensionNames[i] + " " +
                    Shown(result.dimensions[i], units_.LengthUnit());
    LogBranch(result.name + L" (" + result.type + L"): " + Wide(dimensions));
    LogInfo(L"perimeter " + Wide(Shown(result.perimeter, units_.LengthUnit())));
    LogInfo(L"area " + Wide(Shown(result.area, units_.AreaUnit())));
    LogInfo(L"first moment of area " + Wide(Shown(result.firstMoment, units_.VolumeUnit())));
    LogInfo(L"second moment of area " +
            Wide(Shown(result.secondMoment, units_.SecondMomentUnit())));
    LogInfo(L"polar moment of area " + Wide(Shown(result.polarMoment, units_.SecondMomentUnit())));
    LogInfo(L"radius of gyration " + Wide(Shown(result.radiusOfGyration, units_.LengthUnit())));
    for (const std::string& warning : result.warnings)
      LogWarning(result.name + L": " + Wide(warning));
    results_.push_back(result);
  }
}

}  // namespace Sections
