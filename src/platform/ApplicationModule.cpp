#include "orvanta/platform/ApplicationModule.hpp"

#include "Backend.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

std::wstring ExecutableName() {
  return path_to_wstring(wstring_to_path(sys::ModuleFileName(sys::ExecutableModule())).stem());
}

}  // namespace

ApplicationModule::ApplicationModule()
    : Module(ExecutableName().c_str(), sys::ExecutableModule()) {}

ApplicationModule::ApplicationModule(const std::wstring& name, HINSTANCE instance)
    : Module(name.c_str(), instance) {}

ApplicationModule::~ApplicationModule() = default;

void ApplicationModule::ExclamationBox(const std::wstring& text) const {
  ShowMessageBox(text, Name(), MessageBoxOk | MessageBoxIconExclamation);
}

int ApplicationModule::YesNoBox(const std::wstring& text, int style) const {
  const int answer =
      ShowMessageBox(text, Name(), MessageBoxYesNo | (static_cast<unsigned int>(style) & ~0xFu));
  return answer == AnswerYes ? AnswerYes : AnswerNo;
}

}  // namespace Orvanta
