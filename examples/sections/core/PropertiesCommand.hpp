// The calculation: every property of every section of a project, with
// warnings for sections that deserve a second look.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include <orvanta/commands/Command.hpp>

#include "Project.hpp"
#include "UnitSystem.hpp"

namespace Sections {

struct SectionProperties {
  std::wstring name;
  std::wstring type;
  std::vector<std::string> dimensionNames;
  std::vector<Units::Length> dimensions;
  Units::Length perimeter;
  Units::Area area;
  Units::Volume firstMoment;
  Units::SecondMomentOfArea secondMoment;
  Units::SecondMomentOfArea polarMoment;
  Units::Length radiusOfGyration;
  double aspectRatio = 0.0;
  std::vector<std::string> warnings;
};

class PropertiesCommand : public Orvanta::Command {
 public:
  // Slenderness (the longer side over the shorter) above which a rectangle
  // is questioned.
  static constexpr double kSlenderLimit = 4.0;

  PropertiesCommand(boost::shared_ptr<const Project> project, const UnitSystem& units);
  PropertiesCommand* Clone() const override { return new PropertiesCommand(*this); }

  void Execute() override;
  void Stop() override {}
  std::wstring Name() const override { return L"Section properties"; }

  const std::vector<SectionProperties>& Results() const { return results_; }

 private:
  boost::shared_ptr<const Project> project_;
  UnitSystem units_;
  std::vector<SectionProperties> results_;
};

}  // namespace Sections
