#include "orvanta/messages/Signal.hpp"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "orvanta/messages/SignalManager.hpp"

namespace Orvanta {
namespace {

using Signals::Signal;

// Records its calls in a shared journal; an optional action runs inside.
struct Listener {
  Listener(std::vector<std::string>& journal, std::string name)
      : journal(journal), name(std::move(name)) {}
  void On(int value) {
    journal.push_back(name + ":" + std::to_string(value));
    if (action) action();
  }
  void Other(int value) { journal.push_back(name + " other:" + std::to_string(value)); }

  std::vector<std::string>& journal;
  std::string name;
  std::function<void()> action;
};

typedef std::vector<std::string> Journal;

TEST(Signal, CallsSlotsInConnectionOrderWithDuplicates) {
  Signal<int> signal;
  signal.Raise(0);  // nobody listens
  Journal journal;
  Listener a(journal, "a"), b(journal, "b");
  signal.Connect(&a, &Listener::On);
  signal.Connect(&b, &Listener::On);
  signal.Connect(&a, &Listener::On);
  signal.Connect(&a, &Listener::Other);
  signal.Raise(1);
  EXPECT_EQ((Journal{"a:1", "b:1", "a:1", "a other:1"}), journal);

  journal.clear();
  signal.Disconnect(&a, &Listener::On);  // both copies
  signal.Raise(2);
  EXPECT_EQ((Journal{"b:2", "a other:2"}), journal);

  journal.clear();
  signal.Disconnect(&b, &Listener::Other);  // not connected: nothing happens
  signal.Disconnect(&b, &Listener::On);
  signal.Disconnect(&a, &Listener::Other);
  signal.Raise(3);
  EXPECT_TRUE(journal.empty());
  EXPECT_EQ(0u, signal.SlotCount());
}

TEST(Signal, ExceptionFromASlotEndsTheRaise) {
  Signal<int> signal;
  Journal journal;
  Listener a(journal, "a"), thrower(journal, "thrower"), c(journal, "c");
  thrower.action = [] { throw std::runtime_error("slot failed"); };
  signal.Connect(&a, &Listener::On);
  signal.Connect(&thrower, &Listener::On);
  signal.Connect(&c, &Listener::On);
  EXPECT_THROW(signal.Raise(1), std::runtime_error);
  EXPECT_EQ((Journal{"a:1", "thrower:1"}), journal);

  // The signal is still usable, and a disconnection made before the throw holds.
  journal.clear();
  thrower.action = [&] {
    signal.Disconnect(&c, &Listener::On);
    throw std::runtime_error("again");
  };
  EXPECT_THROW(signal.Raise(2), std::runtime_error);
  thrower.action = nullptr;
  signal.Raise(3);
  EXPECT_EQ((Journal{"a:2", "thrower:2", "a:3", "thrower:3"}), journal);
}

TEST(Signal, ConnectingAndDisconnectingDuringARaise) {
  Signal<int> signal;
  Journal journal;
  Listener a(journal, "a"), b(journal, "b"), c(journal, "c"), late(journal, "late");
  // a disconnects c (later in the array) and itself, and connects `late`.
  a.action = [&] {
    signal.Disconnect(&c, &Listener::On);
    signal.Disconnect(&a, &Listener::On);
    for (int i = 0; i < 100; ++i) signal.Connect(&late, &Listener::Other);  // grows the array
  };
  signal.Connect(&a, &Listener::On);
  signal.Connect(&b, &Listener::On);
  signal.Connect(&c, &Listener::On);
  signal.Raise(1);
  EXPECT_EQ((Journal{"a:1", "b:1"}), journal);

  journal.clear();
  signal.Disconnect(&late, &Listener::Other);
  signal.Connect(&late, &Listener::On);
  signal.Raise(2);
  EXPECT_EQ((Journal{"b:2", "late:2"}), journal);
  EXPECT_EQ(2u, signal.SlotCount());
}

TEST(Signal, NestedRaiseOfTheSameSignal) {
  Signal<int> signal;
  Journal journal;
  Listener a(journal, "a"), b(journal, "b");
  a.action = [&] {
    if (journal.size() == 1) {
      signal.Disconnect(&b, &Listener::On);
      signal.Raise(9);
    }
  };
  signal.Connect(&a, &Listener::On);
  signal.Connect(&b, &Listener::On);
  signal.Raise(1);
  EXPECT_EQ((Journal{"a:1", "a:9"}), journal);
}

struct Holder {
  void Keep(boost::shared_ptr<const int> p) {
    uses.push_back(p.use_count());
    kept = p;
  }
  std::vector<long> uses;
  boost::shared_ptr<const int> kept;
};

TEST(Signal, EachSlotGetsItsOwnCopyOfSharedPointers) {
  Signal<boost::shared_ptr<const int>> signal;
  Holder first, second;
  signal.Connect(&first, &Holder::Keep);
  signal.Connect(&second, &Holder::Keep);
  signal.Raise(boost::make_shared<const int>(7));
  ASSERT_EQ(1u, first.uses.size());
  EXPECT_GE(first.uses[0], 2);  // the raise's copy and the slot's own
  EXPECT_EQ(first.kept, second.kept);
  EXPECT_EQ(2, first.kept.use_count());  // only the two holders keep it now
}

TEST(SignalManager, OneHubWithEverySignal) {
  Signals::SignalManager* hub = Signals::SignalManager::Instance();
  EXPECT_EQ(hub, Signals::SignalManager::Instance());
  Journal journal;
  Listener listener(journal, "scale");
  hub->ConnectToScaleChanged(&listener, &Listener::On);
  hub->ConnectToCommandStatus(&listener, &Listener::Other);
  hub->ScaleChanged(4);
  hub->CommandStatus(4);
  hub->ReaderProgress(50);  // nobody listens
  hub->DisconnectFromScaleChanged(&listener, &Listener::On);
  hub->DisconnectFromCommandStatus(&listener, &Listener::Other);
  hub->ScaleChanged(5);
  EXPECT_EQ((Journal{"scale:4", "scale other:4"}), journal);
}

}  // namespace
}  // namespace Orvanta
