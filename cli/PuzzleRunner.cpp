#include "PuzzleRunner.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace zd {

namespace {

// Outcomes finished by the workers, waiting to be delivered in order.
class OutcomeQueue
{
public:
    explicit OutcomeQueue(size_t count)
        : slots(count)
    { }

    void put(size_t index, PuzzleOutcome &&outcome)
    {
        {
            std::lock_guard lock(mutex);
            slots[index] = std::move(outcome);
            ++finished;
        }
        ready.notify_one();
    }

    // Waits for outcome `index`, telling progress meanwhile.
    PuzzleOutcome take(size_t index, const ReportProgress &progress)
    {
        std::unique_lock lock(mutex);
        while (!slots[index]) {
            ready.wait_for(lock, std::chrono::milliseconds(100));
            const size_t done = finished;
            lock.unlock();
            progress(done);
            lock.lock();
        }
        PuzzleOutcome outcome = std::move(*slots[index]);
        slots[index].reset();
        return outcome;
    }

    size_t finishedCount()
    {
        std::lock_guard lock(mutex);
        return finished;
    }

private:
    std::mutex mutex;
    std::condition_variable ready;
    std::vector<std::optional<PuzzleOutcome>> slots;
    size_t finished = 0;
};

} // namespace

void runPuzzles(const std::vector<PuzzleEntry> &entries, int jobs, const SolveOne &solve,
                const DeliverOne &deliver, const ReportProgress &progress)
{
    if (jobs <= 1 || entries.size() <= 1) {
        for (size_t i = 0; i < entries.size(); ++i) {
            progress(i);
            deliver(i, solve(entries[i]));
        }
        progress(entries.size());
        return;
    }
    OutcomeQueue queue(entries.size());
    std::atomic<size_t> next { 0 };
    const size_t threadCount = std::min(static_cast<size_t>(jobs), entries.size());
    std::vector<std::thread> workers;
    for (size_t t = 0; t < threadCount; ++t)
        workers.emplace_back([&] {
            for (size_t i = next++; i < entries.size(); i = next++)
                queue.put(i, solve(entries[i]));
        });
    for (size_t i = 0; i < entries.size(); ++i) {
        PuzzleOutcome outcome = queue.take(i, progress);
        deliver(i, std::move(outcome));
        progress(queue.finishedCount());
    }
    for (std::thread &worker : workers)
        worker.join();
}

} // namespace zd
