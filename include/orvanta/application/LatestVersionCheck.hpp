// LatestVersionCheck: the latest-version check without waiting for the
// network. It starts no thread and no timer: the host starts it, then calls
// Poll() from its own idle handler or timer until Poll() returns false. Each
// Poll() does what libcurl can do at that moment without waiting (connect,
// send, take what has arrived) and returns at once.
//
//   Orvanta::LatestVersionOptions limits;
//   limits.connectTimeout = std::chrono::seconds(5);
//   limits.totalTimeout = std::chrono::seconds(15);
//   check.Start(Orvanta::path_to_string(app->LatestVersionPath()), limits);
//   ...
//   void MainWindow::OnIdle() { if (check.IsRunning()) check.Poll(); }
//
// The Poll() that sees the download end makes the outcome available
// (ResultCode(), ProductVersion(), ErrorText()) and then broadcasts, on the
// caller's thread, what BaseApplication::BroadcastLatestVersion does: a failed
// download's error message (text 2158, flag true), then "The latest release
// of this program is version <Version/>" (text 1547, flag false). A listener
// of those broadcasts may destroy or restart the check.
//
// Only http and https addresses are read: Start() refuses any other (file:,
// ftp:, an address without a scheme) by throwing Error with text 3100 "The
// latest-version check reads only http and https addresses, not '<URL/>'",
// and libcurl is told to allow those two protocols only, so that no
// redirection (LatestVersionOptions::maxRedirects) leads elsewhere either.
// A limit of the options that is reached ends the check with libcurl's
// time-out, code 28, reported through text 2158; the version is then 0. As
// for LatestVersion, the body is kept up to 1 MiB, and a missing or
// unreadable <product_version> gives version 0.
//
// Host names: a libcurl built with its threaded resolver (Debian's, and the
// Windows build) looks a name up on a helper thread of its own, where no code
// of the library or the host runs; Cancel() does not wait for it. A libcurl
// without an asynchronous resolver looks the name up inside Poll(), which then
// waits for it (an address given by number is never looked up).
#pragma once

#include <memory>
#include <string>

#include "orvanta/application/LatestVersion.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API LatestVersionCheck {
 public:
  enum class State {
    Idle,       // never started
    Running,    // started, not yet ended: Poll() goes on with it
    Finished,   // the download ended, in success or failure; the outcome is there
    Cancelled,  // Cancel() stopped it; no outcome, nothing was broadcast
  };

  LatestVersionCheck();
  // Cancels a running check.
  ~LatestVersionCheck();
  LatestVersionCheck(const LatestVersionCheck&) = delete;
  LatestVersionCheck& operator=(const LatestVersionCheck&) = delete;

  // Starts reading `url` within `options`' limits, cancelling a check still
  // running. Throws Error (text 3100) for an address that is not http:// or
  // https:// (the scheme in any case), before anything changes. Does no
  // network work itself: the first Poll() starts it. When libcurl cannot be
  // set up, the check ends on the next Poll() with code 2 (text 2160).
  void Start(const std::string& url, const LatestVersionOptions& options = LatestVersionOptions());
  // Goes on with a running check without waiting; true while it still runs,
  // false once it has ended (the broadcasts then happened in this call) and
  // whenever no check runs.
  bool Poll();
  // Stops a running check at once: nothing more is read or broadcast, and the
  // state is Cancelled. Does nothing when no check runs.
  void Cancel();

  State GetState() const { return state_; }
  bool IsRunning() const { return state_ == State::Running; }
  const std::string& URL() const { return url_; }
  // The outcome, once Finished (0 and empty before): libcurl's result code, 0
  // on success; the packed version (0 after a failure); its text "5.2.3";
  // the text 2158 of a failure, empty after a success.
  int ResultCode() const { return result_; }
  unsigned int ProductVersion() const { return product_version_; }
  std::wstring ProductVersionAsText() const;
  std::wstring ErrorText() const;

 private:
  struct Transfer;
  std::unique_ptr<Transfer> transfer_;
  std::string url_;
  State state_ = State::Idle;
  int result_ = 0;
  unsigned int product_version_ = 0;
};

}  // namespace Orvanta
