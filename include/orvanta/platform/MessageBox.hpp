// Message boxes: every question and warning of the library goes through one
// replaceable handler.
//
//   // A test, or a host with its own dialogs, answers the questions itself:
//   Orvanta::MessageBoxHandler previous = Orvanta::SetMessageBoxHandler(
//       [](const std::wstring&, const std::wstring&, unsigned int) {
//         return static_cast<int>(Orvanta::AnswerYes);
//       });
//   ...
//   Orvanta::SetMessageBoxHandler(previous);
#pragma once

#include <functional>
#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

enum MessageBoxStyle : unsigned int {
  MessageBoxOk = 0x0,
  MessageBoxYesNoCancel = 0x3,
  MessageBoxYesNo = 0x4,
  MessageBoxIconQuestion = 0x20,
  MessageBoxIconExclamation = 0x30
};

enum MessageBoxAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

typedef std::function<int(const std::wstring& text, const std::wstring& caption,
                          unsigned int style)>
    MessageBoxHandler;

// Every question and warning box of the library goes through the handler;
// returns the previous one. An empty handler restores the default: when
// standard input and standard error are both terminals it asks there;
// otherwise it answers Cancel where Cancel is offered, else No (Ok for a plain
// box), and writes the question and that answer to standard error. On Windows
// the default is MessageBoxW, owned by the active window. Not synchronised:
// set handlers from the thread that uses the library.
ORVANTA_API MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a box through the current handler and returns its answer (a
// MessageBoxAnswer). `style` combines one button set and one icon.
ORVANTA_API int ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                               unsigned int style);

}  // namespace Orvanta
