#pragma once

// A notification area that records what it is asked, for the window tests.

#include <QIcon>
#include <QString>
#include <algorithm>
#include <vector>

#include "widgets/tray_shell.h"

namespace kirv::testing {

// Outlives the shell, so that a test can read the calls made while the icon is destroyed.
struct TrayShellLog {
  enum class Kind { kAdd, kModify, kDelete };
  struct Call {
    Kind kind;
    qint64 iconKey;  // QIcon::cacheKey of the picture handed over; 0 for a removal
    QString tip;
  };

  int Count(Kind kind) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [kind](const Call& c) { return c.kind == kind; }));
  }

  std::vector<Call> calls;
  bool refuseAdd = false;
  bool refuseDelete = false;
  class FakeTrayShell* shell = nullptr;  // the live shell, to send mouse messages through
};

class FakeTrayShell : public TrayShell {
 public:
  explicit FakeTrayShell(TrayShellLog& log) : log_(log) { log_.shell = this; }
  ~FakeTrayShell() override { log_.shell = nullptr; }

  bool Add(const QIcon& icon, const QString& tip) override {
    log_.calls.push_back({TrayShellLog::Kind::kAdd, icon.cacheKey(), tip});
    return !log_.refuseAdd;
  }
  bool Modify(const QIcon& icon, const QString& tip) override {
    log_.calls.push_back({TrayShellLog::Kind::kModify, icon.cacheKey(), tip});
    return true;
  }
  bool Delete() override {
    log_.calls.push_back({TrayShellLog::Kind::kDelete, 0, QString()});
    return !log_.refuseDelete;
  }

  // As the notification area reports the mouse over the icon.
  void Send(TrayMouseMessage message) { Deliver(message); }

 private:
  TrayShellLog& log_;
};

}  // namespace kirv::testing
