// The latest-version check against a small HTTP server on 127.0.0.1 that the
// test runs itself.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "TestApplication.hpp"
#include "orvanta/application/LatestVersion.hpp"
#include "orvanta/application/LatestVersionCheck.hpp"

namespace Orvanta {
namespace {

// 127.0.0.1 at `port`; a TCP socket listening there on a free port, which it
// puts in `port`.
sockaddr_in Loopback(unsigned short port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}
int LoopbackSocket(unsigned short& port, int backlog = 8) {
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
  ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  ::listen(socket, backlog);
  return socket;
}

std::string Url(unsigned short port, const std::string& path = "/v.xml") {
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

// A port that listens and never accepts. A connection to it completes and
// its request is never answered; when `full`, its queue is full, and a
// connection is never completed (the system drops its SYNs).
class Listener {
 public:
  explicit Listener(bool full = false) : socket_(LoopbackSocket(port_, full ? 0 : 8)) {
    sockaddr_in address = Loopback(port_);
    for (int i = 0; full && i < 2; ++i) {
      fillers_.push_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
      ::connect(fillers_.back(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
  }
  ~Listener() {
    for (int filler : fillers_) ::close(filler);
    ::close(socket_);
  }
  std::string Url() const { return ::Orvanta::Url(port_); }

 private:
  unsigned short port_ = 0;
  int socket_;
  std::vector<int> fillers_;
};

// Serves fixed bodies by path, a 404 for anything else, until destroyed. A
// body that begins "HTTP/" is sent as the whole response.
class LocalHttpServer {
 public:
  explicit LocalHttpServer(std::map<std::string, std::string> files)
      : files_(std::move(files)), listener_(LoopbackSocket(port_)) {
    thread_ = std::thread([this] { Serve(); });
  }
  ~LocalHttpServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    thread_.join();
  }
  std::string Url(const std::string& path = "/v.xml") const { return ::Orvanta::Url(port_, path); }

 private:
  void Serve() {
    for (int client; !stopping_ && (client = ::accept(listener_, nullptr, nullptr)) >= 0;) {
      std::string request;
      char buffer[1024];
      for (ssize_t got = 1; got > 0 && request.find("\r\n\r\n") == std::string::npos;) {
        got = ::recv(client, buffer, sizeof buffer, 0);
        request.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
      }
      const std::size_t start = request.find(' ') + 1;
      const auto found = files_.find(request.substr(start, request.find(' ', start) - start));
      const std::string body = found == files_.end() ? "not found" : found->second;
      if (body.rfind("HTTP/", 0) == 0)
        Send(client, body);
      else
        Send(client, std::string("HTTP/1.0 ") +
                         (found == files_.end() ? "404 Not Found" : "200 OK") +
                         "\r\nContent-Length: " + std::to_string(body.size()) +
                         "\r\nConnection: close\r\n\r\n" + body);
      ::close(client);
    }
  }

  static bool Send(int client, const std::string& data) {
    for (std::size_t sent = 0; sent < data.size();) {
      const ssize_t now = ::send(client, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
      if (now <= 0) return false;  // the client went away
      sent += static_cast<std::size_t>(now);
    }
    return true;
  }

  std::map<std::string, std::string> files_;
  unsigned short port_ = 0;
  int listener_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

using testing::ApplicationTest;

TEST_F(ApplicationTest, LatestVersionOverHttp) {
  const std::string tag = "<product_version>1315</product_version>";
  const std::string largest = std::string(1024 * 1024 - tag.size(), ' ') + tag;
  auto server = std::make_unique<LocalHttpServer>(std::map<std::string, std::string>{
      {"/good.xml", "<latest>" + tag + "</latest>"},
      {"/sixteen.xml", "<product_version> 16 </product_version>"},
      {"/untagged.xml", "<latest>1315</latest>"},
      {"/hex.xml", "<product_version>0x523</product_version>"},
      {"/too-large.xml", "<product_version>99999999999999999999</product_version>"},
      {"/negative.xml", "<product_version>-1</product_version>"},
      {"/largest.xml", largest},  // bodies are kept up to 1 MiB
      {"/larger.xml", largest + " "},
      {"/huge.xml", tag + std::string(8 * 1024 * 1024, ' ')},
  });
  unsigned short port = 0;
  ::close(LoopbackSocket(port));  // a port that was just free: nothing listens there
  const std::string closed = Url(port);
  const std::string reading = "' while attempting to read data from '";
  const struct {
    std::string url;
    const wchar_t* version;
    std::string error;  // how the one message broadcast begins; empty: none
  } cases[] = {
      {server->Url("/good.xml"), L"5.2.3", ""},
      {server->Url("/sixteen.xml"), L"0.1.0", ""},
      {server->Url("/untagged.xml"), L"0.0.0", ""},
      {server->Url("/hex.xml"), L"0.0.0", ""},
      {server->Url("/too-large.xml"), L"0.0.0", ""},
      {server->Url("/negative.xml"), L"0.0.0", ""},
      {server->Url("/missing.xml"), L"0.0.0", ""},  // a 404 is a download, not an error
      {server->Url("/largest.xml"), L"5.2.3", ""},
      {server->Url("/larger.xml"), L"0.0.0", "Curl error 23: '"},
      {server->Url("/huge.xml"), L"0.0.0", "Curl error 23: '"},
      {closed, L"0.0.0", "Curl error 7: 'Couldn't connect" + reading + closed + "'"},
      {"gopherx://127.0.0.1/v.xml", L"0.0.0",
       "Curl error 1: 'Unsupported protocol" + reading + "gopherx://127.0.0.1/v.xml'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    journal.clear();
    const LatestVersion latest(c.url);
    EXPECT_EQ(c.version, latest.ProductVersionAsText());
    ASSERT_EQ(c.error.empty() ? 0u : 1u, journal.size());
    EXPECT_TRUE(c.error.empty() || journal[0].find(c.error) == 0) << journal[0];
  }

  // Reading again forgets the version read before when the server is gone.
  LatestVersion latest(server->Url("/good.xml"));
  ASSERT_EQ(1315u, latest.ProductVersion());
  server.reset();
  EXPECT_NE(0, latest.ReadData());
  EXPECT_EQ(0u, latest.ProductVersion());
  EXPECT_EQ(0u, latest.DownloadErrorText(28).find(L"Curl error 28: '"));
}

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration time) {
  return std::chrono::duration<double, std::milli>(time).count();
}

// Polls each check every 5 ms until all have ended (at most 10 s): how long
// each took, and the longest single Poll() of each. A check broadcasts
// nothing before its last Poll().
struct Polled {
  Clock::duration elapsed{}, longestPoll{};
};
std::vector<Polled> PollUntilEnded(const std::vector<LatestVersionCheck*>& checks,
                                   const std::vector<std::string>& journal) {
  std::vector<Polled> polled(checks.size());
  const Clock::time_point start = Clock::now();
  for (bool running = true; running;) {
    running = false;
    for (std::size_t i = 0; i < checks.size(); ++i) {
      if (!checks[i]->IsRunning()) continue;
      const std::size_t broadcasts = journal.size();
      const Clock::time_point before = Clock::now();
      const bool goesOn = checks[i]->Poll();
      const Clock::time_point after = Clock::now();
      polled[i].longestPoll = std::max(polled[i].longestPoll, after - before);
      polled[i].elapsed = after - start;
      if (goesOn) {
        EXPECT_EQ(broadcasts, journal.size());
      }
      running = running || goesOn;
    }
    if (Clock::now() - start > std::chrono::seconds(10)) {
      ADD_FAILURE() << "a check did not end";
      for (LatestVersionCheck* check : checks) check->Cancel();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return polled;
}

// A server that never answers, by either limit, and one that never lets a
// connection complete: every Poll() returns at once, and each check, run side
// by side, ends with libcurl's time-out when its limit is reached.
TEST_F(ApplicationTest, NonBlockingCheckGivesUpWithinItsLimits) {
  using std::chrono::milliseconds;
  Listener silent, full(true);
  LatestVersionOptions total, lowSpeed, connect;
  total.totalTimeout = milliseconds(1000);
  lowSpeed.lowSpeedLimit = 100;
  lowSpeed.lowSpeedTime = std::chrono::seconds(1);
  connect.connectTimeout = milliseconds(1000);
  const struct {
    const char* what;
    std::string url;
    LatestVersionOptions options;
  } cases[] = {
      {"silent server, time limit", silent.Url(), total},
      {"silent server, low-speed limit", silent.Url(), lowSpeed},
      {"full queue, connection limit", full.Url(), connect},
  };
  LatestVersionCheck checks[3];
  std::vector<LatestVersionCheck*> started;
  for (std::size_t i = 0; i < 3; ++i) {
    checks[i].Start(cases[i].url, cases[i].options);
    started.push_back(&checks[i]);
  }
  const std::vector<Polled> polled = PollUntilEnded(started, journal);
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(cases[i].what);
    const LatestVersionCheck& check = checks[i];
    EXPECT_LT(Milliseconds(polled[i].longestPoll), 100);
    EXPECT_GE(Milliseconds(polled[i].elapsed), 900);
    EXPECT_LT(Milliseconds(polled[i].elapsed), 2500);
    EXPECT_EQ(28, check.ResultCode());
    EXPECT_EQ(0u, check.ProductVersion());
    EXPECT_EQ(0u, check.ErrorText().find(L"Curl error 28: '"));
    EXPECT_NE(std::wstring::npos, check.ErrorText().find(string_to_wstring(cases[i].url)));
    // Its error message, then the version, one after the other.
    const auto error =
        std::find(journal.begin(), journal.end(), wstring_to_string(check.ErrorText()));
    ASSERT_NE(journal.end(), error);
    ASSERT_NE(journal.end(), error + 1);
    EXPECT_EQ("The latest release of this program is version 0.0.0", error[1]);
  }
  EXPECT_EQ(6u, journal.size());

  // The blocking check keeps the same limits.
  journal.clear();
  const Clock::time_point start = Clock::now();
  const LatestVersion blocking(silent.Url(), total);
  EXPECT_LT(Milliseconds(Clock::now() - start), 2500);
  ASSERT_EQ(1u, journal.size());
  EXPECT_EQ(0u, journal[0].find("Curl error 28: '")) << journal[0];
}

struct Destroyer {
  void OnMessage(boost::shared_ptr<Message>, bool) { check.reset(); }
  std::unique_ptr<LatestVersionCheck> check;
};

TEST_F(ApplicationTest, NonBlockingCheckReadsOnlyWebAddresses) {
  LocalHttpServer server({
      {"/good.xml", "<product_version>1315</product_version>"},
      {"/moved.xml", "HTTP/1.0 302 Found\r\nLocation: /good.xml\r\n\r\n"},
      {"/away.xml", "HTTP/1.0 302 Found\r\nLocation: ftp://127.0.0.1:1/v.xml\r\n\r\n"},
  });
  LatestVersionOptions redirects;
  redirects.maxRedirects = 2;
  const struct {
    const char* path;
    LatestVersionOptions options;
    int code;
    const char* version;
  } cases[] = {
      {"/good.xml", {}, 0, "5.2.3"},
      {"/moved.xml", redirects, 0, "5.2.3"},
      {"/away.xml", redirects, 1, "0.0.0"},  // no redirection to another protocol
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    journal.clear();
    LatestVersionCheck check;
    check.Start(server.Url(c.path), c.options);
    EXPECT_TRUE(journal.empty());
    PollUntilEnded({&check}, journal);
    EXPECT_EQ(LatestVersionCheck::State::Finished, check.GetState());
    EXPECT_EQ(c.code, check.ResultCode());
    EXPECT_EQ(std::string("The latest release of this program is version ") + c.version,
              journal.back());
    EXPECT_EQ(c.code == 0 ? 1u : 2u, journal.size());
    EXPECT_FALSE(check.Poll());
  }

  // Other addresses are refused before anything starts or is broadcast.
  journal.clear();
  LatestVersionCheck check;
  for (const char* url : {"file:///etc/hostname", "ftp://127.0.0.1/v.xml", "127.0.0.1/v.xml"}) {
    SCOPED_TRACE(url);
    EXPECT_EQ("The latest-version check reads only http and https addresses, not '" +
                  std::string(url) + "'",
              testing::ThrownText([&] { check.Start(url); }));
    EXPECT_EQ(LatestVersionCheck::State::Idle, check.GetState());
  }
  check.Start("HTTPS://127.0.0.1:1/v.xml");  // the scheme in any case
  check.Cancel();
  EXPECT_TRUE(journal.empty());

  // A listener of the broadcasts may destroy the check.
  Destroyer destroyer;
  destroyer.check.reset(new LatestVersionCheck);
  destroyer.check->Start(server.Url("/good.xml"));
  Signals::SignalManager::Instance()->ConnectToBroadcast(&destroyer, &Destroyer::OnMessage);
  while (destroyer.check && destroyer.check->Poll())
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  Signals::SignalManager::Instance()->DisconnectFromBroadcast(&destroyer, &Destroyer::OnMessage);
  EXPECT_FALSE(destroyer.check);
}

// Cancelled, restarted or destroyed while running: nothing more happens.
TEST_F(ApplicationTest, NonBlockingCheckCancels) {
  Listener silent;
  LocalHttpServer server(
      std::map<std::string, std::string>{{"/good.xml", "<product_version>16</product_version>"}});
  LatestVersionCheck check;
  check.Start(silent.Url());
  EXPECT_TRUE(check.Poll());
  check.Cancel();
  EXPECT_EQ(LatestVersionCheck::State::Cancelled, check.GetState());
  EXPECT_FALSE(check.Poll());

  check.Start(silent.Url());
  EXPECT_TRUE(check.Poll());
  check.Start(server.Url("/good.xml"));
  PollUntilEnded({&check}, journal);
  EXPECT_EQ(L"0.1.0", check.ProductVersionAsText());
  EXPECT_EQ((std::vector<std::string>{"The latest release of this program is version 0.1.0"}),
            journal);

  journal.clear();
  {
    LatestVersionCheck running;
    running.Start(silent.Url());
    running.Poll();
  }
  EXPECT_TRUE(journal.empty());
}

}  // namespace
}  // namespace Orvanta
