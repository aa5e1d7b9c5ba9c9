// The one-line JSON layout shared by every command that prints JSON.
#include "json_layout.h"

namespace pennix::arena {

namespace {

constexpr int kNoIndent = -1;
constexpr bool kEnsureAscii = true;

std::string Scalar(const nlohmann::ordered_json& value) {
    return value.dump(kNoIndent, ' ', kEnsureAscii);
}

void Append(const nlohmann::ordered_json& value, std::string& out) {
    if (value.is_object()) {
        out += '{';
        const char* separator = "";
        for (auto item = value.begin(); item != value.end(); ++item) {
            out += separator;
            out += Scalar(item.key());
            out += ": ";
            Append(item.value(), out);
            separator = ", ";
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        const char* separator = "";
        for (const auto& element : value) {
            out += separator;
            Append(element, out);
            separator = ", ";
        }
        out += ']';
    } else {
        out += Scalar(value);
    }
}

}  // namespace

std::string OneLineJson(const nlohmann::ordered_json& value) {
    std::string out;
    Append(value, out);
    return out;
}

}  // namespace pennix::arena
