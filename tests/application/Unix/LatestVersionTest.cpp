// The latest-version check against a small HTTP server on 127.0.0.1 that the
// test runs itself.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <thread>

#include "TestApplication.hpp"
#include "orvanta/application/LatestVersion.hpp"

namespace Orvanta {
namespace {

// Serves fixed bodies by path, a 404 for anything else, until destroyed.
class LocalHttpServer {
 public:
  explicit LocalHttpServer(std::map<std::string, std::string> files) : files_(std::move(files)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    ::listen(listener_, 8);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LocalHttpServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    thread_.join();
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  void Serve() {
    while (!stopping_) {
      const int client = ::accept(listener_, nullptr, nullptr);
      if (client < 0) return;
      std::string request;
      char buffer[1024];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      const std::size_t start = request.find(' ') + 1;
      const std::string path = request.substr(start, request.find(' ', start) - start);
      const auto found = files_.find(path);
      const std::string body = found == files_.end() ? "not found" : found->second;
      const std::string response = std::string(found == files_.end() ? "HTTP/1.0 404 Not Found"
                                                                     : "HTTP/1.0 200 OK") +
                                   "\r\nContent-Length: " + std::to_string(body.size()) +
                                   "\r\nConnection: close\r\n\r\n" + body;
      for (std::size_t sent = 0; sent < response.size();) {
        const ssize_t now =
            ::send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
        if (now <= 0) break;  // the client went away
        sent += static_cast<std::size_t>(now);
      }
      ::close(client);
    }
  }

  std::map<std::string, std::string> files_;
  int listener_;
  unsigned short port_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

using testing::ApplicationTest;

TEST_F(ApplicationTest, LatestVersionOverHttp) {
  LocalHttpServer server({
      {"/good.xml", "<latest><product_version>1315</product_version></latest>"},
      {"/sixteen.xml", "<product_version> 16 </product_version>"},
      {"/untagged.xml", "<latest>1315</latest>"},
      {"/hex.xml", "<product_version>0x523</product_version>"},
      {"/huge.xml", "<product_version>99999999999999999999</product_version>"},
      {"/negative.xml", "<product_version>-1</product_version>"},
  });
  const struct {
    const char* path;
    const wchar_t* version;
  } cases[] = {
      {"/good.xml", L"5.2.3"},    {"/sixteen.xml", L"0.1.0"}, {"/untagged.xml", L"0.0.0"},
      {"/hex.xml", L"0.0.0"},     {"/huge.xml", L"0.0.0"},    {"/negative.xml", L"0.0.0"},
      {"/missing.xml", L"0.0.0"},  // a 404 is a download, not an error, for libcurl's defaults
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    journal.clear();
    const LatestVersion latest(server.Url(c.path));
    EXPECT_EQ(c.version, latest.ProductVersionAsText());
    EXPECT_TRUE(journal.empty());
  }
}

// Reading again forgets the version read before when the file is gone or
// the server with it.
TEST_F(ApplicationTest, ReadingAgainGivesZeroWhenTheVersionIsGone) {
  auto server = std::make_unique<LocalHttpServer>(std::map<std::string, std::string>{
      {"/v.xml", "<product_version>1315</product_version>"}});
  LatestVersion latest(server->Url("/v.xml"));
  ASSERT_EQ(1315u, latest.ProductVersion());
  server.reset();
  EXPECT_NE(0, latest.ReadData());
  EXPECT_EQ(0u, latest.ProductVersion());
}

// The body is kept in memory up to 1 MiB; a larger one stops the download
// with libcurl's write error, reported like any download error.
TEST_F(ApplicationTest, LargeBodiesAreCutOffAtOneMebibyte) {
  const std::string tag = "<product_version>1315</product_version>";
  const std::string largest = std::string(1024 * 1024 - tag.size(), ' ') + tag;
  LocalHttpServer server({{"/largest.xml", largest}, {"/larger.xml", largest + " "},
                          {"/huge.xml", tag + std::string(8 * 1024 * 1024, ' ')}});
  EXPECT_EQ(L"5.2.3", LatestVersion(server.Url("/largest.xml")).ProductVersionAsText());
  EXPECT_TRUE(journal.empty());
  for (const char* path : {"/larger.xml", "/huge.xml"}) {
    SCOPED_TRACE(path);
    journal.clear();
    const LatestVersion latest(server.Url(path));
    EXPECT_EQ(L"0.0.0", latest.ProductVersionAsText());
    ASSERT_EQ(1u, journal.size());
    EXPECT_EQ(0u, journal[0].find("Curl error 23: '")) << journal[0];
  }
}

TEST_F(ApplicationTest, FailedDownloadIsReportedOnce) {
  // A port that was just free: nothing listens there.
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(probe);
  const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/v.xml";

  const LatestVersion latest(url);
  ASSERT_EQ(1u, journal.size());
  EXPECT_EQ("Curl error 7: 'Couldn't connect' while attempting to read data from '" + url + "'",
            journal[0]);
  EXPECT_EQ(L"0.0.0", latest.ProductVersionAsText());
  EXPECT_NE(std::wstring::npos, latest.DownloadErrorText(28).find(L"Curl error 28: '"));

  journal.clear();
  const LatestVersion unsupported("gopherx://127.0.0.1/v.xml");
  EXPECT_EQ("Curl error 1: 'Unsupported protocol' while attempting to read data from "
            "'gopherx://127.0.0.1/v.xml'",
            journal.at(0));
}

}  // namespace
}  // namespace Orvanta
