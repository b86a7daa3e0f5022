#include "orvanta/platform/Resource.hpp"

#include <utility>

#include "Backend.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/Module.hpp"

namespace Orvanta {
namespace {

std::vector<unsigned char> Load(sys::BinaryResource kind, unsigned int id, const Module* module,
                                const wchar_t* operation) {
  std::vector<unsigned char> data;
  if (!sys::LoadModuleResource(module != nullptr ? module->Handle() : nullptr, kind, id, data))
    throw InternalError(std::wstring(operation) + L": no resource " + std::to_wstring(id));
  return data;
}

}  // namespace

Resource::Resource(unsigned int id, std::vector<unsigned char> data)
    : id_(id), data_(std::move(data)) {}

Resource::~Resource() = default;

BitmapResource::BitmapResource(unsigned int id, const Module* module)
    : Resource(id, Load(sys::BinaryResource::Bitmap, id, module, L"BitmapResource")) {}

CursorResource::CursorResource(unsigned int id, const Module* module)
    : Resource(id, Load(sys::BinaryResource::Cursor, id, module, L"CursorResource")) {}

SoundResource::SoundResource(unsigned int id, const Module* module)
    : Resource(id, Load(sys::BinaryResource::Sound, id, module, L"SoundResource")) {}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/Resource.inc"
#else
#include "Unix/Resource.inc"
#endif
