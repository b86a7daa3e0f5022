// The external XSLT engines that turn a report file into an HTML page: one
// table of what each engine is and how it is called, and starting one.
// Internal to the application layer: BaseApplication's GenerateHTMLReport,
// CallAltovaEngine and CallLibXSLTEngine are its public face. Exported for the
// library's own tests only.
//
//   const detail::ReportEngine* engine = detail::FindReportEngine(2);  // xsltproc
//   detail::EngineCommand command = detail::MakeEngineCommand(*engine, xml, xsl, html);
//   // command.text: -novalid -o "<html>" "<xsl>" "<xml>"
//
// The report file and its stylesheet are the host's: the library only quotes
// their paths for the engine and never reads or interprets them.
#pragma once

#include <string>
#include <vector>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class StartedProgram;

namespace detail {

// An engine that runs as a program of the engines folder.
struct ReportEngine {
  // Its value of the XSLTEngine option.
  int engine;
  // The program's file name without the system's ending for programs
  // (ExecutableFileName adds it).
  const wchar_t* stem;
  // Its arguments, separated by blanks: <Xml/>, <Xsl/> and <Html/> stand for
  // the report file, the stylesheet and the page, anything else is a flag.
  const wchar_t* arguments;
};

// The engine that the XSLTEngine option's value `engine` names; null for any
// other value, MSXML's 0 included (the browser transforms that page itself).
ORVANTA_API const ReportEngine* FindReportEngine(int engine);

// An engine's arguments with the paths put in, and the parameter text that
// SplitCommandLine splits back into them: flags as they are, each path in
// double quotes (QuoteCommandLineArgument), one blank between.
struct EngineCommand {
  std::vector<std::wstring> arguments;
  std::wstring text;
};
ORVANTA_API EngineCommand MakeEngineCommand(const ReportEngine& engine, const wpath& xml,
                                            const wpath& xsl, const wpath& html);

// Starts `folder` / the engine's program on the three files without waiting
// for it (`started` can wait for it afterwards), after broadcasting "Running
// '<Directory/>\<Exe/> <Params/>' from the command line" (text 1505), and
// returns `html`. Throws BaseApplication::ReportGenerationError naming the
// program when it is not there, and BaseApplication::ReportEngineError with
// the start's code when it cannot be started as a program (11 for a file
// that is not one).
ORVANTA_API wpath RunReportEngine(const ReportEngine& engine, const wpath& folder, const wpath& xml,
                                  const wpath& xsl, const wpath& html, StartedProgram& started);

}  // namespace detail
}  // namespace Orvanta
