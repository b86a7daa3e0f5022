#include "orvanta/frame/CompositeInsertionError.hpp"

#include "orvanta/frame/OrvantaDLL.hpp"

namespace Orvanta {

CompositeInsertionError::CompositeInsertionError(const std::wstring& where)
    : Error(OrvantaDLL::Instance()->LoadStringW(1877)) {
  Replace(L"<Where/>", where);
}

CompositeInsertionError::~CompositeInsertionError() = default;

}  // namespace Orvanta
