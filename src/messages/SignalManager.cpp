#include "orvanta/messages/SignalManager.hpp"

#include "orvanta/messages/Message.hpp"

namespace Orvanta {
namespace Signals {

SignalManager::SignalManager() = default;
SignalManager::~SignalManager() = default;

SignalManager* SignalManager::Instance() {
  static SignalManager hub;
  return &hub;
}

void SignalManager::Broadcast(Message* message, bool flag) {
  Broadcast(boost::shared_ptr<Message>(message), flag);
}

}  // namespace Signals
}  // namespace Orvanta
