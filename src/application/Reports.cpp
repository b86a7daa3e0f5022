// BaseApplication: HTML reports through the XSLT engines.
#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem/detail/utf8_codecvt_facet.hpp>
#include <boost/filesystem/operations.hpp>
#include <locale>
#include <vector>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/ShellOpen.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

// An engine's arguments, and the parameter text that splits back into them,
// every path in double quotes.
class EngineCommand {
 public:
  EngineCommand& Flag(const std::wstring& flag) { return Add(flag, flag); }
  EngineCommand& Path(const wpath& path) {
    return Add(path.wstring(), QuoteCommandLineArgument(path.wstring()));
  }
  const std::vector<std::wstring>& Arguments() const { return arguments_; }
  const std::wstring& Text() const { return text_; }

 private:
  EngineCommand& Add(const std::wstring& argument, const std::wstring& written) {
    arguments_.push_back(argument);
    text_ += (text_.empty() ? L"" : L" ") + written;
    return *this;
  }

  std::vector<std::wstring> arguments_;
  std::wstring text_;
};

std::wstring ForwardSlashes(const wpath& path) {
  return boost::algorithm::replace_all_copy(path.wstring(), L"\\", L"/");
}

// Windows engines end in ".exe"; elsewhere they have no extension.
std::wstring EngineName(const std::wstring& stem) {
  const bool windows = wpath::preferred_separator == L'\\';
  return windows ? stem + L".exe" : stem;
}

// Starts EnginePath() / `engine` as a program (never handed to a viewer)
// without waiting for it, and returns `html`.
wpath RunEngine(const std::wstring& engine, const EngineCommand& command, const wpath& html) {
  const wpath folder = BaseApplication::EnginePath();
  const wpath exe = folder / engine;
  if (!fs::exists(exe)) throw BaseApplication::ReportGenerationError(exe.wstring());
  std::wstring text = OrvantaDLL::Instance()->LoadStringW(1505);
  ReplaceTag(text, L"<Directory/>", folder.wstring());
  ReplaceTag(text, L"<Exe/>", engine);
  ReplaceTag(text, L"<Params/>", command.Text());
  BroadcastInformationMessage(text, true);
  const long code = detail::StartProgram(exe, command.Arguments(), command.Text(), folder, 0);
  if (code <= 32) throw BaseApplication::ReportEngineError(code);
  return html;
}

}  // namespace

wpath BaseApplication::GenerateHTMLReport(const wpath& xml) const {
  return GenerateHTMLReport(xml, ReportTransform(xml));
}

wpath BaseApplication::GenerateHTMLReport(const wpath& xml, const wpath& xsl) const {
  if (!fs::exists(xml)) throw ReportGenerationError(xml.wstring());
  if (!fs::exists(xsl)) throw ReportGenerationError(xsl.wstring());
  BroadcastCompositeMessage(OrvantaDLL::Instance()->LoadStringW(2020), true);
  const wpath html = CommonAppDataPath() / L"Report.html";
  if (fs::exists(html)) fs::remove(html);
  switch (XSLTEngine()) {
    case MSXML:
      return CallMSXMLEngine(xml, xsl, html);
    case AltovaXML:
      return CallAltovaEngine(xml, xsl, html);
    case XSLTProc:
      return CallLibXSLTEngine(xml, xsl, html);
    default:
      return wpath();
  }
}

wpath BaseApplication::CallMSXMLEngine(const wpath& xml, const wpath& xsl,
                                       const wpath& html) const {
  wofstream page;
  page.imbue(std::locale(std::locale::classic(), new fs::detail::utf8_codecvt_facet));
  page.open(html, std::ios::out | std::ios::binary | std::ios::trunc);
  if (!page) throw ReportGenerationError(html.wstring());
  const std::wstring domDocument = L"Msxml2.DOMDocument.6.0";
  const std::wstring lines[] = {
      L"<html>",
      L"\t<head>",
      L"\t\t" + OrvantaDLL::Instance()->LoadStringW(2017),
      L"\t\t<link rel=\"stylesheet\" href=\"Stylesheets\\" + ReportStyleSheet() + L"\"/>",
      L"\t\t<title>" + ReportTitle() + L"</title>",
      L"\t\t<script language=\"javascript\">",
      L"\t\t\tfunction init() {",
      L"\t\t\t\tvar xml = new ActiveXObject(\"" + domDocument + L"\");",
      L"\t\t\t\txml.async = false;",
      L"\t\t\t\txml.load(\"" + ForwardSlashes(xml) + L"\");",
      L"\t\t\t\tvar xslt = new ActiveXObject(\"" + domDocument + L"\");",
      L"\t\t\t\txslt.async = false;",
      L"\t\t\t\txslt.load(\"" + ForwardSlashes(xsl) + L"\");",
      L"\t\t\t\thtml.innerHTML = xml.transformNode(xslt);",
      L"\t\t\t}",
      L"\t\t</script>",
      L"\t</head>",
      L"\t<body onload=\"init()\">",
      L"\t\t<div id = \"html\"/>",
      L"\t</body>",
      L"</html>",
  };
  bool first = true;
  for (const std::wstring& line : lines) {
    if (!first) page << L'\n';
    page << line;
    first = false;
  }
  page.close();
  if (!page) throw ReportGenerationError(html.wstring());
  return html;
}

wpath BaseApplication::CallAltovaEngine(const wpath& xml, const wpath& xsl,
                                        const wpath& html) const {
  return RunEngine(
      EngineName(L"AltovaXML"),
      EngineCommand().Flag(L"-xslt1").Path(xsl).Flag(L"-in").Path(xml).Flag(L"-out").Path(html),
      html);
}

wpath BaseApplication::CallLibXSLTEngine(const wpath& xml, const wpath& xsl,
                                         const wpath& html) const {
  return RunEngine(EngineName(L"xsltproc"),
                   EngineCommand().Flag(L"-novalid").Flag(L"-o").Path(html).Path(xsl).Path(xml),
                   html);
}

}  // namespace Orvanta
