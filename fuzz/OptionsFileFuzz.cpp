// Loads the input as the user's options file, through the application's own
// LoadUserOptions. Whatever the file holds, the load must end in exactly one
// message (an information leaf when it read the file, an error leaf when it
// could not), and the options it left, saved, loaded again and saved once
// more, must write the same file.
//
// The application's files go into $XDG_DATA_HOME, which must be an absolute
// path (scripts/fuzz.sh points it into its own temporary folder), so that a
// run never touches the user's own folders.
#include <boost/make_shared.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <streambuf>
#include <string>
#include <vector>

#include "FuzzCheck.hpp"
#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"

namespace Orvanta {
namespace {

class FuzzApplication : public BaseApplication {
 public:
  FuzzApplication()
      : BaseApplication(nullptr, L"OptionsFuzz", L"OFZ", boost::gregorian::date(2026, 12, 5), L"",
                        L"Options.xml", L"OptionsFuzz.log", L"OptionsFuzz.chm") {}
  std::wstring ReportTitle() const override { return L"Report"; }
  std::wstring ReportStyleSheet() const override { return L"report.css"; }
  wpath ReportTransform(const wpath&) const override { return wpath(L"report.xsl"); }
  boost::shared_ptr<BaseDocument> MakeNewDocument() override { return nullptr; }
  boost::shared_ptr<BaseDocument> MakeDocumentFromFile(const wpath&) override { return nullptr; }
};

std::string Contents(const wpath& file) {
  std::ifstream in(file.string(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Swallows the program log's lines.
class NullBuffer : public std::wstreambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

struct Listener {
  void OnMessage(boost::shared_ptr<Message> message, bool) { messages.push_back(message); }
  std::vector<boost::shared_ptr<Message>> messages;
};

struct Setup {
  Setup() {
    std::wclog.rdbuf(&quiet);
    SetProgramVersion(1, 0, 0, 1, L"1.0.0");
    SetCommandLine({L"options-fuzz"});
    app = boost::make_shared<FuzzApplication>();
    Signals::SignalManager::Instance()->ConnectToBroadcast(&listener, &Listener::OnMessage);
  }
  ~Setup() {
    Signals::SignalManager::Instance()->DisconnectFromBroadcast(&listener, &Listener::OnMessage);
  }

  NullBuffer quiet;
  boost::shared_ptr<FuzzApplication> app;
  Listener listener;
};

Setup* setup = nullptr;

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data == nullptr || data[0] != '/') {
    std::fprintf(stderr, "options fuzz: set XDG_DATA_HOME to an absolute temporary folder\n");
    std::exit(2);
  }
  static Orvanta::Setup instance;
  Orvanta::setup = &instance;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  FuzzApplication& app = *setup->app;
  std::vector<boost::shared_ptr<Message>>& messages = setup->listener.messages;
  const wpath file = app.ConfigFile();
  std::ofstream(file.string(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  app.ResetUserOptions();
  messages.clear();
  const bool loaded = app.LoadUserOptions(false);
  FUZZ_CHECK(messages.size() == 1);
  const CompositeMessage* outcome = messages[0]->GetComposite();
  FUZZ_CHECK(outcome != nullptr && outcome->Children().size() == 1);
  FUZZ_CHECK(outcome->Children()[0]->Severity() ==
             (loaded ? Message::Information : Message::Error));

  // Whatever was read is written back, and read again it writes the same file.
  FUZZ_CHECK(app.SaveUserOptions());
  const std::string written = Contents(file);
  app.ResetUserOptions();
  FUZZ_CHECK(app.LoadUserOptions(true));
  FUZZ_CHECK(app.SaveUserOptions());
  FUZZ_CHECK(Contents(file) == written);
  return 0;
}
