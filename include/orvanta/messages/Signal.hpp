// Signal<Args...>: an ordered list of listener slots, each an object and one
// of its member functions, called one after the other when the signal is
// raised. The signals of the SignalManager are of this type.
//
//   struct View { void OnChanged(int scale); };
//   Orvanta::Signals::Signal<int> changed;
//   View view;
//   changed.Connect(&view, &View::OnChanged);
//   changed.Raise(2);                            // view.OnChanged(2)
//   changed.Disconnect(&view, &View::OnChanged);
//
// Slots run on the raising thread in connection order, each with its own copy
// of the arguments. The same slot may be connected more than once; one
// Disconnect removes every copy. An exception from a slot ends the raise at
// once and reaches the raiser. A slot may connect or disconnect slots of the
// signal being raised: a slot disconnected during a raise is not called later
// in it, and a slot connected during a raise is first called by the next one.
// Raising allocates nothing. There is no lock: use a signal from one thread.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

namespace Orvanta {
namespace Signals {

template <class... Args>
class Signal {
 public:
  template <class T>
  using Method = void (T::*)(Args...);

  Signal() = default;
  Signal(const Signal&) = delete;
  Signal& operator=(const Signal&) = delete;

  template <class T>
  void Connect(T* listener, Method<T> method) {
    slots_.push_back(Slot::Make(listener, method));
  }

  template <class T>
  void Disconnect(T* listener, Method<T> method) {
    const Slot target = Slot::Make(listener, method);
    if (raising_ == 0) {
      slots_.erase(std::remove_if(slots_.begin(), slots_.end(),
                                  [&target](const Slot& slot) { return slot.Equals(target); }),
                   slots_.end());
      return;
    }
    // Raises are walking the array: mark, and compact when the last one ends.
    for (Slot& slot : slots_)
      if (slot.Equals(target)) slot.Kill();
    dead_ = true;
  }

  void Raise(const Args&... args) {
    const RaiseScope scope(*this);
    const std::size_t count = slots_.size();  // later connections wait for the next raise
    for (std::size_t i = 0; i < count; ++i) {
      const Slot slot = slots_[i];  // a copy: the array may grow during the call
      if (slot.IsAlive()) slot.Call(args...);
    }
  }

  std::size_t SlotCount() const {
    return static_cast<std::size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.IsAlive(); }));
  }

 private:
  class Slot {
   public:
    template <class T>
    static Slot Make(T* listener, Method<T> method) {
      static_assert(sizeof(Method<T>) <= kMethodSize, "member function pointer too large");
      Slot slot;
      slot.listener_ = static_cast<void*>(listener);
      slot.invoke_ = &Invoke<T>;
      std::memcpy(slot.method_, &method, sizeof method);
      return slot;
    }

    // The member function's by-value parameters are the one copy per call.
    void Call(const Args&... args) const { invoke_(listener_, method_, args...); }
    // The same object and the same member function. The method's bytes are
    // compared, not the thunks: a slot connected in the host program and
    // disconnected in the library (or the other way round) is still equal.
    bool Equals(const Slot& other) const {
      return listener_ == other.listener_ && std::memcmp(method_, other.method_, kMethodSize) == 0;
    }
    bool IsAlive() const { return listener_ != nullptr; }
    void Kill() { listener_ = nullptr; }

   private:
    static constexpr std::size_t kMethodSize = 4 * sizeof(void*);

    template <class T>
    static Method<T> MethodOf(const unsigned char* bytes) {
      Method<T> method;
      std::memcpy(&method, bytes, sizeof method);
      return method;
    }
    template <class T>
    static void Invoke(void* listener, const unsigned char* method, const Args&... args) {
      (static_cast<T*>(listener)->*MethodOf<T>(method))(args...);
    }

    void* listener_ = nullptr;
    void (*invoke_)(void*, const unsigned char*, const Args&...) = nullptr;
    alignas(void*) unsigned char method_[kMethodSize] = {};
  };

  // Counts nested raises; the outermost one, ending, drops disconnected slots.
  class RaiseScope {
   public:
    explicit RaiseScope(Signal& signal) : signal_(signal) { ++signal_.raising_; }
    ~RaiseScope() {
      if (--signal_.raising_ == 0 && signal_.dead_) {
        signal_.slots_.erase(std::remove_if(signal_.slots_.begin(), signal_.slots_.end(),
                                            [](const Slot& s) { return !s.IsAlive(); }),
                             signal_.slots_.end());
        signal_.dead_ = false;
      }
    }
    RaiseScope(const RaiseScope&) = delete;
    RaiseScope& operator=(const RaiseScope&) = delete;

   private:
    Signal& signal_;
  };

  std::vector<Slot> slots_;
  int raising_ = 0;
  bool dead_ = false;
};

}  // namespace Signals
}  // namespace Orvanta
