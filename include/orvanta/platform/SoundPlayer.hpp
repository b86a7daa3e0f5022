// Playing a module's wave sounds without waiting for them.
//
//   if (!Orvanta::PlaySoundResource(1503, Orvanta::OrvantaDLL::Instance())) {
//     // no such sound, or another one is still playing
//   }
//
// One sound plays at a time in the process: a request made while one plays
// is refused. On Windows PlaySoundW plays the module's WAVE resource
// (SND_RESOURCE | SND_ASYNC | SND_NOSTOP) and its verdict is the result.
// Elsewhere the wave file goes to the aplay or paplay found on PATH, and a
// request made before the previous sound's length has passed is refused.
#pragma once

#include <chrono>
#include <functional>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class Module;

// True when sound `id` of `module` started; false when it did not: the module
// has no such sound, a sound is playing, or the system cannot play it (on
// POSIX: the data is not a PCM wave file, or no player is on PATH or it
// cannot be started).
ORVANTA_API bool PlaySoundResource(unsigned int id, const Module* module);

// The length in seconds of a wave file's data, or a negative number when
// `data` is not a wave file.
ORVANTA_API double WaveDuration(const unsigned char* data, unsigned long size);

namespace detail {

// The clock by which POSIX times its sounds (std::chrono::steady_clock::now
// when empty), for tests that must not wait; returns the one it replaces.
typedef std::function<std::chrono::steady_clock::time_point()> SoundClock;
ORVANTA_API SoundClock SetSoundClock(SoundClock clock);

}  // namespace detail

}  // namespace Orvanta
