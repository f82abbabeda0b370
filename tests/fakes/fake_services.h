#pragma once

// Fakes of every service, for the core and window tests.

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "archive/logger_turn.h"
#include "common/services.h"
#include "sampling/interface_name.h"

namespace kirv::testing {

// Scripted rows; every snapshot copies them as they are at the call. Like the kernel, the table
// gives each added link the next interface index and never gives an index twice.
class FakeInterfaceTable : public InterfaceTable {
 public:
  InterfaceSnapshot TakeSnapshot() override {
    ++snapshots;
    if (result != 0) return {result, {}};
    return {0, rows};
  }
  bool IsAvailable() const override { return available; }

  // A new link at the end of the table, named by the interface-name rule.
  void Add(const std::string& description, std::uint64_t in = 0, std::uint64_t out = 0) {
    rows.push_back({in, out, description, InterfaceName(description), ++lastIndex});
  }
  // The link of that name goes: every later row moves up one position.
  void Remove(const std::string& name) {
    std::erase_if(rows, [&](const InterfaceRow& row) { return row.name == name; });
  }
  InterfaceRow& Row(const std::string& name) {
    return *std::find_if(rows.begin(), rows.end(),
                         [&](const InterfaceRow& row) { return row.name == name; });
  }

  std::vector<InterfaceRow> rows;
  int result = 0;
  bool available = true;
  int snapshots = 0;
  int lastIndex = 0;  // the index given to the latest link; lo would be 1
};

// An in-memory key: value names compared without regard to case, like the registry's.
class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<std::string, std::int32_t>;

  void OpenKey(const std::string& path, bool create) override {
    openedPaths.push_back(path);
    open = create || exists;
    if (create) exists = true;
  }
  bool ValueExists(const std::string& name) const override {
    return open && values.count(Key(name)) > 0;
  }
  std::vector<std::string> ValueNames() const override {
    std::vector<std::string> names;
    if (!open) return names;
    for (const auto& entry : values) names.push_back(entry.first);
    return names;
  }
  std::string ReadString(const std::string& name) const override {
    auto it = values.find(Key(name));
    if (!open || it == values.end()) return "";
    if (auto* s = std::get_if<std::string>(&it->second)) return *s;
    throw SettingsError("Invalid data type for '" + name + "'");
  }
  std::int32_t ReadInteger(const std::string& name) const override {
    auto it = values.find(Key(name));
    if (!open || it == values.end()) throw SettingsError("Invalid data type for '" + name + "'");
    if (auto* i = std::get_if<std::int32_t>(&it->second)) return *i;
    throw SettingsError("Invalid data type for '" + name + "'");
  }
  void WriteString(const std::string& name, const std::string& value) override {
    Write(name, value);
  }
  void WriteInteger(const std::string& name, std::int32_t value) override { Write(name, value); }
  void DeleteValue(const std::string& name) override { values.erase(Key(name)); }
  void CloseKey() override {
    ++closes;
    open = false;
  }

  static std::string Key(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
  }

  std::map<std::string, Value> values;
  std::vector<std::string> writeOrder;  // value names in the order written
  std::vector<std::string> openedPaths;
  bool exists = false;      // whether the key exists before the first OpenKey
  bool failWrites = false;  // every write throws, as a key that cannot be written
  bool open = false;
  int closes = 0;

 private:
  void Write(const std::string& name, Value value) {
    if (failWrites || !open) throw SettingsError("Failed to set data for '" + name + "'");
    values[Key(name)] = std::move(value);
    writeOrder.push_back(name);
  }
};

class FakeAutoStartEntry : public AutoStartEntry {
 public:
  bool Exists() const override { return path.has_value(); }
  void Write(const std::string& executablePath) override { path = executablePath; }
  void Remove() override { path.reset(); }
  std::optional<std::string> path;
};

class FakeClock : public Clock {
 public:
  DateTime Now() const override { return now; }
  DateTime now{2026, 4, 20, 10, 0, 0, 0};
};

// Answers come from queues filled by the test; an empty queue answers "cancel".
class FakeDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::optional<std::string> OpenFile(const std::string& filter,
                                      const std::string& initialPath) override {
    openRequests.push_back({filter, initialPath});
    return Pop(openAnswers);
  }
  std::optional<std::string> SaveFile(const std::string& filter,
                                      const std::string& initialPath) override {
    saveRequests.push_back({filter, initialPath});
    return Pop(saveAnswers);
  }
  std::optional<Colour> PickColour(Colour initial) override {
    colourRequests.push_back(initial);
    return Pop(colourAnswers);
  }
  void Beep() override { ++beeps; }

  struct FileRequest {
    std::string filter;
    std::string initialPath;
  };
  std::vector<std::string> messages;
  std::vector<FileRequest> openRequests;
  std::vector<FileRequest> saveRequests;
  std::vector<Colour> colourRequests;
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<std::optional<Colour>> colourAnswers;
  int beeps = 0;

 private:
  template <typename T>
  static std::optional<T> Pop(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

// Scripted facts, counted reads.
class FakeNetworkFacts : public NetworkFactsSource {
 public:
  NetworkFacts ReadNetworkFacts() override {
    ++reads;
    return facts;
  }
  NetworkFacts facts;
  int reads = 0;
};

class FakeNotifier : public Notifier {
 public:
  void Notify(const Notification& notification) override { sent.push_back(notification); }
  std::vector<Notification> sent;
};

// Held unless another process writes; the turns are scripted. The baselines are taken from the
// counters; their saves are counted.
class FakeWriterLock : public SingleWriterLock {
 public:
  bool TryTake() override { return !elsewhere; }
  bool Held() const override { return !elsewhere; }
  WriterTurn TurnAtTick() override {
    elsewhere = turn == WriterTurn::kElsewhere;
    return turn;
  }
  bool LogsElsewhere() const override { return elsewhere; }
  std::int64_t HolderPid() const override { return 0; }
  void TakeBaselines(StatisticsLogger& logger, const std::vector<MonitorEntry>& entries) override {
    logger.TakeBaselines(entries);
  }
  void SaveBaselines(const StatisticsLogger&) override { ++saves; }

  WriterTurn turn = WriterTurn::kWrite;
  bool elsewhere = false;
  int saves = 0;
};

// A full set of fakes, wired into one Services value.
struct FakeServices {
  FakeInterfaceTable interfaces;
  MemorySettingsStore settings;
  FakeAutoStartEntry autoStart;
  FakeClock clock;
  FakeDialogs dialogs;
  FakeNetworkFacts networkFacts;
  FakeNotifier notifier;
  FakeWriterLock writerLock;

  Services Get() {
    Services s;
    s.interfaces = &interfaces;
    s.settings = &settings;
    s.autoStart = &autoStart;
    s.clock = &clock;
    s.dialogs = &dialogs;
    s.networkFacts = &networkFacts;
    s.notifier = &notifier;
    s.writerLock = &writerLock;
    s.numberFormat.decimalSeparator = ',';
    s.executablePath = "/opt/kirv/bin/kirv";
    return s;
  }
};

}  // namespace kirv::testing
