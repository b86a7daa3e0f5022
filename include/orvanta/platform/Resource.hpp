// Bitmap, cursor and sound resources of a module, held as the bytes of their files.
//
//   Orvanta::BitmapResource icon(1568, Orvanta::OrvantaDLL::Instance());
//   const std::vector<unsigned char>& bmp = icon.Data();  // a BMP file
#pragma once

#include <vector>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class Module;

class ORVANTA_API Resource {
 public:
  virtual ~Resource();

  unsigned int Id() const noexcept { return id_; }
  // The resource file's bytes.
  const std::vector<unsigned char>& Data() const noexcept { return data_; }

 protected:
  Resource(unsigned int id, std::vector<unsigned char> data);

 private:
  unsigned int id_;
  std::vector<unsigned char> data_;
};

class ORVANTA_API BitmapResource : public Resource {
 public:
  // Copies bitmap `id` of `module`. Throws InternalError when the module has
  // no such bitmap.
  BitmapResource(unsigned int id, const Module* module);
};

class ORVANTA_API CursorResource : public Resource {
 public:
  // Copies cursor `id` of `module`. Throws InternalError when the module has
  // no such cursor.
  CursorResource(unsigned int id, const Module* module);
};

class ORVANTA_API SoundResource : public Resource {
 public:
  // Copies sound `id` of `module` (a wave file). Throws InternalError when the
  // module has no such sound.
  SoundResource(unsigned int id, const Module* module);
};

}  // namespace Orvanta
