#include "parallel_cleaning.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "frame_cleaner.h"

namespace quillane::cli {
namespace {

struct Slot {
    Frame frame;
    bool cleaned = false;
};

// Workers take slots from a queue and mark them cleaned; the caller's thread
// reads and writes. Destruction stops and joins the workers, also on error.
class WorkerPool {
public:
    WorkerPool(std::vector<std::unique_ptr<FrameCleaner>> cleaners, std::vector<Slot>& slots) : slots_(slots) {
        cleaners_ = std::move(cleaners);
        for (auto& cleaner : cleaners_) workers_.emplace_back([this, c = cleaner.get()] { work(*c); });
    }
    ~WorkerPool() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        queued_.notify_all();
        for (auto& w : workers_) w.join();
    }

    void submit(std::size_t slot) {
        {
            std::lock_guard lock(mutex_);
            slots_[slot].cleaned = false;
            queue_.push_back(slot);
        }
        queued_.notify_one();
    }

    void waitFor(std::size_t slot) {
        std::unique_lock lock(mutex_);
        cleaned_.wait(lock, [&] { return slots_[slot].cleaned; });
    }

private:
    void work(FrameCleaner& cleaner) {
        std::unique_lock lock(mutex_);
        for (;;) {
            queued_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            const std::size_t slot = queue_.front();
            queue_.pop_front();
            lock.unlock();
            cleaner.clean(slots_[slot].frame.bytes.data());
            lock.lock();
            slots_[slot].cleaned = true;
            cleaned_.notify_all();
        }
    }

    std::vector<Slot>& slots_;
    std::vector<std::unique_ptr<FrameCleaner>> cleaners_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable queued_, cleaned_;
    std::deque<std::size_t> queue_;
    bool stopping_ = false;
};

void writeFrame(OutputFile& output, const Frame& frame) {
    output.write(frame.frameLine.data(), frame.frameLine.size());
    output.write(frame.bytes.data(), frame.bytes.size());
}

}  // namespace

void cleanStream(FrameReader& reader, OutputFile& output, const FilterSettings& settings, unsigned threads,
                 Progress& progress) {
    const StreamFormat& format = reader.format();
    std::vector<std::unique_ptr<FrameCleaner>> cleaners;
    for (unsigned i = 0; i < threads; ++i) cleaners.push_back(std::make_unique<FrameCleaner>(format, settings));
    std::vector<Slot> slots(threads + 2);
    for (Slot& s : slots) s.frame.bytes.resize(format.frameBytes);
    output.write(format.header.data(), format.header.size());

    WorkerPool pool(std::move(cleaners), slots);
    std::uint64_t read = 0, written = 0;
    auto writeOldest = [&] {
        Slot& slot = slots[written % slots.size()];
        pool.waitFor(written % slots.size());
        writeFrame(output, slot.frame);
        ++written;
        progress.frameDone();
    };
    for (;;) {
        if (read - written == slots.size()) writeOldest();
        const std::size_t next = read % slots.size();
        if (!reader.read(slots[next].frame)) break;
        pool.submit(next);
        ++read;
    }
    while (written < read) writeOldest();
}

}  // namespace quillane::cli
