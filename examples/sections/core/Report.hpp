// The HTML report: the program's report XML, transformed by the XSLT engine
// with the stylesheet that ships beside the program.
#pragma once

#include <string>
#include <vector>

#include <orvanta/platform/Types.hpp>

#include "PropertiesCommand.hpp"
#include "SectionsApplication.hpp"

namespace Sections {

// Writes the report XML of `results` to `xml`: the project, the units, one
// element per section with its dimensions, properties, warnings and a
// drawing to a common scale.
void WriteReportXml(const Orvanta::wpath& xml, const Orvanta::wpath& project,
                    const std::vector<SectionProperties>& results, const UnitSystem& units,
                    const std::wstring& title, const Orvanta::wpath& styleSheet);

// The whole report of `project`: computes its properties, writes the report
// XML to the application's XMLReport(), has the engine of the xslt_engine
// option transform it, waits for the engine, and returns the page. Throws
// std::runtime_error saying what went wrong (a missing engine, one that
// failed, an unknown engine option), and what GenerateHTMLReport throws.
// The waiting blocks: a report of a few sections takes xsltproc a moment.
Orvanta::wpath MakeHtmlReport(const SectionsApplication& app,
                              const boost::shared_ptr<const Project>& project,
                              const UnitSystem& units);

// `text` (UTF-8) with the XML special characters escaped, tabs and line ends
// as character references, and the C0 controls XML 1.0 cannot hold replaced
// by U+FFFD.
std::string XmlEscaped(const std::string& text);

}  // namespace Sections
