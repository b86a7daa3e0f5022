// The latest-version check, blocking and not, against a small HTTP server on
// 127.0.0.1 that the test runs itself.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <thread>

#include "TestApplication.hpp"
#include "orvanta/application/LatestVersion.hpp"
#include "orvanta/application/LatestVersionCheck.hpp"

namespace Orvanta {
namespace {

using testing::ApplicationTest;

// A TCP socket listening on a free port of 127.0.0.1 that accepts nothing by
// itself: a request to it is never answered.
struct Listener {
  Listener() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    ::listen(socket, 8);
    url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
  }
  ~Listener() { ::close(socket); }
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  std::string url;  // without a path
};

// Serves fixed bodies by path, a 404 for anything else, until destroyed. A
// body that begins "HTTP/" is sent as the whole response.
class LocalHttpServer : public Listener {
 public:
  explicit LocalHttpServer(std::map<std::string, std::string> files) : files_(std::move(files)) {}
  ~LocalHttpServer() {
    ::shutdown(socket, SHUT_RDWR);  // ends the accept()
    thread_.join();
  }

 private:
  void Serve() {
    for (int client; (client = ::accept(socket, nullptr, nullptr)) >= 0; ::close(client)) {
      std::string request;
      char buffer[1024];
      for (ssize_t got = 1; got > 0 && request.find("\r\n\r\n") == std::string::npos;) {
        got = ::recv(client, buffer, sizeof buffer, 0);
        request.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
      }
      const std::size_t start = request.find(' ') + 1;
      const auto found = files_.find(request.substr(start, request.find(' ', start) - start));
      std::string response = found == files_.end() ? "not found" : found->second;
      if (response.rfind("HTTP/", 0) != 0)
        response = std::string("HTTP/1.0 ") + (found == files_.end() ? "404 Not Found" : "200 OK") +
                   "\r\nContent-Length: " + std::to_string(response.size()) +
                   "\r\nConnection: close\r\n\r\n" + response;
      for (std::size_t sent = 0; sent < response.size();) {
        const ssize_t now =
            ::send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
        if (now <= 0) break;  // the client went away
        sent += static_cast<std::size_t>(now);
      }
    }
  }

