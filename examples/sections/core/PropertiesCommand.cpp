#include "PropertiesCommand.hpp"

#include <orvanta/platform/TextConversion.hpp>

namespace Sections {
namespace {

std::wstring Wide(const std::string& text) { return Orvanta::string_to_wstring(text); }

}  // namespace

SectionProperties PropertiesOf(const SectionItem& section) {
  const Orvanta::Shape& shape = section.GetShape();
  SectionProperties result;
  result.name = section.Name();
  result.type = section.Type();
  result.dimensionNames = section.DimensionNames();
  result.dimensions = section.Dimensions();
  result.perimeter = shape.Circumference();
  result.area = shape.Area();
  result.firstMoment = shape.FirstMomentOfArea();
  result.secondMoment = shape.SecondMomentOfArea();
  result.polarMoment = shape.PolarMomentOfArea();
  result.radiusOfGyration = shape.RadiusOfGyration();
  result.aspectRatio = shape.AspectRatio().value();
  result.drawing = section.Drawing();
  result.warnings = section.Warnings();
  return result;
}

PropertiesCommand::PropertiesCommand(boost::shared_ptr<const Project> project,
                                     const UnitSystem& units)
    : Command(false), project_(project), units_(units) {}

void PropertiesCommand::Execute() {
  results_.clear();
  for (const auto& section : project_->Sections()) {
    SectionProperties result = PropertiesOf(*section);
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
    for (const std::wstring& warning : result.warnings) LogWarning(result.name + L": " + warning);
    results_.push_back(std::move(result));
  }
}

}  // namespace Sections
