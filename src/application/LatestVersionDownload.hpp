// What the blocking and the non-blocking latest-version checks share: how a
// libcurl handle is set up for the download, the body it is written into,
// and the texts of the outcome. Internal to the application layer.
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <string>

#include "orvanta/application/LatestVersion.hpp"

namespace Orvanta {
namespace detail {

// Sets `curl` up to download `url` into `body`: the write callback (which
// never throws, and stops the download with libcurl's write error, 23, at a
// body larger than 1 MiB), and whatever `options` asks for (nothing with a
// null `options`). `webOnly` allows the http and https protocols only, for
// the address and for any redirection.
void SetUpDownload(CURL* curl, const std::string& url, std::string& body,
                   const LatestVersionOptions* options, bool webOnly);

// "major.minor.release" of a packed version number.
std::wstring VersionText(unsigned int version);

// Text 2158 for the download error `code` of `url`: the reason is text 2158 +
// code for codes 1 to 7, libcurl's own text otherwise.
std::wstring DownloadErrorText(int code, const std::string& url);

}  // namespace detail
}  // namespace Orvanta
