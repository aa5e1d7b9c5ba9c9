// A game record: one wall per line as "X Y SIDE", replayed from a new game by the game's rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "game/board.h"
#include "game/game.h"

namespace pennix::arena {

// The most bytes a line may hold, its newline not counted. A wall needs a dozen; the bound only
// keeps input that never ends a line (/dev/zero, say) from taking all memory.
inline constexpr std::size_t kLongestRecordLine = 65536;

// A line that carries no wall: blank, or a comment starting with '#'.
struct NoWall {};

// What one line of a record says: nothing, a wall, or why it cannot be read.
using RecordLine = std::variant<NoWall, Wall, std::string>;

RecordLine ParseRecordLine(std::string_view line);

struct RecordError {
    std::int64_t line = 0;  // counted from 1, blank lines and comments included; never overflows
    std::string message;

    // "line N: message", the form in which the error is reported.
    std::string Text() const;
};

// Draws the record's walls on a game that has just been started, the human first. Stops at the
// first line that cannot be read or whose wall is not free.
std::optional<RecordError> PlayRecord(std::istream& record, Game& game);

}  // namespace pennix::arena
