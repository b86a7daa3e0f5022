// BaseApplication: HTML reports through the XSLT engines.
#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem/operations.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

std::wstring Quoted(const wpath& path) { return L"\"" + path_to_wstring(path) + L"\""; }

std::wstring ForwardSlashes(const wpath& path) {
  return boost::algorithm::replace_all_copy(path_to_wstring(path), L"\\", L"/");
}

// Windows engines end in ".exe"; elsewhere they have no extension.
std::wstring EngineName(const std::wstring& stem) {
  const bool windows = wpath::preferred_separator == L'\\';
  return windows ? stem + L".exe" : stem;
}

}  // namespace

wpath BaseApplication::GenerateHTMLReport(const wpath& xml) const {
  return GenerateHTMLReport(xml, ReportTransform(xml));
}

wpath BaseApplication::GenerateHTMLReport(const wpath& xml, const wpath& xsl) const {
  if (!fs::exists(xml)) throw ReportGenerationError(path_to_wstring(xml));
  if (!fs::exists(xsl)) throw ReportGenerationError(path_to_wstring(xsl));
  BroadcastCompositeMessage(OrvantaDLL::Instance()->LoadStringW(2020), true);
  const wpath html = CommonAppDataPath() / "Report.html";
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
  std::wstring text;
  for (const std::wstring& line : lines) text += (text.empty() ? L"" : L"\n") + line;
  // Through the careful writer: a page that cannot be written (a full disk,
  // a folder or a FIFO in its place) is reported and leaves nothing behind.
  try {
    SafeFileWriter page(html);
    page.Stream() << wstring_to_string(text);
    page.Commit();
  } catch (const std::exception&) {
    throw ReportGenerationError(path_to_wstring(html));
  }
  return html;
}

wpath BaseApplication::CallAltovaEngine(const wpath& xml, const wpath& xsl,
                                        const wpath& html) const {
  return RunEngine(EngineName(L"AltovaXML"),
                   L"-xslt1 " + Quoted(xsl) + L" -in " + Quoted(xml) + L" -out " + Quoted(html),
                   html);
}

wpath BaseApplication::CallLibXSLTEngine(const wpath& xml, const wpath& xsl,
                                         const wpath& html) const {
  return RunEngine(EngineName(L"xsltproc"),
                   L"-novalid -o " + Quoted(html) + L" " + Quoted(xsl) + L" " + Quoted(xml), html);
}

wpath BaseApplication::RunEngine(const std::wstring& engine, const std::wstring& parameters,
                                 const wpath& html) const {
  const wpath folder = EnginePath();
  const wpath exe = folder / wstring_to_path(engine);
  if (!fs::exists(exe)) throw ReportGenerationError(path_to_wstring(exe));
  std::wstring text = OrvantaDLL::Instance()->LoadStringW(1505);
  ReplaceTag(text, L"<Directory/>", path_to_wstring(folder));
  ReplaceTag(text, L"<Exe/>", engine);
  ReplaceTag(text, L"<Params/>", parameters);
  BroadcastInformationMessage(text, true);
  const long code = StartProgram(exe, parameters, folder, 0, reportEngine_);
  if (code <= 32) throw ReportEngineError(code);
  return html;
}

int BaseApplication::WaitForReportEngine() const { return reportEngine_.Wait(); }

}  // namespace Orvanta
