// The private-profile format held in memory: the line grammar shared by the reader and the writer.
#include "ini_text.h"

namespace pennix {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreaks = "\r\n";
constexpr std::string_view kNewFileLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Names are single-byte text; only the ASCII letters have a case to ignore.
char LowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerCase(a[i]) != LowerCase(b[i])) {
            return false;
        }
    }
    return true;
}

struct Line {
    std::size_t offset = 0;  // where the body starts in the whole text
    std::string_view body;
    std::string_view end;  // "\r\n", "\n", "\r", or empty on a last line without one

    std::size_t Next() const { return offset + body.size() + end.size(); }
};

// The line starting at `offset`, which must lie inside `text`.
Line LineAt(std::string_view text, std::size_t offset) {
    const std::size_t stop = text.find_first_of(kLineBreaks, offset);
    if (stop == std::string_view::npos) {
        return {offset, text.substr(offset), {}};
    }
    const bool crlf = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n';
    return {offset, text.substr(offset, stop - offset), text.substr(stop, crlf ? 2 : 1)};
}

std::size_t FirstLineOffset(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

enum class LineKind { kOther, kComment, kHeader, kKey };

struct ParsedLine {
    LineKind kind = LineKind::kOther;
    std::string_view name;         // section name of a header, key name of a key line (untrimmed)
    std::string_view value;        // the raw text after the first "=" of a key line
    std::size_t value_offset = 0;  // where that text starts within the body
};

ParsedLine ParseLine(std::string_view body) {
    const std::string_view trimmed = Trim(body);
    if (trimmed.starts_with(';')) {
        return {LineKind::kComment, {}, {}, 0};
    }
    if (trimmed.starts_with('[')) {
        // Text after the last "]" is ignored; without a "]" the line is not a header.
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            return {LineKind::kHeader, trimmed.substr(1, close - 1), {}, 0};
        }
    }
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::kOther, {}, {}, 0};
    }
    return {LineKind::kKey, body.substr(0, equals), body.substr(equals + 1), equals + 1};
}

std::string CleanValue(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    // The value reaches its reader as a C string.
    return std::string(value.substr(0, value.find('\0')));
}

std::string_view LineEndOf(std::string_view text) {
    const std::size_t offset = FirstLineOffset(text);
    if (offset >= text.size()) {
        return kNewFileLineEnd;
    }
    const std::string_view end = LineAt(text, offset).end;
    return end.empty() ? kNewFileLineEnd : end;
}

bool HoldsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool CanWriteKey(std::string_view key) {
    const std::string_view trimmed = Trim(key);
    return !trimmed.empty() && key.find('=') == std::string_view::npos &&
           !trimmed.starts_with(';') && !trimmed.starts_with('[');
}

// Where the writer acts: the key line to change, or the place a new key line goes.
struct WritePlace {
    bool section_found = false;
    std::optional<Line> key_line;
    Line last_line;  // the section's last non-blank line, its header at least
};

WritePlace FindWritePlace(std::string_view text, std::string_view section, std::string_view key) {
    WritePlace place;
    for (std::size_t offset = FirstLineOffset(text); offset < text.size();) {
        const Line line = LineAt(text, offset);
        offset = line.Next();
        const ParsedLine parsed = ParseLine(line.body);
        if (parsed.kind == LineKind::kHeader) {
            if (place.section_found) {
                break;
            }
            place.section_found = SameName(parsed.name, section);
            place.last_line = line;
            continue;
        }
        if (!place.section_found) {
            continue;
        }
        if (parsed.kind == LineKind::kKey && SameName(parsed.name, key)) {
            place.key_line = line;
            break;
        }
        if (!Trim(line.body).empty()) {
            place.last_line = line;
        }
    }
    return place;
}

std::string ReplaceValue(std::string_view text, const Line& line, std::string_view value) {
    const std::size_t value_start = line.offset + ParseLine(line.body).value_offset;
    std::string result(text.substr(0, value_start));
    result.append(value).append(text.substr(line.offset + line.body.size()));
    return result;
}

// After `last_line`, the section's last non-blank line.
std::string InsertKeyLine(std::string_view text, const Line& last_line, std::string_view key_line) {
    // The line before it decides the new line's end: a lone CR copied from elsewhere would
    // join a LF that follows into one CRLF, and a blank line would be lost. A last line without
    // an end, at the end of the text, gets the text's own first.
    const std::size_t insert_at = last_line.Next();
    const bool ends_text = last_line.end.empty();
    const std::string_view line_end = ends_text ? LineEndOf(text) : last_line.end;
    std::string result(text.substr(0, insert_at));
    result.append(ends_text ? line_end : "").append(key_line).append(line_end);
    result.append(text.substr(insert_at));
    return result;
}

std::string AppendSection(std::string_view text, std::string_view section,
                          std::string_view key_line) {
    const std::string_view line_end = LineEndOf(text);
    std::string result(text);
    if (text.size() > FirstLineOffset(text) &&
        kLineBreaks.find(text.back()) == std::string_view::npos) {
        result.append(line_end);
    }
    result.append("[").append(section).append("]").append(line_end);
    result.append(key_line).append(line_end);
    return result;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    bool in_section = false;
    for (std::size_t offset = FirstLineOffset(text); offset < text.size();) {
        const Line line = LineAt(text, offset);
        offset = line.Next();
        const ParsedLine parsed = ParseLine(line.body);
        if (parsed.kind == LineKind::kHeader) {
            // Of two sections with the same name only the first is ever read.
            if (in_section) {
                return std::nullopt;
            }
            in_section = SameName(parsed.name, section);
        } else if (in_section && parsed.kind == LineKind::kKey && SameName(parsed.name, key)) {
            return CleanValue(parsed.value);
        }
    }
    return std::nullopt;
}

std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
    if (HoldsLineBreakOrNul(section) || HoldsLineBreakOrNul(key) || HoldsLineBreakOrNul(value) ||
        !CanWriteKey(key)) {
        return std::nullopt;
    }
    const std::string key_line = std::string(key) + "=" + std::string(value);
    const WritePlace place = FindWritePlace(text, section, key);
    if (place.key_line) {
        return ReplaceValue(text, *place.key_line, value);
    }
    if (place.section_found) {
        return InsertKeyLine(text, place.last_line, key_line);
    }
    return AppendSection(text, section, key_line);
}

}  // namespace pennix
