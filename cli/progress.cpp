#include "progress.h"

#include <unistd.h>

#include <cstdio>

namespace quillane::cli {
namespace {

constexpr auto kRefresh = std::chrono::milliseconds(250);

}  // namespace

Progress::Progress(bool quiet, std::optional<std::uint64_t> expectedFrames)
    : live_(!quiet && isatty(STDERR_FILENO) == 1), summary_(!quiet), expected_(expectedFrames),
      start_(std::chrono::steady_clock::now()), lastShown_(start_) {}

double Progress::seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void Progress::frameDone() {
    ++frames_;
    if (!live_) return;
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && now - lastShown_ < kRefresh) return;
    lastShown_ = now;
    shown_ = true;
    const double elapsed = seconds();
    const double rate = elapsed > 0 ? frames_ / elapsed : 0;
    std::fprintf(stderr, "\r%llu frames, %.1f frames/s", static_cast<unsigned long long>(frames_), rate);
    if (expected_ && *expected_ >= frames_ && *expected_ > 0 && rate > 0) {
        const double left = (*expected_ - frames_) / rate;
        std::fprintf(stderr, ", %.0f%%, %.0f s left", 100.0 * frames_ / *expected_, left);
    }
    std::fputs("\033[K", stderr);  // clear what a longer earlier line left
    std::fflush(stderr);
}

void Progress::finish() {
    if (shown_) std::fputs("\r\033[K", stderr);
    if (!summary_) return;
    const double elapsed = seconds();
    std::fprintf(stderr, "quillane: %llu frames in %.2f s (%.1f frames/s)\n", static_cast<unsigned long long>(frames_),
                 elapsed, elapsed > 0 ? frames_ / elapsed : 0.0);
}

}  // namespace quillane::cli
