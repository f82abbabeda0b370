#include "archive/logger_turn.h"

namespace kirv {

bool StartLoggerTurns(SingleWriterLock& lock, StatisticsLogger& logger,
                      const std::vector<MonitorEntry>& entries) {
  lock.TryTake();  // else a tick takes it once the holder has ended
  lock.TakeBaselines(logger, entries);
  return !lock.LogsElsewhere();
}

LoggerTurn TakeLoggerTurn(SingleWriterLock& lock, StatisticsLogger& logger,
                          const std::vector<MonitorEntry>& entries) {
  LoggerTurn turn{lock.TurnAtTick(), {}};
  if (turn.turn == WriterTurn::kWrite) {
    turn.displays = logger.Timer1Timer(entries);
    lock.SaveBaselines(logger);
  } else if (turn.turn == WriterTurn::kTakenOver) {
    lock.TakeBaselines(logger, entries);
  }
  return turn;
}

LoggerDisplays EndLoggerTurns(SingleWriterLock& lock, StatisticsLogger& logger,
                              const std::vector<MonitorEntry>& entries) {
  if (lock.LogsElsewhere()) return {};
  LoggerDisplays displays = logger.WriteFinalRecords(entries);
  lock.SaveBaselines(logger);
  return displays;
}

}  // namespace kirv
