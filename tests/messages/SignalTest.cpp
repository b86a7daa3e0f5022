#include "orvanta/messages/Signal.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvanta {
namespace {

using Signals::Signal;
typedef std::vector<std::string> Journal;

// Writes its calls into a shared journal; an optional action runs inside.
struct Listener {
  Listener(Journal& journal, std::string name) : journal(journal), name(std::move(name)) {}
  void On(int value) {
    journal.push_back(name + ":" + std::to_string(value));
    if (action) action();
  }
  void Other(int value) { journal.push_back(name + " other:" + std::to_string(value)); }

  Journal& journal;
  std::string name;
  std::function<void()> action;
};

struct SignalTest : ::testing::Test {
  void ConnectAll() {
    for (Listener* listener : {&a, &b, &c}) signal.Connect(listener, &Listener::On);
  }
  Signal<int> signal;
  Journal journal;
  Listener a{journal, "a"}, b{journal, "b"}, c{journal, "c"};
};

TEST_F(SignalTest, SlotsRunInConnectionOrderAndOneDisconnectTakesEveryCopy) {
  signal.Connect(&a, &Listener::On);
  signal.Connect(&b, &Listener::On);
  signal.Connect(&a, &Listener::On);
  signal.Connect(&a, &Listener::Other);
  signal.Raise(1);
  signal.Disconnect(&a, &Listener::On);
  signal.Disconnect(&b, &Listener::Other);  // not connected: nothing happens
  signal.Raise(2);
  EXPECT_EQ((Journal{"a:1", "b:1", "a:1", "a other:1", "b:2", "a other:2"}), journal);
}

// The throw reaches the raiser, the later slots are not called, and a
// disconnection made before the throw holds.
TEST_F(SignalTest, AThrowingSlotEndsTheRaise) {
  b.action = [&] {
    signal.Disconnect(&c, &Listener::On);
    throw std::runtime_error("slot failed");
  };
  ConnectAll();
  EXPECT_THROW(signal.Raise(1), std::runtime_error);
  b.action = nullptr;
  signal.Raise(2);
  EXPECT_EQ((Journal{"a:1", "b:1", "a:2", "b:2"}), journal);
}

// A slot disconnected during a raise is not called later in it; one
// connected during a raise is first called by the next; a nested raise sees
// the disconnections made before it.
TEST_F(SignalTest, SlotsChangedDuringARaise) {
  Listener late(journal, "late");
  a.action = [&] {
    signal.Disconnect(&c, &Listener::On);
    signal.Disconnect(&a, &Listener::On);
    for (int i = 0; i < 100; ++i) signal.Connect(&late, &Listener::Other);  // grows the array
  };
  ConnectAll();
  signal.Raise(1);
  EXPECT_EQ((Journal{"a:1", "b:1"}), journal);
  EXPECT_EQ(101u, signal.SlotCount());

  journal.clear();
  signal.Disconnect(&late, &Listener::Other);
  b.action = [&] {
    if (journal.size() == 1) {
      signal.Disconnect(&late, &Listener::On);
      signal.Raise(9);
    }
  };
  signal.Connect(&late, &Listener::On);
  signal.Raise(2);
  EXPECT_EQ((Journal{"b:2", "b:9"}), journal);
}

}  // namespace
}  // namespace Orvanta
