#include "Report.hpp"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <memory>
#include <sstream>
#include <stdexcept>

#include <boost/filesystem/exception.hpp>
#include <boost/filesystem/operations.hpp>

#include <orvanta/platform/SafeFileWriter.hpp>
#include <orvanta/platform/ShellOpen.hpp>
#include <orvanta/platform/TextConversion.hpp>

namespace Sections {
namespace {

std::string Narrow(const std::wstring& text) { return Orvanta::wstring_to_string(text); }
std::string Narrow(const Orvanta::wpath& path) { return Orvanta::path_to_string(path); }

std::string Number(double value) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(2) << value;
  return text.str();
}

// The drawing area given to the largest section, in pixels.
constexpr double kDrawingSize = 160.0;

const char* OutlineName(Outline::Kind kind) {
  switch (kind) {
    case Outline::Circle:
      return "circle";
    case Outline::Strip:
      return "strip";
    default:
      return "rectangle";
  }
}

template <class Q>
void Property(std::ostream& out, const char* key, const char* label, const Q& value,
              const Q& unit) {
  out << "      <property key=\"" << key << "\" label=\"" << label << "\" value=\""
      << XmlEscaped(InUnit(value, unit)) << "\" unit=\"" << XmlEscaped(ShownLabel(unit.Units()))
      << "\"/>\n";
}

}  // namespace

std::string XmlEscaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      // Kept as they are in attribute values (which would make them blanks).
      case '\t':
        escaped += "&#9;";
        break;
      case '\n':
        escaped += "&#10;";
        break;
      case '\r':
        escaped += "&#13;";
        break;
      default:
        // XML 1.0 has no way to write the other C0 controls.
        if (static_cast<unsigned char>(c) < 0x20)
          escaped += "\xEF\xBF\xBD";
        else
          escaped += c;
    }
  }
  return escaped;
}

void WriteReportXml(const Orvanta::wpath& xml, const Orvanta::wpath& project,
                    const std::vector<SectionProperties>& results, const UnitSystem& units,
                    const std::wstring& title, const Orvanta::wpath& styleSheet) {
  // One scale for every drawing, so that the sections compare by eye.
  double largest = 0.0;
  for (const SectionProperties& section : results) {
    largest = std::max({largest, section.drawing.width.value(), section.drawing.height.value()});
  }
  const double scale = largest > 0.0 ? kDrawingSize / largest : 1.0;  // pixels per metre

  const auto failed = [&](const boost::system::error_code& error) {
    return std::runtime_error("cannot write the report data '" + Narrow(xml) +
                              "': " + error.message());
  };
  std::unique_ptr<Orvanta::SafeFileWriter> file;
  try {
    file.reset(new Orvanta::SafeFileWriter(xml));
  } catch (const boost::filesystem::filesystem_error& error) {
    throw failed(error.code());
  }
  std::ostream& out = file->Stream();
  out.imbue(std::locale::classic());
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<report title=\"" << XmlEscaped(Narrow(title)) << "\" project=\""
      << XmlEscaped(Narrow(Orvanta::path_to_wstring(project))) << "\" units=\"" << units.Name()
      << "\" stylesheet=\"" << XmlEscaped(Narrow(Orvanta::path_to_wstring(styleSheet))) << "\">\n"
      << "  <scale pixels-per-metre=\"" << Number(scale) << "\" mm-per-pixel=\""
      << Number(1000.0 / scale) << "\"/>\n";
  for (const SectionProperties& section : results) {
    out << "  <section name=\"" << XmlEscaped(Narrow(section.name)) << "\" type=\""
        << XmlEscaped(Narrow(section.type)) << "\">\n";
    for (std::size_t i = 0; i < section.dimensions.size(); ++i)
      out << "    <dimension name=\"" << section.dimensionNames[i] << "\" value=\""
          << InUnit(section.dimensions[i], units.LengthUnit()) << "\" unit=\""
          << XmlEscaped(ShownLabel(units.LengthUnit().Units())) << "\"/>\n";
    out << "    <properties>\n";
    Property(out, "perimeter", "Perimeter", section.perimeter, units.LengthUnit());
    Property(out, "area", "Area", section.area, units.AreaUnit());
    Property(out, "first-moment", "First moment of area", section.firstMoment, units.VolumeUnit());
    Property(out, "second-moment", "Second moment of area", section.secondMoment,
             units.SecondMomentUnit());
    Property(out, "polar-moment", "Polar moment of area", section.polarMoment,
             units.SecondMomentUnit());
    Property(out, "radius-of-gyration", "Radius of gyration", section.radiusOfGyration,
             units.LengthUnit());
    out << "    </properties>\n";
    for (const std::wstring& warning : section.warnings)
      out << "    <warning>" << XmlEscaped(Narrow(warning)) << "</warning>\n";
    const double width = section.drawing.width.value() * scale,
                 height = section.drawing.height.value() * scale;
    out << "    <drawing shape=\"" << OutlineName(section.drawing.kind) << "\" width=\""
        << Number(width) << "\" height=\"" << Number(height) << "\" radius=\""
        << Number(width / 2.0) << "\"/>\n";
    out << "  </section>\n";
  }
  out << "</report>\n";
  try {
    file->Commit();
  } catch (const boost::filesystem::filesystem_error& error) {
    throw failed(error.code());
  }
}

Orvanta::wpath MakeHtmlReport(const SectionsApplication& app,
                              const boost::shared_ptr<const Project>& project,
                              const UnitSystem& units) {
  namespace fs = boost::filesystem;
  PropertiesCommand properties(project, units);
  properties.Rerun();
  const Orvanta::wpath xml = app.XMLReport();
  WriteReportXml(xml, project->Path(), properties.Results(), units, app.ReportTitle(),
                 app.ReportsPath() / app.ReportStyleSheet());
  const Orvanta::wpath engine = app.EnginePath() / Orvanta::ExecutableFileName(L"xsltproc");
  if (app.XSLTEngine() == Orvanta::BaseApplication::XSLTProc && !fs::exists(engine))
    throw std::runtime_error("the report engine is missing: there is no '" + Narrow(engine) + "'");
  const Orvanta::wpath page = app.GenerateHTMLReport(xml);
  if (page.empty())
    throw std::runtime_error("the xslt_engine option names no engine this program can run");
  if (app.XSLTEngine() != Orvanta::BaseApplication::MSXML) {
    // The page is there when the engine has ended, and only if it succeeded.
    const int code = app.WaitForReportEngine();
    if (code != 0)
      throw std::runtime_error("the report engine failed (exit code " + std::to_string(code) +
                               ") and wrote no report");
    if (!fs::is_regular_file(page))
      throw std::runtime_error("the report engine did not write '" + Narrow(page) + "'");
  }
  return page;
}

}  // namespace Sections
