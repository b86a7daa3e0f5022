#include "orvanta/application/internal/ReportEngines.hpp"

#include <boost/filesystem/operations.hpp>
#include <sstream>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace detail {
namespace {

const ReportEngine kEngines[] = {
    {BaseApplication::AltovaXML, L"AltovaXML", L"-xslt1 <Xsl/> -in <Xml/> -out <Html/>"},
    {BaseApplication::XSLTProc, L"xsltproc", L"-novalid -o <Html/> <Xsl/> <Xml/>"},
};

}  // namespace

const ReportEngine* FindReportEngine(int engine) {
  for (const ReportEngine& known : kEngines)
    if (known.engine == engine) return &known;
  return nullptr;
}

EngineCommand MakeEngineCommand(const ReportEngine& engine, const wpath& xml, const wpath& xsl,
                                const wpath& html) {
  const struct {
    const wchar_t* tag;
    const wpath& path;
  } paths[] = {{L"<Xml/>", xml}, {L"<Xsl/>", xsl}, {L"<Html/>", html}};
  EngineCommand command;
  std::wistringstream words(engine.arguments);
  for (std::wstring word; words >> word;) {
    std::wstring argument = word, written = word;
    for (const auto& path : paths) {
      if (word != path.tag) continue;
      argument = path_to_wstring(path.path);
      written = QuoteCommandLineArgument(argument);
    }
    command.arguments.push_back(argument);
    command.text += (command.text.empty() ? L"" : L" ") + written;
  }
  return command;
}

wpath RunReportEngine(const ReportEngine& engine, const wpath& folder, const wpath& xml,
                      const wpath& xsl, const wpath& html, StartedProgram& started) {
  const std::wstring program = ExecutableFileName(engine.stem);
  const wpath exe = folder / wstring_to_path(program);
  if (!boost::filesystem::exists(exe))
    throw BaseApplication::ReportGenerationError(path_to_wstring(exe));
  const EngineCommand command = MakeEngineCommand(engine, xml, xsl, html);
  BroadcastInformationMessage(LibraryText(1505, {{L"<Directory/>", path_to_wstring(folder)},
                                                 {L"<Exe/>", program},
                                                 {L"<Params/>", command.text}}),
                              true);
  // Started as a program, never handed to a viewer.
  const long code = StartProgram(exe, command.arguments, command.text, folder, 0, started);
  if (code <= 32) throw BaseApplication::ReportEngineError(code);
  return html;
}

}  // namespace detail
}  // namespace Orvanta
