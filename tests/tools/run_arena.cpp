// Runs the binary with its three standard streams on temporary files, so that large outputs can
// never block on a full pipe.
#include "run_arena.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pennix::arena::testing {

namespace {

// A temporary file, removed when it goes out of scope.
class TempFile {
  public:
    explicit TempFile(const std::string& contents) {
        std::string pattern = ::testing::TempDir() + "arena_XXXXXX";
        fd_ = mkstemp(pattern.data());
        if (fd_ < 0) {
            throw std::runtime_error("cannot create a temporary file");
        }
        path_ = pattern;
        if (write(fd_, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size())) {
            throw std::runtime_error("cannot write a temporary file");
        }
        lseek(fd_, 0, SEEK_SET);
    }
    ~TempFile() {
        close(fd_);
        unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Descriptor() const { return fd_; }
    std::string Contents() const {
        std::ifstream file(path_, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

  private:
    int fd_ = -1;
    std::string path_;
};

// Standard output goes to `output` when one is given, otherwise to a file read back into `out`.
ArenaRun RunWithInput(const std::vector<std::string>& arguments, int input, int output = -1) {
    TempFile out("");
    TempFile err("");
    std::vector<char*> argv;
    std::string program = PENNIX_ARENA_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        // As a shell starts it, whatever this test process does with SIGPIPE.
        signal(SIGPIPE, SIG_DFL);
        sigset_t pipe_signal;
        sigemptyset(&pipe_signal);
        sigaddset(&pipe_signal, SIGPIPE);
        sigprocmask(SIG_UNBLOCK, &pipe_signal, nullptr);
        dup2(input, STDIN_FILENO);
        dup2(output >= 0 ? output : out.Descriptor(), STDOUT_FILENO);
        dup2(err.Descriptor(), STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ArenaRun run;
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = out.Contents();
    run.err = err.Contents();
    return run;
}

}  // namespace

ArenaRun RunArena(const std::vector<std::string>& arguments, const std::string& input) {
    TempFile in(input);
    return RunWithInput(arguments, in.Descriptor());
}

ArenaRun RunArenaReading(const std::vector<std::string>& arguments, const std::string& path) {
    const int input = open(path.c_str(), O_RDONLY);
    if (input < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    ArenaRun run = RunWithInput(arguments, input);
    close(input);
    return run;
}

ArenaRun RunArenaWriting(const std::vector<std::string>& arguments, const std::string& path) {
    const int output = open(path.c_str(), O_WRONLY);
    if (output < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    TempFile in("");
    ArenaRun run = RunWithInput(arguments, in.Descriptor(), output);
    close(output);
    return run;
}

ArenaRun RunArenaIntoClosedPipe(const std::vector<std::string>& arguments) {
    int ends[2];
    if (pipe(ends) != 0) {
        throw std::runtime_error("cannot create a pipe");
    }
    close(ends[0]);
    TempFile in("");
    ArenaRun run = RunWithInput(arguments, in.Descriptor(), ends[1]);
    close(ends[1]);
    return run;
}

}  // namespace pennix::arena::testing
