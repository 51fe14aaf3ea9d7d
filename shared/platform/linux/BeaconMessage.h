// The messages running programs of the suite send each other over the instance socket: one
// byte each, so a reader never has to buffer or trust a length.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orbilo::platform {

enum class BeaconMessage : std::uint8_t {
    Activate = 0x01,     // restore and raise your main window
    Acknowledge = 0x06,  // the holder's answer to Activate
};

// A client never sends more than this; anything longer is not one of ours.
inline constexpr std::size_t kMaxBeaconMessageBytes = 4;

}  // namespace orbilo::platform
