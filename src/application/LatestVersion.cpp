// The latest-version check: LatestVersion, and the application's broadcast of
// its outcome.
#include "orvanta/application/LatestVersion.hpp"

#include <curl/curl.h>

#include "LatestVersionBody.hpp"
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

LatestVersion::LatestVersion(const std::string& url) : url_(url), productVersion_(0) {
  const int code = ReadData();
  if (code != 0) BroadcastErrorMessage(DownloadErrorText(code), true);
}

int LatestVersion::ReadData() {
  productVersion_ = 0;  // until this download gives a readable version
  std::string body;
  CURLcode result = CURLE_FAILED_INIT;
  curl_global_init(CURL_GLOBAL_ALL);
  if (CURL* curl = curl_easy_init()) {
    curl_easy_setopt(curl, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Append);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
  }
  curl_global_cleanup();
  if (result != CURLE_OK) return static_cast<int>(result);
  productVersion_ = detail::LatestVersionInBody(body);
  return 0;
}

std::wstring LatestVersion::ProductVersionAsText() const {
  return std::to_wstring(productVersion_ >> 8) + L"." +
         std::to_wstring((productVersion_ >> 4) & 0xFu) + L"." +
         std::to_wstring(productVersion_ & 0xFu);
}

std::wstring LatestVersion::DownloadErrorText(int code) const {
  const std::wstring reason =
      code >= 1 && code <= 7
          ? LibraryText(2158u + static_cast<unsigned int>(code))
          : string_to_wstring(curl_easy_strerror(static_cast<CURLcode>(code)));
  return LibraryText(2158, {{L"<Number/>", std::to_wstring(code)},
                            {L"<Reason/>", reason},
                            {L"<URL/>", string_to_wstring(url_)}});
}

void BaseApplication::BroadcastLatestVersion() const {
  const LatestVersion latest(path_to_string(LatestVersionPath()));
  BroadcastInformationMessage(
      LibraryText(1547, {{L"<Version/>", latest.ProductVersionAsText()}}), false);
}

}  // namespace Orvanta
