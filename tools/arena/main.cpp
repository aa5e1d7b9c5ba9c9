// pennix-arena: computer-against-computer matches and analysis of positions, without a window.
#include <CLI/CLI.hpp>
#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "text.h"

namespace {

using pennix::arena::kExitBadInput;
using pennix::arena::kExitFailure;

constexpr const char* kDescription =
    "Pennix without a window: what the computer would play in a position, and matches between "
    "its levels.";

constexpr const char* kAnalyzeFooter =
    "Reads a game record on standard input: one wall per line, \"X Y SIDE\", with X 1..10, Y 1..8 "
    "and SIDE one of top, bottom, left, right. Blank lines and lines starting with # are "
    "ignored. The walls are drawn from a new game by the game's rules, the human first. Prints "
    "one JSON object: whose turn it is, the box counts, whether the game is over, and the wall "
    "each move finder would draw (take_box, safe_walls, leave_two_boxes, least_loss_wall; a wall "
    "is [x, y, side] with side 1 left, 2 right, 4 top, 8 bottom; least_loss_wall adds the "
    "boxes the opponent would win after it, those on offer included), then expert_wall, the "
    "Expert level's wall for the player to move, and expert_value, the net number of unowned "
    "boxes the player to move wins with perfect play on both sides (null with more than 20 free "
    "walls). A bad line is reported "
    "as \"line N: ...\" on standard error with exit status 2; input that cannot be read, with "
    "exit status 1.";

constexpr const char* kMatchFooter =
    "Levels: easy, medium, hard, genius, expert, in any case. The two levels draw the first wall "
    "of a game in turn, A "
    "in the even-numbered games. Each game's seed comes from --seed and the game's number, so "
    "the results are the same for any --jobs; only the timings change. Score per game: 1 for a "
    "win, 0.5 for a draw, 0 for a loss; the table gives its mean and the 95% interval "
    "mean +/- 1.96 x sd / sqrt(n), sd being the sample standard deviation of the per-game "
    "scores and n the number of games. Thinking time is measured per wall, in microseconds.";

CLI::App* AddMatch(CLI::App& app, pennix::arena::MatchArguments& arguments) {
    CLI::App* match =
        app.add_subcommand("match", "Play computer against computer and tally the results.");
    match->footer(kMatchFooter);
    match->add_option("LEVEL_A", arguments.level_a, "first level")->required();
    match->add_option("LEVEL_B", arguments.level_b, "second level")->required();
    match->add_option("--games", arguments.games, "number of games, at least 1")
        ->type_name("N")
        ->capture_default_str();
    match->add_option("--seed", arguments.seed, "seed of the whole match, 0..2^64-1")
        ->type_name("S")
        ->capture_default_str();
    match->add_option("--jobs", arguments.jobs, "games played side by side, 1..64")
        ->type_name("J")
        ->capture_default_str();
    match->add_flag("--json", arguments.json, "print the figures as one JSON object");
    return match;
}

// The command whose arguments were being read, for a message that points at the right help.
std::string CommandName(const CLI::App& app) {
    const std::vector<CLI::App*> commands = app.get_subcommands();
    return commands.empty() ? "pennix-arena" : "pennix-arena " + commands.front()->get_name();
}

int ReportParseError(const CLI::App& app, const CLI::ParseError& error) {
    // --help arrives here as an "error" whose exit code is success.
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
        const int status = app.exit(error);
        return status == 0 ? pennix::arena::FinishOutput() : status;
    }
    const std::string command = CommandName(app);
    std::cerr << command << ": " << pennix::arena::Printable(error.what()) << " (see " << command
              << " --help)\n";
    return kExitBadInput;
}

int Run(int argc, char** argv) {
    CLI::App app(kDescription, "pennix-arena");
    app.require_subcommand(0, 1);
    CLI::App* analyze = app.add_subcommand(
        "analyze", "Print what each move finder would draw after a game record.");
    analyze->footer(kAnalyzeFooter);
    pennix::arena::MatchArguments match_arguments;
    CLI::App* match = AddMatch(app, match_arguments);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return ReportParseError(app, error);
    }
    if (analyze->parsed()) {
        return pennix::arena::RunAnalyze();
    }
    if (match->parsed()) {
        try {
            return pennix::arena::RunMatch(match_arguments);
        } catch (const pennix::arena::UsageError& error) {
            std::cerr << "pennix-arena match: " << error.what() << '\n';
            return kExitBadInput;
        }
    }
    std::cerr << app.help();
    return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that has gone away (`pennix-arena match ... | head -1`) would otherwise end the
    // program silently with SIGPIPE; ignored, the write fails with EPIPE and is reported as any
    // other output that could not be written.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "pennix-arena: " << error.what() << '\n';
        return kExitFailure;
    }
}
