#include "parallel_cleaning.h"

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "frame_cleaner.h"

namespace quillane::cli {
namespace {

// Each worker reads a frame, cleans it and writes it, so a frame stays in one
// core's caches from input to output. Reads take turns under one lock, which
// numbers the frames; writes wait for their number, which keeps input order.
class OrderedWorkers {
public:
    OrderedWorkers(FrameReader& reader, OutputFile& output, Progress& progress)
        : reader_(reader), output_(output), progress_(progress) {}

    void work(FrameCleaner& cleaner) {
        Frame frame;
        frame.bytes.resize(reader_.format().frameBytes);
        try {
            for (std::uint64_t number; read(frame, number);) {
                cleaner.clean(frame.bytes.data());
                write(frame, number);
            }
        } catch (...) {
            fail(std::current_exception());
        }
    }

    // The first failure of any worker, rethrown once all have stopped.
    void rethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    bool read(Frame& frame, std::uint64_t& number) {
        std::lock_guard lock(readMutex_);
        if (ended_ || stopped()) return false;
        if (!reader_.read(frame)) {
            ended_ = true;
            return false;
        }
        number = nextRead_++;
        return true;
    }

    void write(const Frame& frame, std::uint64_t number) {
        {
            std::unique_lock lock(writeMutex_);
            turn_.wait(lock, [&] { return nextWrite_ == number || failure_; });
            if (failure_) return;
        }
        // Only the holder of the turn writes, so the output needs no lock of its own.
        output_.write(frame.frameLine.data(), frame.frameLine.size());
        output_.write(frame.bytes.data(), frame.bytes.size());
        progress_.frameDone();
        {
            std::lock_guard lock(writeMutex_);
            ++nextWrite_;
        }
        turn_.notify_all();
    }

    void fail(std::exception_ptr error) {
        {
            std::lock_guard lock(writeMutex_);
            if (!failure_) failure_ = error;
        }
        turn_.notify_all();
    }

    bool stopped() {
        std::lock_guard lock(writeMutex_);
        return static_cast<bool>(failure_);
    }

    FrameReader& reader_;
    OutputFile& output_;
    Progress& progress_;
    std::mutex readMutex_, writeMutex_;
    std::condition_variable turn_;
    std::uint64_t nextRead_ = 0, nextWrite_ = 0;
    bool ended_ = false;
    std::exception_ptr failure_;
};

}  // namespace

void cleanStream(FrameReader& reader, OutputFile& output, const FilterSettings& settings, unsigned threads,
                 Progress& progress) {
    std::vector<std::unique_ptr<FrameCleaner>> cleaners;
    for (unsigned i = 0; i < threads; ++i) cleaners.push_back(std::make_unique<FrameCleaner>(reader.format(), settings));
    output.write(reader.format().header.data(), reader.format().header.size());

    OrderedWorkers workers(reader, output, progress);
    {
        // The calling thread is the last worker; jthreads join on the way out.
        std::vector<std::jthread> others;
        for (unsigned i = 1; i < threads; ++i) others.emplace_back([&, i] { workers.work(*cleaners[i]); });
        workers.work(*cleaners[0]);
    }
    workers.rethrowFailure();
}

}  // namespace quillane::cli
