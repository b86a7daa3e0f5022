// The latest-version check: LatestVersion, and the application's broadcast of
// its outcome.
#include "orvanta/application/LatestVersion.hpp"

#include <curl/curl.h>

#include <chrono>

#include "LatestVersionBody.hpp"
#include "LatestVersionDownload.hpp"
#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/internal/DecimalNumbers.hpp"

namespace Orvanta {
namespace {

// The file is a small XML text; a body larger than this is not it.
constexpr std::size_t kLargestBody = 1024 * 1024;

// libcurl's write callback. It is called from C and must never throw: a body
// beyond the limit (or memory running out) is refused with a short count,
// which makes libcurl stop with CURLE_WRITE_ERROR.
std::size_t Append(char* data, std::size_t size, std::size_t count, void* buffer) noexcept {
  std::string& body = *static_cast<std::string*>(buffer);
  if (count != 0 && size > (kLargestBody - body.size()) / count) return 0;
  try {
    body.append(data, size * count);
  } catch (...) {
    return 0;
  }
  return size * count;
}

// Only http and https: for the address itself when `address`, and for where
// redirections may lead.
void AllowWebProtocolsOnly(CURL* curl, bool address) {
#if LIBCURL_VERSION_NUM >= 0x075500  // 7.85.0 names protocols, and deprecates the bit masks
  if (address) curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
  const long web = CURLPROTO_HTTP | CURLPROTO_HTTPS;
  if (address) curl_easy_setopt(curl, CURLOPT_PROTOCOLS, web);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS, web);
#endif
}

long Milliseconds(std::chrono::milliseconds time) { return static_cast<long>(time.count()); }

}  // namespace

unsigned int detail::LatestVersionInBody(const std::string& body) {
  const std::string open = "<product_version>", close = "</product_version>";
  const std::size_t start = body.find(open);
  const std::size_t end =
      start == std::string::npos ? std::string::npos : body.find(close, start + open.size());
  unsigned int version = 0;
  if (end != std::string::npos &&
      decimal::ParseUnsigned(body.substr(start + open.size(), end - start - open.size()), version))
    return version;
  return 0;
}

void detail::SetUpDownload(CURL* curl, const std::string& url, std::string& body,
                           const LatestVersionOptions* options, bool webOnly) {
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  if (webOnly) AllowWebProtocolsOnly(curl, true);
  if (options == nullptr) return;
  const bool connectLimit = options->connectTimeout.count() > 0;
  const bool totalLimit = options->totalTimeout.count() > 0;
  const bool speedLimit = options->lowSpeedLimit > 0 && options->lowSpeedTime.count() > 0;
  // A time limit must never be kept by a signal (SIGALRM) in the host program.
  if (connectLimit || totalLimit || speedLimit) curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  if (connectLimit)
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, Milliseconds(options->connectTimeout));
  if (totalLimit) curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, Milliseconds(options->totalTimeout));
  if (speedLimit) {
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, options->lowSpeedLimit);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(options->lowSpeedTime.count()));
  }
  if (options->maxRedirects > 0) {
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, options->maxRedirects);
    AllowWebProtocolsOnly(curl, false);
  }
}

std::wstring detail::VersionText(unsigned int version) {
  return std::to_wstring(version >> 8) + L"." + std::to_wstring((version >> 4) & 0xFu) + L"." +
         std::to_wstring(version & 0xFu);
}

std::wstring detail::DownloadErrorText(int code, const std::string& url) {
  const std::wstring reason =
      code >= 1 && code <= 7 ? LibraryText(2158u + static_cast<unsigned int>(code))
                             : string_to_wstring(curl_easy_strerror(static_cast<CURLcode>(code)));
  return LibraryText(2158, {{L"<Number/>", std::to_wstring(code)},
                            {L"<Reason/>", reason},
                            {L"<URL/>", string_to_wstring(url)}});
}

LatestVersion::LatestVersion(const std::string& url) : url_(url), product_version_(0) {
  const int code = ReadData();
  if (code != 0) BroadcastErrorMessage(DownloadErrorText(code), true);
}

LatestVersion::LatestVersion(const std::string& url, const LatestVersionOptions& options)
    : url_(url), product_version_(0), options_(options) {
  const int code = ReadData();
  if (code != 0) BroadcastErrorMessage(DownloadErrorText(code), true);
}

int LatestVersion::ReadData() {
  product_version_ = 0;  // until this download gives a readable version
  std::string body;
  CURLcode result = CURLE_FAILED_INIT;
  curl_global_init(CURL_GLOBAL_ALL);
  if (CURL* curl = curl_easy_init()) {
    detail::SetUpDownload(curl, url_, body, &options_, false);
    result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
  }
  curl_global_cleanup();
  if (result != CURLE_OK) return static_cast<int>(result);
  product_version_ = detail::LatestVersionInBody(body);
  return 0;
}

std::wstring LatestVersion::ProductVersionAsText() const {
  return detail::VersionText(product_version_);
}

std::wstring LatestVersion::DownloadErrorText(int code) const {
  return detail::DownloadErrorText(code, url_);
}

void BaseApplication::BroadcastLatestVersion() const {
  const LatestVersion latest(path_to_string(LatestVersionPath()));
  BroadcastInformationMessage(LibraryText(1547, {{L"<Version/>", latest.ProductVersionAsText()}}),
                              false);
}

}  // namespace Orvanta
