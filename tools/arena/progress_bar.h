// A progress bar on standard error while a match runs, drawn only when that is a terminal.
#pragma once

#include <atomic>
#include <thread>

namespace pennix::arena {

class ProgressBar {
  public:
    // Starts redrawing the bar from `done` (out of `total`) when standard error is a terminal.
    ProgressBar(const std::atomic<int>& done, int total);
    // Stops and wipes the bar, so that nothing of it is left among the results.
    ~ProgressBar();

    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

  private:
    void Run(std::stop_token stop) const;
    void Draw() const;

    const std::atomic<int>& done_;
    int total_;
    std::jthread thread_;
};

}  // namespace pennix::arena
