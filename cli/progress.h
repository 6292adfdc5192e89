#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace quillane::cli {

// Frames done and the rate on one rewritten stderr line while stderr is a
// terminal, with percent and time left when the total is known; a summary
// line at the end. Quiet shows nothing.
class Progress {
public:
    Progress(bool quiet, std::optional<std::uint64_t> expectedFrames);

    void frameDone();
    void finish();

private:
    double seconds() const;

    bool live_, summary_;
    std::optional<std::uint64_t> expected_;
    std::uint64_t frames_ = 0;
    std::chrono::steady_clock::time_point start_, lastShown_;
    bool shown_ = false;
};

}  // namespace quillane::cli
