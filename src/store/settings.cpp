// The settings and score file: its place, its five entries, and the number texts it stores.
#include "settings.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <span>
#include <system_error>
#include <vector>

#include "readwriteini.h"

namespace pennix {
namespace {

constexpr std::string_view kOptions = "Options";
constexpr std::string_view kScore = "Score";
constexpr std::string_view kMessage = "Message";
constexpr std::string_view kLevel = "Level";
constexpr std::string_view kSpeed = "Speed";
constexpr std::string_view kMarks = "Marks";
constexpr std::string_view kYou = "You";
constexpr std::string_view kMe = "Me";
constexpr std::string_view kText = "Text";
constexpr std::string_view kGreeting = "Hello, world!";
// What a first start plays.
constexpr std::string_view kDefaultLevel = "Hard";
constexpr std::string_view kDefaultSpeed = "Fast";

// Far beyond the 16-bit range, so that a longer run of digits cannot overflow.
constexpr std::int64_t kDigitCeiling = 1'000'000'000;

bool IsWritableDirectory(const std::filesystem::path& directory) {
    std::error_code error;
    return std::filesystem::is_directory(directory, error) &&
           ::access(directory.c_str(), W_OK | X_OK) == 0;
}

// The XDG rule: a relative path in the variable is ignored.
std::optional<std::filesystem::path> AbsolutePath(const std::optional<std::string>& text) {
    if (!text || text->empty() || text->front() != '/') {
        return std::nullopt;
    }
    return std::filesystem::path(*text);
}

// Without HOME, as under some service managers, the account's entry still names the home.
std::optional<std::filesystem::path> AccountHome() {
    // The size the C library suggests may be too small for an entry from a directory service.
    constexpr std::size_t kLargestEntry = 1 << 20;
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    int error = 0;
    while ((error = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) ==
               ERANGE &&
           buffer.size() < kLargestEntry) {
        buffer.resize(buffer.size() * 2);
    }
    if (error != 0 || found == nullptr || found->pw_dir == nullptr) {
        return std::nullopt;
    }
    return AbsolutePath(std::string(found->pw_dir));
}

std::optional<std::filesystem::path> UserConfigDirectory(const EnvironmentLookup& environment) {
    if (auto config = AbsolutePath(environment("XDG_CONFIG_HOME"))) {
        return config;
    }
    auto home = AbsolutePath(environment("HOME"));
    if (!home) {
        home = AccountHome();
    }
    return home ? std::optional(*home / ".config") : std::nullopt;
}

// The folders an installed game's program lies in. Root may write to them, but a file there
// would belong to no package, and root's score belongs in root's own folder like anyone's. A
// game built or unpacked elsewhere under /usr (in /usr/src, say) keeps its file beside it.
bool IsSystemProgramDirectory(const std::filesystem::path& directory) {
    static const std::array<std::filesystem::path, 5> kProgramDirectories{
        "/usr/bin", "/usr/games", "/usr/local/bin", "/usr/local/games", "/bin"};
    std::filesystem::path normal = directory.lexically_normal();
    if (!normal.has_filename()) {
        normal = normal.parent_path();  // "/usr/bin/" is "/usr/bin"
    }
    return std::find(kProgramDirectories.begin(), kProgramDirectories.end(), normal) !=
           kProgramDirectories.end();
}

// The per-user directory may not exist yet; beside the program it always does.
void CreateDirectoryOf(const std::filesystem::path& file) {
    std::error_code ignored;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ignored);
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the text as a sign, digits, a point and digits, skipping blanks anywhere among them.
class NumberScanner {
  public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    // The whole part and the rounding of the fraction, as a magnitude with its sign apart.
    std::int64_t RoundedMagnitude() {
        std::int64_t whole = 0;
        while (IsDigit(Peek())) {
            whole = std::min(whole * 10 + (Take() - '0'), kDigitCeiling);
        }
        if (Peek() != '.') {
            return whole;
        }
        Take();
        const int first = IsDigit(Peek()) ? Take() - '0' : 0;
        bool beyond_half = false;
        while (IsDigit(Peek())) {
            beyond_half = Take() != '0' || beyond_half;
        }
        const bool round_up = first > 5 || (first == 5 && (beyond_half || whole % 2 == 1));
        return whole + (round_up ? 1 : 0);
    }

