// BaseApplication: starting another instance of the running program.
#include "orvanta/application/BaseApplication.hpp"

#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/SystemError.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {

void BaseApplication::RunApplication(const wpath& project) const {
  // Quoted, so that the path arrives as one argument whatever it holds.
  const long code = ShellOpen(L"open", wstring_to_path(ApplicationModule().FileName()),
                              QuoteCommandLineArgument(path_to_wstring(project)), wpath(), 5);
  if (code > 32)
    BroadcastInformationMessage(LibraryText(1529, {{L"<App/>", Name()}}), false);
  else
    BroadcastErrorMessage(LastErrorAsText(), false);
}

}  // namespace Orvanta
