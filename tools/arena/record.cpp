// Reading game records: the grammar of a line, and replaying the walls by the game's rules.
#include "record.h"

#include <array>
#include <utility>

#include "text.h"

namespace pennix::arena {

namespace {

struct SideName {
    std::string_view name;
    std::int16_t side;
};

constexpr std::array<SideName, 4> kSideNames{{
    {"top", kTop},
    {"bottom", kBottom},
    {"left", kLeft},
    {"right", kRight},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The first three fields of a line and how many it has. Only three are kept, so that a long line
// of many fields costs no more memory than the line itself.
struct Fields {
    std::array<std::string_view, 3> first;
    std::size_t count = 0;
};

Fields SplitFields(std::string_view line) {
    Fields fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            if (fields.count < fields.first.size()) {
                fields.first[fields.count] = line.substr(start, i - start);
            }
            ++fields.count;
        }
    }
    return fields;
}

bool IsBlankOrComment(std::string_view line) {
    for (char c : line) {
        if (!IsBlank(c)) {
            return c == '#';
        }
    }
    return true;
}

// A coordinate in 1..limit, or the reason it is not one.
std::variant<std::int16_t, std::string> ParseCoordinate(std::string_view name,
                                                        std::string_view field, int limit) {
    const std::string range = "1.." + std::to_string(limit);
    if (!IsDecimal(field)) {
        return std::string(name) + " must be a whole number " + range + ", found " + Quoted(field);
    }
    const auto value = ParseDecimal(field);
    if (!value || *value < 1 || *value > static_cast<std::uint64_t>(limit)) {
        return std::string(name) + " " + Quoted(field) + " is out of range " + range;
    }
    return static_cast<std::int16_t>(*value);
}

std::variant<std::int16_t, std::string> ParseSide(std::string_view field) {
    for (const SideName& entry : kSideNames) {
        if (entry.name == field) {
            return entry.side;
        }
    }
    return "unknown side " + Quoted(field) + " (expected top, bottom, left or right)";
}

// "3 5 right": a wall as a record writes it.
std::string WallText(const Wall& wall) {
    std::string_view side = "?";
    for (const SideName& entry : kSideNames) {
        if (entry.side == wall.side) {
            side = entry.name;
        }
    }
    return std::to_string(wall.x) + " " + std::to_string(wall.y) + " " + std::string(side);
}

// Why the wall cannot be drawn, or nothing once it is.
std::optional<std::string> PlayRecordedWall(const Wall& wall, Game& game) {
    if (game.GameOver()) {
        return "the game is over: wall " + WallText(wall) + " cannot be drawn";
    }
    if (!game.IsWallFree(wall.x, wall.y, wall.side)) {
        return "wall " + WallText(wall) + " is already drawn";
    }
    game.PlaceWall(wall);
    return std::nullopt;
}

enum class LineRead { kLine, kEnd, kTooLong };

// std::getline without its appetite: it stops at a line longer than `longest`, the CR of a
// Windows line end not counted. A failed read ends the record; PlayRecord then reports it.
LineRead ReadLine(std::istream& input, std::string& line, std::size_t longest) {
    line.clear();
    bool ended = false;
    char c = 0;
    while (input.get(c)) {
        if (c == '\n') {
            ended = true;
            break;
        }
        if (line.size() > longest) {  // one byte more is room for a CR
            return LineRead::kTooLong;
        }
        line += c;
    }
    if (input.bad()) {
        return LineRead::kEnd;
    }
    const std::size_t carriage_return = !line.empty() && line.back() == '\r' ? 1 : 0;
    if (line.size() - carriage_return > longest) {
        return LineRead::kTooLong;
    }
    return ended || !line.empty() ? LineRead::kLine : LineRead::kEnd;
}

}  // namespace

RecordLine ParseRecordLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (IsBlankOrComment(line)) {
        return NoWall{};
    }
    const Fields fields = SplitFields(line);
    if (fields.count != 3) {
        return "expected three fields X Y SIDE, found " + std::to_string(fields.count);
    }
    const auto x = ParseCoordinate("X", fields.first[0], kColumns);
    if (const auto* message = std::get_if<std::string>(&x)) {
        return *message;
    }
    const auto y = ParseCoordinate("Y", fields.first[1], kRows);
    if (const auto* message = std::get_if<std::string>(&y)) {
        return *message;
    }
    const auto side = ParseSide(fields.first[2]);
    if (const auto* message = std::get_if<std::string>(&side)) {
        return *message;
    }
    return Wall{std::get<std::int16_t>(x), std::get<std::int16_t>(y), std::get<std::int16_t>(side)};
}

std::string RecordError::Text() const {
    return "line " + std::to_string(line) + ": " + message;
}

std::optional<RecordError> PlayRecord(std::istream& record, Game& game) {
    constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";
    std::string text;
    std::int64_t number = 0;
    for (LineRead read; (read = ReadLine(record, text, kLongestRecordLine)) != LineRead::kEnd;) {
        ++number;
        if (read == LineRead::kTooLong) {
            return RecordError{number,
                               "longer than " + std::to_string(kLongestRecordLine) + " bytes"};
        }
        std::string_view content = text;
        if (number == 1 && content.starts_with(kByteOrderMark)) {
            content.remove_prefix(kByteOrderMark.size());
        }
        const RecordLine line = ParseRecordLine(content);
        if (const auto* message = std::get_if<std::string>(&line)) {
            return RecordError{number, *message};
        }
        const auto* wall = std::get_if<Wall>(&line);
        if (wall == nullptr) {
            continue;
        }
        if (auto refusal = PlayRecordedWall(*wall, game)) {
            return RecordError{number, std::move(*refusal)};
        }
    }
    // A stream that reports a failed read must not pass for a shorter record. (The standard input
    // stream reports a failed read as its end; the caller asks stdio.)
    if (record.bad()) {
        return RecordError{number + 1, "the record could not be read"};
    }
    return std::nullopt;
}

}  // namespace pennix::arena
