// Signals::SignalManager: the process-wide hub of the 29 signals through which
// the library and its host programs announce events.
//
//   class Board {
//    public:
//     Board() { Hub()->ConnectToBroadcast(this, &Board::OnMessage); }
//     ~Board() { Hub()->DisconnectFromBroadcast(this, &Board::OnMessage); }
//     void OnMessage(boost::shared_ptr<Orvanta::Message> message, bool) { ... }
//    private:
//     static Orvanta::Signals::SignalManager* Hub() {
//       return Orvanta::Signals::SignalManager::Instance();
//     }
//   };
//
// For each signal Name there is a raising operation Name(...), and
// ConnectToName / DisconnectFromName member templates taking a listener and
// one of its member functions whose parameters are the signal's arguments.
// Listeners must disconnect before they are destroyed. See Signal.hpp for the
// rules of raising.
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include "orvanta/messages/Signal.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class Message;
class Item;
class BaseDocument;
class BaseApplication;
class Position;
class KeyboardPress;

namespace Signals {

typedef boost::shared_ptr<const Item> ConstItemPtr;
typedef boost::shared_ptr<const BaseDocument> ConstBaseDocumentPtr;
typedef boost::shared_ptr<const BaseApplication> ConstBaseApplicationPtr;

typedef Signal<boost::shared_ptr<Message>, bool> BroadcastSignal;
typedef Signal<ConstBaseApplicationPtr> ApplicationSignal;
typedef Signal<ConstBaseDocumentPtr> DocumentSignal;
typedef Signal<ConstItemPtr> ItemSignal;
typedef Signal<> VoidSignal;
typedef Signal<const std::wstring&> TextSignal;
typedef Signal<int> IntegerSignal;
typedef Signal<HWND> WindowSignal;
typedef Signal<boost::shared_ptr<Position>> PositionSignal;
typedef Signal<boost::shared_ptr<KeyboardPress>> KeyboardSignal;
typedef Signal<unsigned int, unsigned int, long> WindowsMessageSignal;

class ORVANTA_API SignalManager {
 public:
  // The one hub, made on first use and kept until the library is unloaded.
  // Takes no lock: make the first call before other threads use the library.
  static SignalManager* Instance();

  SignalManager(const SignalManager&) = delete;
  SignalManager& operator=(const SignalManager&) = delete;

#define ORVANTA_SIGNAL(Name, Type, Parameters, Arguments)          \
  void Name Parameters { Name##_.Raise Arguments; }                \
  template <class T>                                               \
  void ConnectTo##Name(T* listener, Type::Method<T> method) {      \
    Name##_.Connect(listener, method);                             \
  }                                                                \
  template <class T>                                               \
  void DisconnectFrom##Name(T* listener, Type::Method<T> method) { \
    Name##_.Disconnect(listener, method);                          \
  }
#include "orvanta/messages/Signals.def"

  // Takes ownership of `message` and raises Broadcast with it. The message
  // is destroyed when the last listener lets it go, at once if none listens.
  void Broadcast(Message* message, bool flag);

 private:
  SignalManager();
  ~SignalManager();

#define ORVANTA_SIGNAL(Name, Type, Parameters, Arguments) Type Name##_;
#include "orvanta/messages/Signals.def"
};

}  // namespace Signals
}  // namespace Orvanta
