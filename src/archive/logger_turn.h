#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "archive/statistics_logger.h"

namespace kirv {

// What a logging tick may do, given who appends to the data folder's archives.
enum class WriterTurn {
  kWrite,      // this process holds the lock: log as usual
  kTakenOver,  // another process held the lock, which is now ours: take the baselines it left,
               // write from the next tick
  kElsewhere,  // another process holds it: write nothing
};

// The lock that keeps a data folder to one writer, the desktop program or "kirv log", and hands
// the logger's baselines over from one writer to the next.
class SingleWriterLock {
 public:
  virtual ~SingleWriterLock() = default;

  // Takes the lock when no other process holds it. True while this process holds it.
  virtual bool TryTake() = 0;
  virtual bool Held() const = 0;
  // At each logging tick: keeps, takes over or leaves the logging.
  virtual WriterTurn TurnAtTick() = 0;
  // Another process held the lock at the last try: this one must not append.
  virtual bool LogsElsewhere() const = 0;
  // The process id of the holder when it is known to live, else 0.
  virtual std::int64_t HolderPid() const = 0;

  // The logger's baselines once this process holds the lock: those the last writer left, else
  // the current counters.
  virtual void TakeBaselines(StatisticsLogger& logger,
                             const std::vector<MonitorEntry>& entries) = 0;
  // Leaves the logger's baselines for the next writer; after every tick that wrote and at quit.
  virtual void SaveBaselines(const StatisticsLogger& logger) = 0;
};

// At start: the lock when nobody holds it, and the baselines. True when this process writes.
bool StartLoggerTurns(SingleWriterLock& lock, StatisticsLogger& logger,
                      const std::vector<MonitorEntry>& entries);

// Shows what the records written say, before the baselines are left: a problem with the records
// is said before one with the baselines.
using LoggerDisplaysSink = std::function<void(const LoggerDisplays&)>;

// One logging tick: records (shown) and the baselines left while this process writes, the last
// writer's baselines when it has just taken over, nothing while another process writes.
WriterTurn TakeLoggerTurn(SingleWriterLock& lock, StatisticsLogger& logger,
                          const std::vector<MonitorEntry>& entries, const LoggerDisplaysSink& show);

// At quit: the final records (shown) and the baselines left when this process writes, else
// nothing.
void EndLoggerTurns(SingleWriterLock& lock, StatisticsLogger& logger,
                    const std::vector<MonitorEntry>& entries, const LoggerDisplaysSink& show);

}  // namespace kirv
