// BaseApplication: HTML reports through the XSLT engines.
#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem/operations.hpp>
#include <vector>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

// An engine's arguments, and the parameter text that splits back into them,
// every path in double quotes.
class EngineCommand {
 public:
  EngineCommand& Flag(const std::wstring& flag) { return Add(flag, flag); }
  EngineCommand& Path(const wpath& path) {
    const std::wstring text = path_to_wstring(path);
    return Add(text, QuoteCommandLineArgument(text));
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
  return boost::algorithm::replace_all_copy(path_to_wstring(path), L"\\", L"/");
}

// The script page is ISO-8859-1, as its meta line declares: characters beyond
// Latin-1 are written as references (in its text) or escapes (in its script).

// The code point at text[i], a surrogate pair taken whole where wchar_t is
// UTF-16; i moves past it. A lone surrogate is U+FFFD.
char32_t NextCodePoint(const std::wstring& text, std::size_t& i) {
  char32_t c = static_cast<char32_t>(text[i++]);
  if constexpr (sizeof(wchar_t) == 2) {
    c &= 0xFFFF;
    if (c >= 0xD800 && c <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
      return 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i++]) - 0xDC00);
  }
  return (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ? 0xFFFD : c;
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
      escape(0xD800 + ((c - 0x10000) >> 10));
      escape(0xDC00 + ((c - 0x10000) & 0x3FF));
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

// Starts EnginePath() / `engine` as a program (never handed to a viewer)
// without waiting for it, into `started`, and returns `html`.
wpath RunEngine(const std::wstring& engine, const EngineCommand& command, const wpath& html,
                StartedProgram& started) {
  const wpath folder = BaseApplication::EnginePath();
  const wpath exe = folder / wstring_to_path(engine);
  if (!fs::exists(exe)) throw BaseApplication::ReportGenerationError(path_to_wstring(exe));
  std::wstring text = OrvantaDLL::Instance()->LoadStringW(1505);
  ReplaceTag(text, L"<Directory/>", path_to_wstring(folder));
  ReplaceTag(text, L"<Exe/>", engine);
  ReplaceTag(text, L"<Params/>", command.Text());
  BroadcastInformationMessage(text, true);
  const long code =
      detail::StartProgram(exe, command.Arguments(), command.Text(), folder, 0, started);
  if (code <= 32) throw BaseApplication::ReportEngineError(code);
  return html;
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
  return RunEngine(
      ExecutableFileName(L"AltovaXML"),
      EngineCommand().Flag(L"-xslt1").Path(xsl).Flag(L"-in").Path(xml).Flag(L"-out").Path(html),
      html, reportEngine_);
}

wpath BaseApplication::CallLibXSLTEngine(const wpath& xml, const wpath& xsl,
                                         const wpath& html) const {
  return RunEngine(ExecutableFileName(L"xsltproc"),
                   EngineCommand().Flag(L"-novalid").Flag(L"-o").Path(html).Path(xsl).Path(xml),
                   html, reportEngine_);
}

int BaseApplication::WaitForReportEngine() const { return reportEngine_.Wait(); }

}  // namespace Orvanta
