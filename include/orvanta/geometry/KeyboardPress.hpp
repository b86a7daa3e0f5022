// KeyboardPress: one keystroke, carried from the host's window to any listener
// by the signal hub's KeyboardPressNotify.
//
//   auto press = boost::make_shared<Orvanta::KeyboardPress>(
//       Orvanta::KeyboardPress::KeyDown, 0x41, 'A', Orvanta::KeyboardPress::ShiftState(1));
//   Orvanta::Signals::SignalManager::Instance()->KeyboardPressNotify(press);
#pragma once

#include <bitset>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API KeyboardPress {
 public:
  // The key's transition.
  enum KeyMove { KeyDown = 0, KeyUp = 1, KeyPress = 2 };
  // A set over the host's shift-state values 0 to 10 (shift, alt, ctrl, mouse
  // buttons and the like); bit n is value n.
  typedef std::bitset<11> ShiftState;

  KeyboardPress(KeyMove move, unsigned short key, char character, ShiftState shift)
      : key_(key), character_(character), shift_(shift), move_(move) {}

  unsigned short Key() const { return key_; }
  char Character() const { return character_; }
  ShiftState Shift() const { return shift_; }
  KeyMove Move() const { return move_; }

 private:
  unsigned short key_;
  char character_;
  ShiftState shift_;
  KeyMove move_;
};

}  // namespace Orvanta
