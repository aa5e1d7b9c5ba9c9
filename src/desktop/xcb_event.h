// The X events the game's native event filters look for.
#pragma once

#include <xcb/xcb.h>

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace pennix {

// The event code of an X event handed to a native event filter; none for another platform's
// messages. The top bit of the type only marks an event another client sent.
inline std::optional<std::uint8_t> XcbEventCode(const QByteArray& type, const void* message) {
    if (type != "xcb_generic_event_t") {
        return std::nullopt;
    }
    return static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f;
}

}  // namespace pennix
