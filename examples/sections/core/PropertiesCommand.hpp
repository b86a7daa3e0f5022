// The calculation: every property of every section of a project, logged as
// a branch per section, with the warnings of the sections that deserve a
// second look. It falls out of date when a section changes.
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
  Outline drawing;
  std::vector<std::wstring> warnings;
};

// The properties of one section.
SectionProperties PropertiesOf(const SectionItem& section);

class PropertiesCommand : public Orvanta::Command {
 public:
  // Logs in `units`; the project must outlive the command.
  PropertiesCommand(boost::shared_ptr<const Project> project, const UnitSystem& units);
  PropertiesCommand* Clone() const override { return new PropertiesCommand(*this); }

  void Execute() override;
  void Stop() override {}
  std::wstring Name() const override { return L"Section properties"; }

  // One entry per section, in document order, as of the last run.
  const std::vector<SectionProperties>& Results() const { return results_; }

 private:
  boost::shared_ptr<const Project> project_;
  UnitSystem units_;
  std::vector<SectionProperties> results_;
};

}  // namespace Sections
