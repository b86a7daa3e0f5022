#include "orvanta/platform/SoundPlayer.hpp"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>
#include <chrono>
#include <cstring>
#include <map>
#include <vector>

#include "Backend.hpp"
#include "orvanta/platform/Module.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
typedef std::chrono::steady_clock Clock;

unsigned long Little(const unsigned char* p, int bytes) {
  unsigned long value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

// The wave files written so far, one per sound, removed when the library goes.
class WaveFiles {
 public:
  ~WaveFiles() {
    boost::system::error_code ignored;
    for (const auto& file : files_) fs::remove(file.second, ignored);
  }
  // The file holding `data`; empty when it cannot be written.
  wpath For(unsigned int id, const std::vector<unsigned char>& data) {
    const auto found = files_.find(id);
    if (found != files_.end()) return found->second;
    boost::system::error_code error;
    const wpath file =
        fs::temp_directory_path(error) / fs::unique_path("orvanta-sound-%%%%-%%%%.wav", error);
    if (error) return wpath();
    fs::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) return wpath();
    return files_[id] = file;
  }

 private:
  std::map<unsigned int, wpath> files_;
};

}  // namespace

double WaveDuration(const unsigned char* data, unsigned long size) {
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return -1.0;
  unsigned long byteRate = 0;
  bool pcm = false;
  for (unsigned long at = 12; at + 8 <= size;) {
    const unsigned long length = Little(data + at + 4, 4);
    const unsigned char* body = data + at + 8;
    if (std::memcmp(data + at, "fmt ", 4) == 0 && length >= 16 && at + 8 + 16 <= size) {
      pcm = Little(body, 2) == 1;
      byteRate = Little(body + 8, 4);
    } else if (std::memcmp(data + at, "data", 4) == 0) {
      if (!pcm || byteRate == 0) return -1.0;
      const unsigned long bytes = length < size - at - 8 ? length : size - at - 8;
      return static_cast<double>(bytes) / static_cast<double>(byteRate);
    }
    if (length > size - at - 8) break;
    at += 8 + length + (length & 1);
  }
  return -1.0;
}

bool PlaySoundResource(unsigned int id, const Module* module) {
  static Clock::time_point busyUntil;
  static WaveFiles files;
  std::vector<unsigned char> data;
  if (!sys::LoadModuleResource(module != nullptr ? module->Handle() : nullptr,
                               sys::BinaryResource::Sound, id, data))
    return false;
  const double seconds = WaveDuration(data.data(), data.size());
  if (seconds < 0.0) return false;
  const Clock::time_point now = Clock::now();
  if (now < busyUntil) return false;
  busyUntil = now + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  const wpath file = files.For(id, data);
  if (!file.empty()) sys::StartWavePlayer(file);
  return true;
}

}  // namespace Orvanta
