#include "archive/logger_turn.h"

namespace kirv {

bool StartLoggerTurns(SingleWriterLock& lock, StatisticsLogger& logger,
                      const std::vector<MonitorEntry>& entries) {
  lock.TryTake();  // else a tick takes it once the holder has ended
  lock.TakeBaselines(logger, entries);
  return !lock.LogsElsewhere();
}

WriterTurn TakeLoggerTurn(SingleWriterLock& lock, StatisticsLogger& logger,
                          const std::vector<MonitorEntry>& entries,
                          const LoggerDisplaysSink& show) {
  const WriterTurn turn = lock.TurnAtTick();
  if (turn == WriterTurn::kWrite) {
    show(logger.Timer1Timer(entries));
    lock.SaveBaselines(logger);
  } else if (turn == WriterTurn::kTakenOver) {
    lock.TakeBaselines(logger, entries);
  }
  return turn;
}

void EndLoggerTurns(SingleWriterLock& lock, StatisticsLogger& logger,
                    const std::vector<MonitorEntry>& entries, const LoggerDisplaysSink& show) {
  if (lock.LogsElsewhere()) return;
  show(logger.WriteFinalRecords(entries));
  lock.SaveBaselines(logger);
}

}  // namespace kirv
