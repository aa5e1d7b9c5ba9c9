// Redrawing the progress bar a few times a second from a thread of its own.
#include "progress_bar.h"

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>

namespace pennix::arena {

namespace {

constexpr int kWidth = 40;
// The whole line, "[bar] done/total games", with room for two ten-digit counts.
constexpr int kLineWidth = kWidth + 40;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

ProgressBar::ProgressBar(const std::atomic<int>& done, int total) : done_(done), total_(total) {
    if (isatty(STDERR_FILENO) == 1) {
        thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
    }
}

ProgressBar::~ProgressBar() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
        std::fprintf(stderr, "\r%*s\r", kLineWidth, "");
        std::fflush(stderr);
    }
}

void ProgressBar::Run(std::stop_token stop) const {
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    // Waiting on the stop token rather than sleeping lets the bar vanish as soon as play ends.
    while (!stop.stop_requested()) {
        Draw();
        wake.wait_for(lock, stop, kRedrawEvery, [] { return false; });
    }
}

void ProgressBar::Draw() const {
    const int done = done_.load();
    const int filled = static_cast<int>(static_cast<long long>(done) * kWidth / total_);
    const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '-');
    std::fprintf(stderr, "\r[%s] %d/%d games", bar.c_str(), done, total_);
    std::fflush(stderr);
}

}  // namespace pennix::arena
