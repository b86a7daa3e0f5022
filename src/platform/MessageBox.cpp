#include "orvanta/platform/MessageBox.hpp"

#include <utility>

#include "Backend.hpp"

namespace Orvanta {
namespace {

MessageBoxHandler& CurrentHandler() {
  static MessageBoxHandler handler;
  return handler;
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned int style) {
  const MessageBoxHandler& handler = CurrentHandler();
  return handler ? handler(text, caption, style) : sys::DefaultMessageBox(text, caption, style);
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/MessageBox.inc"
#else
#include "Unix/MessageBox.inc"
#endif
