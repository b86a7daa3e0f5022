// Playing a module's wave sounds without waiting for them.
//
//   if (!Orvanta::PlaySoundResource(1503, Orvanta::OrvantaDLL::Instance())) {
//     // no such sound, or another one is still playing
//   }
//
// One sound plays at a time in the process: a request made before the
// previous sound's length has passed is refused. The sound goes to the
// system's audio player (on POSIX the aplay or paplay found on PATH); where
// there is none it plays silently, taking its length all the same.
#pragma once

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class Module;

// True when sound `id` of `module` started; false when the module has no such
// sound, its data is not a PCM wave file, or a sound is playing.
ORVANTA_API bool PlaySoundResource(unsigned int id, const Module* module);

// The length in seconds of a wave file's data, or a negative number when
// `data` is not a wave file.
ORVANTA_API double WaveDuration(const unsigned char* data, unsigned long size);

}  // namespace Orvanta