  std::map<std::string, std::string> files_;
  std::thread thread_{[this] { Serve(); }};
};

// Polls `check` every 5 ms until it ends (at most 10 s). It broadcasts
// nothing before its last Poll().
void PollUntilEnded(LatestVersionCheck& check, const std::vector<std::string>& journal) {
  for (int i = 0; i < 2000; ++i) {
    const std::size_t broadcasts = journal.size();
    if (!check.Poll()) return;
    EXPECT_EQ(broadcasts, journal.size());
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ADD_FAILURE() << "the check did not end";
  check.Cancel();
}

// Each address is read by the blocking check, then by the non-blocking one,
// which broadcasts the same error message and then the version.
TEST_F(ApplicationTest, LatestVersionOverHttp) {
  const std::string tag = "<product_version>1315</product_version>";
  const std::string largest = std::string(1024 * 1024 - tag.size(), ' ') + tag;
  const LocalHttpServer server(std::map<std::string, std::string>{
      {"/good.xml", "<latest>" + tag + "</latest>"},
      {"/sixteen.xml", "<product_version> 16 </product_version>"},
      {"/too-large.xml", "<product_version>99999999999999999999</product_version>"},
      {"/largest.xml", largest},  // bodies are kept up to 1 MiB
      {"/larger.xml", largest + " "},
      {"/huge.xml", tag + std::string(8 * 1024 * 1024, ' ')},
      {"/moved.xml", "HTTP/1.0 302 Found\r\nLocation: /good.xml\r\n\r\n"},
      {"/away.xml", "HTTP/1.0 302 Found\r\nLocation: ftp://127.0.0.1:1/v.xml\r\n\r\n"},
  });
  const Listener silent;
  std::string closed = Listener().url + "/v.xml";  // nothing listens there any more
  const std::string reading = "' while attempting to read data from '", at = server.url;
  LatestVersionOptions redirects, total;
  redirects.maxRedirects = 2;
  total.totalTimeout = std::chrono::milliseconds(500);
  const struct {
    std::string url;
    const wchar_t* version;
    std::string error;  // how the one error message begins; empty: none
    LatestVersionOptions options;
  } cases[] = {
      {at + "/good.xml", L"5.2.3", "", {}},
      {at + "/sixteen.xml", L"0.1.0", "", {}},
      {at + "/too-large.xml", L"0.0.0", "", {}},
      {at + "/missing.xml", L"0.0.0", "", {}},  // a 404 is a download, not an error
      {at + "/largest.xml", L"5.2.3", "", {}},
      {at + "/larger.xml", L"0.0.0", "Curl error 23: '", {}},
      {at + "/huge.xml", L"0.0.0", "Curl error 23: '", {}},
      {at + "/moved.xml", L"5.2.3", "", redirects},
      {at + "/away.xml", L"0.0.0", "Curl error 1: '", redirects},  // web addresses only
      {silent.url + "/v.xml", L"0.0.0", "Curl error 28: '", total},
      {closed, L"0.0.0", "Curl error 7: 'Couldn't connect" + reading + closed + "'", {}},
      {"gopherx://127.0.0.1/v.xml",
       L"0.0.0",
       "Curl error 1: 'Unsupported protocol" + reading + "gopherx://127.0.0.1/v.xml'",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    journal.clear();
    EXPECT_EQ(c.version, LatestVersion(c.url, c.options).ProductVersionAsText());
    ASSERT_EQ(c.error.empty() ? 0u : 1u, journal.size());
    EXPECT_TRUE(c.error.empty() || journal[0].find(c.error) == 0) << journal[0];
    if (c.url.rfind("http:", 0) != 0) continue;  // the non-blocking check refuses it
    std::vector<std::string> expected = journal;
    expected.push_back("The latest release of this program is version " +
                       wstring_to_string(c.version));
    journal.clear();
    LatestVersionCheck check;
    check.Start(c.url, c.options);
    PollUntilEnded(check, journal);
    EXPECT_EQ(expected, journal);
    EXPECT_EQ(c.version, check.ProductVersionAsText());
  }
}

struct Destroyer {
  void OnMessage(boost::shared_ptr<Message>, bool) { check.reset(); }
  std::unique_ptr<LatestVersionCheck> check{new LatestVersionCheck};
};

// Addresses other than http and https are refused before anything starts;
// a check cancelled or restarted while running does nothing more;
// a listener of its broadcasts may destroy it.
TEST_F(ApplicationTest, NonBlockingCheckRefusesCancelsAndMayBeDestroyed) {
  LatestVersionCheck check;
  for (const char* url : {"file:///etc/hostname", "ftp://127.0.0.1/v.xml", "127.0.0.1/v.xml"}) {
    SCOPED_TRACE(url);
    EXPECT_EQ("The latest-version check reads only http and https addresses, not '" +
                  std::string(url) + "'",
              testing::ThrownText([&] { check.Start(url); }));
  }
  check.Start("HTTPS://127.0.0.1:1/v.xml");  // the scheme in any case
  check.Cancel();
  EXPECT_EQ(LatestVersionCheck::State::Cancelled, check.GetState());
  EXPECT_FALSE(check.Poll());

  const Listener silent;
  const LocalHttpServer server(
      std::map<std::string, std::string>{{"/good.xml", "<product_version>16</product_version>"}});
  check.Start(silent.url);
  EXPECT_TRUE(check.Poll());
  check.Start(server.url + "/good.xml");
  PollUntilEnded(check, journal);
  EXPECT_EQ((std::vector<std::string>{"The latest release of this program is version 0.1.0"}),
            journal);

  Destroyer destroyer;
  destroyer.check->Start(server.url + "/good.xml");
  Signals::SignalManager::Instance()->ConnectToBroadcast(&destroyer, &Destroyer::OnMessage);
  while (destroyer.check && destroyer.check->Poll())
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  Signals::SignalManager::Instance()->DisconnectFromBroadcast(&destroyer, &Destroyer::OnMessage);
  EXPECT_FALSE(destroyer.check);
}

}  // namespace
}  // namespace Orvanta