    // Skips a leading sign, plus or minus; true when it was a minus.
    bool TakeSign() {
        const char sign = Peek();
        if (sign == '-' || sign == '+') {
            Take();
        }
        return sign == '-';
    }

  private:
    char Peek() {
        while (position_ < text_.size() && IsBlank(text_[position_])) {
            ++position_;
        }
        return position_ < text_.size() ? text_[position_] : '\0';
    }
    char Take() { return text_[position_++]; }

    std::string_view text_;
    std::size_t position_ = 0;
};

std::size_t ChoiceIndex(std::span<const std::string_view> texts, std::string_view text,
                        std::size_t unknown) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            return i;
        }
    }
    return unknown;
}

// The five entries of a first start: the defaults, no wins and the greeting.
void WriteDefaultSettings(const std::filesystem::path& file) {
    CreateDirectoryOf(file);
    const std::array<IniEntry, 5> entries{{{kOptions, kLevel, kDefaultLevel},
                                           {kOptions, kSpeed, kDefaultSpeed},
                                           {kScore, kYou, "0"},
                                           {kScore, kMe, "0"},
                                           {kMessage, kText, kGreeting}}};
    WriteIniValues(file, entries);
}

}  // namespace

std::optional<std::string> SystemEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::filesystem::path SettingsFile(const std::filesystem::path& program_directory,
                                   const EnvironmentLookup& environment) {
    if (IsSystemProgramDirectory(program_directory) || !IsWritableDirectory(program_directory)) {
        if (auto config = UserConfigDirectory(environment)) {
            return *config / "pennix" / kSettingsFileName;
        }
    }
    return program_directory / kSettingsFileName;
}

Settings LoadSettings(const std::filesystem::path& file) {
    return {ReadIniValue(file, kOptions, kLevel), ReadIniValue(file, kOptions, kSpeed),
            NumberFromText(ReadIniValue(file, kScore, kYou)),
            NumberFromText(ReadIniValue(file, kScore, kMe)), ReadIniValue(file, kOptions, kMarks)};
}

Settings LoadOrCreateSettings(const std::filesystem::path& file) {
    Settings settings = LoadSettings(file);
    if (settings.level != kIniMissing) {
        return settings;
    }
    WriteDefaultSettings(file);
    return {std::string(kDefaultLevel), std::string(kDefaultSpeed), 0, 0};
}

bool SaveSettings(const std::filesystem::path& file, const Settings& settings) {
    CreateDirectoryOf(file);
    const std::string human_wins = NumberText(settings.human_wins);
    const std::string computer_wins = NumberText(settings.computer_wins);
    const std::array<IniEntry, 6> entries{{{kOptions, kLevel, settings.level},
                                           {kOptions, kSpeed, settings.speed},
                                           {kMessage, kText, kGreeting},
                                           {kScore, kYou, human_wins},
                                           {kScore, kMe, computer_wins},
                                           {kOptions, kMarks, settings.marks}}};
    const bool marks_known = settings.marks != kIniMissing;
    return WriteIniValues(file, std::span(entries).first(marks_known ? 6 : 5));
}

std::string NumberText(std::int16_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::int16_t NumberFromText(std::string_view text) {
    NumberScanner scanner(text);
    const bool negative = scanner.TakeSign();
    const std::int64_t magnitude = scanner.RoundedMagnitude();
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::size_t LevelIndex(std::string_view text) {
    return ChoiceIndex(kLevelTexts, text, kUnknownLevelIndex);
}
std::size_t SpeedIndex(std::string_view text) {
    return ChoiceIndex(kSpeedTexts, text, kSpeedTexts.size() - 1);
}

}  // namespace pennix
