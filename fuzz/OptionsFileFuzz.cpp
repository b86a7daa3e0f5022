// Loads the input as the user's options file of the example host program
// (examples/sections). The load must end in exactly one message (an
// information leaf when it read the file, an error leaf when it could not),
// and the options it left, saved, loaded again and saved once more, must write
// the same file. The files go into $XDG_DATA_HOME, which must be an absolute
// (temporary) folder, so that a run never touches the user's own folders.
#include <boost/make_shared.hpp>

#include <iostream>
#include <vector>

#include "FuzzCheck.hpp"
#include "SectionsApplication.hpp"
#include "TemporaryFolder.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"

namespace Orvanta {
namespace {

// The application, and the messages broadcast since the last input.
struct Setup {
  Setup() {
    std::wclog.rdbuf(nullptr);  // the program log writes nothing
    SetProgramVersion(1, 0, 0, 1, L"1.0.0");
    SetCommandLine({L"options-fuzz"});
    app = boost::make_shared<Sections::SectionsApplication>();
    Signals::SignalManager::Instance()->ConnectToBroadcast(this, &Setup::OnMessage);
  }
  ~Setup() { Signals::SignalManager::Instance()->DisconnectFromBroadcast(this, &Setup::OnMessage); }
  void OnMessage(boost::shared_ptr<Message> message, bool) { messages.push_back(message); }

  boost::shared_ptr<Sections::SectionsApplication> app;
  std::vector<boost::shared_ptr<Message>> messages;
};

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const char* folder = std::getenv("XDG_DATA_HOME");
  if (folder == nullptr || folder[0] != '/') {
    std::fprintf(stderr, "options fuzz: set XDG_DATA_HOME to an absolute temporary folder\n");
    std::exit(2);
  }
  static Setup setup;
  const wpath file = setup.app->ConfigFile();
  ofstream(file, std::ios::binary) << fuzz::Bytes(data, size);
  setup.app->ResetUserOptions();
  setup.messages.clear();
  const bool loaded = setup.app->LoadUserOptions(false);
  FUZZ_CHECK(setup.messages.size() == 1);
  const CompositeMessage* outcome = setup.messages[0]->GetComposite();
  FUZZ_CHECK(outcome != nullptr && outcome->Children().size() == 1);
  FUZZ_CHECK(outcome->Children()[0]->Severity() ==
             (loaded ? Message::Information : Message::Error));

  // Whatever was read is written back, and read again it writes the same file.
  FUZZ_CHECK(setup.app->SaveUserOptions());
  const std::string written = testing::ReadFile(file);
  setup.app->ResetUserOptions();
  FUZZ_CHECK(setup.app->LoadUserOptions(true));
  FUZZ_CHECK(setup.app->SaveUserOptions());
  FUZZ_CHECK(testing::ReadFile(file) == written);
  return 0;
}
