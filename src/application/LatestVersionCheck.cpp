// LatestVersionCheck: the latest-version download through libcurl's multi
// interface, driven by the host's calls to Poll().
#include "orvanta/application/LatestVersionCheck.hpp"

#include <curl/curl.h>

#include <cctype>
#include <utility>

#include "LatestVersionBody.hpp"
#include "LatestVersionDownload.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  std::size_t i = 0;
  for (; prefix[i] != '\0'; ++i) {
    if (i >= text.size() ||
        std::tolower(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(prefix[i]))
      return false;
  }
  return true;
}

bool IsWebAddress(const std::string& url) {
  return StartsWithNoCase(url, "http://") || StartsWithNoCase(url, "https://");
}

}  // namespace

// libcurl's handles for one download, and the body it writes. Everything is
// released (and libcurl's global state let go of) when it is destroyed.
struct LatestVersionCheck::Transfer {
  Transfer() {
    curl_global_init(CURL_GLOBAL_ALL);
    multi = curl_multi_init();
    easy = curl_easy_init();
  }
  ~Transfer() {
    if (multi != nullptr && added) curl_multi_remove_handle(multi, easy);
    if (easy != nullptr) curl_easy_cleanup(easy);
    if (multi != nullptr) curl_multi_cleanup(multi);
    curl_global_cleanup();
  }
  Transfer(const Transfer&) = delete;
  Transfer& operator=(const Transfer&) = delete;

  CURLM* multi = nullptr;
  CURL* easy = nullptr;
  bool added = false;
  std::string body;
};

LatestVersionCheck::LatestVersionCheck() = default;

LatestVersionCheck::~LatestVersionCheck() = default;

void LatestVersionCheck::Start(const std::string& url, const LatestVersionOptions& options) {
  if (!IsWebAddress(url)) throw Error(LibraryText(3100, {{L"<URL/>", string_to_wstring(url)}}));
  std::unique_ptr<Transfer> transfer(new Transfer);
  if (transfer->multi != nullptr && transfer->easy != nullptr) {
    detail::SetUpDownload(transfer->easy, url, transfer->body, &options, true);
#if LIBCURL_VERSION_NUM >= 0x075700  // 7.87.0
    // Cancelling never waits for a name lookup still running on libcurl's
    // resolver thread; the thread ends on its own.
    curl_easy_setopt(transfer->easy, CURLOPT_QUICK_EXIT, 1L);
#endif
    transfer->added = curl_multi_add_handle(transfer->multi, transfer->easy) == CURLM_OK;
  }
  // A transfer that could not be set up ends on the next Poll(), with its broadcasts.
  if (!transfer->added) transfer.reset();
  transfer_ = std::move(transfer);  // a check still running is cancelled here
  url_ = url;
  state_ = State::Running;
  result_ = 0;
  product_version_ = 0;
}

bool LatestVersionCheck::Poll() {
  if (state_ != State::Running) return false;
  int result = CURLE_FAILED_INIT;
  bool ended = transfer_ == nullptr;
  if (!ended) {
    int running = 0;
    const CURLMcode progress = curl_multi_perform(transfer_->multi, &running);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(transfer_->multi, &queued)) {
      if (message->msg == CURLMSG_DONE) {
        result = static_cast<int>(message->data.result);
        ended = true;
      }
    }
    if (!ended && progress != CURLM_OK) {
      result = progress == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_FAILED_INIT;
      ended = true;
    }
  }
  if (!ended) return true;

  std::string body;
  if (transfer_) body = std::move(transfer_->body);
  transfer_.reset();
  state_ = State::Finished;
  result_ = result;
  product_version_ = result == CURLE_OK ? detail::LatestVersionInBody(body) : 0;

  // A listener may destroy or restart this check: the broadcasts use copies.
  const std::wstring error = ErrorText();
  const std::wstring latest = LibraryText(1547, {{L"<Version/>", ProductVersionAsText()}});
  if (!error.empty()) BroadcastErrorMessage(error, true);
  BroadcastInformationMessage(latest, false);
  return false;
}

void LatestVersionCheck::Cancel() {
  if (state_ != State::Running) return;
  transfer_.reset();
  state_ = State::Cancelled;
}

std::wstring LatestVersionCheck::ProductVersionAsText() const {
  return detail::VersionText(product_version_);
}

std::wstring LatestVersionCheck::ErrorText() const {
  return state_ == State::Finished && result_ != CURLE_OK ? detail::DownloadErrorText(result_, url_)
                                                          : std::wstring();
}

}  // namespace Orvanta
