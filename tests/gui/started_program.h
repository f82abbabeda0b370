#pragma once

// The whole program started over fakes and the real writer lock, in a fresh working directory (the
// archive files, the snapshots and "debug.txt" live there), shut down and removed after each test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "app/forms.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "config/qt_check_list.h"
#include "config/settings_schema.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_window.h"
#include "meter/meter_window.h"
#include "platform/writer_lock.h"
#include "support/temp_folder.h"

// Readable QStrings in the failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace kirv::testing {

class StartedProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    services.writerLock = &writerLock_;
  }
  void TearDown() override {
    if (started_) ShutDown();
    std::filesystem::current_path(previous_);
  }

  void Start() {
    StartUp(services, std::make_unique<FakeTrayShell>(log));
    started_ = true;
  }

  // A key as a save writes it, every global value at its default, but without "firstlaunch",
  // which each test stores or leaves out.
  void StoreOnce() {
    for (const SettingDefinition& d : kGlobalSettings) {
      if (d.name == "firstlaunch") continue;
      if (d.type == SettingType::kString) {
        Store(std::string(d.name), std::string(d.defaultText));
      } else {
        Store(std::string(d.name), d.defaultNumber);
      }
    }
  }
  void Store(const std::string& name, MemorySettingsStore::Value value) {
    fakes.settings.exists = true;
    fakes.settings.values[MemorySettingsStore::Key(name)] = std::move(value);
  }
  // The stored integer (a bool's 1 or 0), or nothing when absent or a string.
  std::optional<std::int32_t> StoredNumber(const std::string& name) const {
    const auto it = fakes.settings.values.find(MemorySettingsStore::Key(name));
    if (it == fakes.settings.values.end()) return std::nullopt;
    if (const auto* number = std::get_if<std::int32_t>(&it->second)) return *number;
    return std::nullopt;
  }
  std::optional<std::string> StoredText(const std::string& name) const {
    const auto it = fakes.settings.values.find(MemorySettingsStore::Key(name));
    if (it == fakes.settings.values.end()) return std::nullopt;
    if (const auto* text = std::get_if<std::string>(&it->second)) return *text;
    return std::nullopt;
  }

  static void Touch(const std::string& name) { std::ofstream(name) << ""; }

  // One sampling tick of the meter, as its timer runs it.
  static void MeterTick() { Form3->Timer1Timer(Form3->Timer1); }

  // Mouse events as the toolkit delivers them to a control, at a position relative to it.
  static void Mouse(QWidget* widget, QEvent::Type type, QPoint at,
                    Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }

  FakeServices fakes;
  Services services = fakes.Get();
  TrayShellLog log;
  TempFolder folder_{"kirv-gui"};
  std::filesystem::path dir_ = folder_.Path();
  // The program's own, as "kirv log" started by a test finds it.
  WriterLock writerLock_{QString::fromStdString(dir_.string())};

 private:
  std::filesystem::path previous_;
  bool started_ = false;
};

}  // namespace kirv::testing
