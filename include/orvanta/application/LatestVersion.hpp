// LatestVersion: which release of the program is the latest, read from the
// maker's latest-version file over HTTP.
//
//   Orvanta::LatestVersion latest("http://www.orvanta.example/Sections/latest_version.xml");
//   latest.ProductVersionAsText();   // "5.2.3" for <product_version>1315</product_version>
//
// The download runs on the caller's thread, with libcurl's defaults (no
// redirects, no time limit) unless given LatestVersionOptions. A failed
// download is broadcast as an error message by the constructor; for libcurl's
// defaults a 404 page is a completed download, which gives version 0 and no
// error message.
//
// The server is not trusted. Only the text between the first
// <product_version> and the next </product_version> is read, as a plain
// decimal number (blanks around it allowed; no sign, nothing else). After a
// failed download, or when that text is missing or is anything else (a number
// that does not fit an unsigned int included), the version is 0, shown as
// "0.0.0". A body larger than 1 MiB (the file is a small XML text) stops the
// download with libcurl's write error, 23, reported as any other download
// error; nothing is thrown through libcurl.
//
// Limits are opt-in, through LatestVersionOptions:
//
//   Orvanta::LatestVersionOptions limits;
//   limits.connectTimeout = std::chrono::seconds(5);
//   limits.totalTimeout = std::chrono::seconds(20);
//   Orvanta::LatestVersion latest(url, limits);   // gives up after 20 s at most
//
// LatestVersionCheck (LatestVersionCheck.hpp) reads the file without waiting.
#pragma once

#include <chrono>
#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

// Limits of a latest-version download, every one off by default (libcurl's
// defaults then apply: 300 s to connect, no limit on the whole). A limit that
// is reached ends the download with libcurl's time-out, result code 28
// (CURLE_OPERATION_TIMEDOUT), reported through text 2158 as any download
// error; the version is then 0. Zero or a negative value: no such limit.
struct LatestVersionOptions {
  // Time to connect to the server, name lookup included.
  std::chrono::milliseconds connectTimeout{0};
  // Time for the whole download.
  std::chrono::milliseconds totalTimeout{0};
  // Give up when fewer than lowSpeedLimit bytes a second arrive for
  // lowSpeedTime (a server that trickles); both must be set.
  long lowSpeedLimit = 0;
  std::chrono::seconds lowSpeedTime{0};
  // Redirections followed, to http and https addresses only; 0: none (a
  // redirection is then the download of the redirecting page).
  long maxRedirects = 0;
};

class ORVANTA_API LatestVersion {
 public:
  // Reads `url` at once (ReadData) and broadcasts any download error.
  explicit LatestVersion(const std::string& url);
  // The same, within `options`' limits (they stay for later ReadData calls).
  LatestVersion(const std::string& url, const LatestVersionOptions& options);

  // Downloads and parses the file; returns libcurl's result code, 0 on success.
  int ReadData();

  std::string URL() const { return url_; }
  std::string ProductName() const { return product_name_; }
  // Major in the bits from 8 up, minor in bits 4 to 7, release in bits 0 to 3.
  unsigned int ProductVersion() const { return product_version_; }
  // "major.minor.release".
  std::wstring ProductVersionAsText() const;

  // The text of the download error `code`: text 2158 with its number, reason
  // (texts 2159 to 2165 for codes 1 to 7, libcurl's own text above) and address.
  std::wstring DownloadErrorText(int code) const;

 private:
  std::string url_;
  std::string product_name_;
  unsigned int product_version_;
  LatestVersionOptions options_;
};

}  // namespace Orvanta
