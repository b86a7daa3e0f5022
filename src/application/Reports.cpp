// BaseApplication: HTML reports, through the MSXML page it writes or an
// external engine (ReportEngines.hpp).
#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem/operations.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/application/internal/ReportEngines.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/internal/Utf16.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

std::wstring ForwardSlashes(const wpath& path) {
  return boost::algorithm::replace_all_copy(path_to_wstring(path), L"\\", L"/");
}

// The script page is ISO-8859-1, as its meta line declares: characters beyond
// Latin-1 are written as references (in its text) or escapes (in its script).

// The code point at text[i] (a surrogate pair taken whole); i moves past it.
// A lone surrogate, or anything beyond Unicode, is U+FFFD.
char32_t NextCodePoint(const std::wstring& text, std::size_t& i) {
  const char32_t c = utf16::NextWide(text, i);
  return utf16::IsHighSurrogate(c) || utf16::IsLowSurrogate(c) || c > 0x10FFFF ? 0xFFFD : c;
}

// Text or an attribute value of the page: characters beyond Latin-1 as
// numeric character references.
std::wstring PageText(const std::wstring& text) {
  std::wstring written;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c <= 0xFF)
      written += static_cast<wchar_t>(c);
    else
      written += L"&#" + std::to_wstring(static_cast<unsigned long>(c)) + L";";
  }
  return written;
}

// A script string literal's content: UTF-16 units beyond Latin-1, and the
// characters that would end the literal or the script, as \uXXXX escapes.
std::wstring ScriptText(const std::wstring& text) {
  std::wstring written;
  const auto escape = [&written](char32_t unit) {
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    written += L"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) written += kHex[(unit >> shift) & 0xF];
  };
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c > 0xFFFF) {
      char32_t units[2];
      utf16::Encode(c, units);
      escape(units[0]);
      escape(units[1]);
    } else if (c > 0xFF || c < 0x20 || c == U'"' || c == U'\\' || c == U'<') {
      escape(c);
    } else {
      written += static_cast<wchar_t>(c);
    }
  }
  return written;
}

// The page's bytes: by now every character is within Latin-1.
std::string Latin1(const std::wstring& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const wchar_t c : text)
    bytes += static_cast<char>(static_cast<unsigned char>(c <= 0xFF ? c : L'?'));
  return bytes;
}

}  // namespace

wpath BaseApplication::GenerateHTMLReport(const wpath& xml) const {
  return GenerateHTMLReport(xml, ReportTransform(xml));
}

wpath BaseApplication::GenerateHTMLReport(const wpath& xml, const wpath& xsl) const {
  if (!fs::exists(xml)) throw ReportGenerationError(path_to_wstring(xml));
  if (!fs::exists(xsl)) throw ReportGenerationError(path_to_wstring(xsl));
  BroadcastCompositeMessage(LibraryText(2020), true);
  const wpath html = CommonAppDataPath() / "Report.html";
  if (fs::exists(html)) fs::remove(html);
  if (XSLTEngine() == MSXML) return CallMSXMLEngine(xml, xsl, html);
  const detail::ReportEngine* engine = detail::FindReportEngine(XSLTEngine());
  return engine ? detail::RunReportEngine(*engine, EnginePath(), xml, xsl, html, report_engine_)
                : wpath();
}

wpath BaseApplication::CallMSXMLEngine(const wpath& xml, const wpath& xsl,
                                       const wpath& html) const {
  const std::wstring domDocument = L"Msxml2.DOMDocument.6.0";
  const std::wstring lines[] = {
      L"<html>",
      L"\t<head>",
      L"\t\t" + LibraryText(2017),
      L"\t\t<link rel=\"stylesheet\" href=\"Stylesheets\\" + PageText(ReportStyleSheet()) + L"\"/>",
      L"\t\t<title>" + PageText(ReportTitle()) + L"</title>",
      L"\t\t<script language=\"javascript\">",
      L"\t\t\tfunction init() {",
      L"\t\t\t\tvar xml = new ActiveXObject(\"" + domDocument + L"\");",
      L"\t\t\t\txml.async = false;",
      L"\t\t\t\txml.load(\"" + ScriptText(ForwardSlashes(xml)) + L"\");",
      L"\t\t\t\tvar xslt = new ActiveXObject(\"" + domDocument + L"\");",
      L"\t\t\t\txslt.async = false;",
      L"\t\t\t\txslt.load(\"" + ScriptText(ForwardSlashes(xsl)) + L"\");",
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
    page.Stream() << Latin1(text);
    page.Commit();
  } catch (const std::exception&) {
    throw ReportGenerationError(path_to_wstring(html));
  }
  return html;
}

wpath BaseApplication::CallAltovaEngine(const wpath& xml, const wpath& xsl,
                                        const wpath& html) const {
  return detail::RunReportEngine(*detail::FindReportEngine(AltovaXML), EnginePath(), xml, xsl, html,
                                 report_engine_);
}

wpath BaseApplication::CallLibXSLTEngine(const wpath& xml, const wpath& xsl,
                                         const wpath& html) const {
  return detail::RunReportEngine(*detail::FindReportEngine(XSLTProc), EnginePath(), xml, xsl, html,
                                 report_engine_);
}

int BaseApplication::WaitForReportEngine() const { return report_engine_.Wait(); }

}  // namespace Orvanta
