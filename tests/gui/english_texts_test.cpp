// Every window, page, menu and message in English: each is opened once in French and once with
// the English catalogue, compiled with its untranslated messages marked "§", and no English text
// may carry the mark, hold French letters or stay the French one without being in the catalogue.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "archive/temp_directory.h"
#include "case_name.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_window.h"
#include "meter/meter_window.h"
#include "platform/translations.h"
#include "totals/totals_window.h"

namespace kirv {
namespace {

using testing::FakeServices;
using testing::FakeTrayShell;
using testing::MemorySettingsStore;
using testing::TrayShellLog;

struct ShownText {
  QString where;  // the widget's path from its window
  QString text;
};
using ShownTexts = std::vector<ShownText>;

// The English texts of the catalogue: a text that is one of them is English, whatever it holds.
QSet<QString> KnownTranslations() {
  QFile file(QStringLiteral(KIRV_ENGLISH_CATALOGUE));
  QSet<QString> known;
  if (!file.open(QIODevice::ReadOnly)) return known;
  QXmlStreamReader xml(&file);
  const auto isTranslation = [&xml] {
    return xml.name() == QLatin1String("translation") || xml.name() == QLatin1String("numerusform");
  };
  QString text;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement && isTranslation()) text.clear();
    if (token == QXmlStreamReader::Characters) text += xml.text();
    if (token == QXmlStreamReader::EndElement && isTranslation()) {
      if (!text.trimmed().isEmpty()) known.insert(text);
      text.clear();
    }
  }
  return known;
}

bool HasFrenchLetters(const QString& text) {
  static const QRegularExpression letters(QStringLiteral("[éèàçêôûîùâëïœÉÈÀÇÊ]"));
  return letters.match(text).hasMatch();
}

// Words left once figures, units, interface names and the program's name are taken out: a text
// without any shows nothing to translate.
bool HasWords(QString text, const QStringList& names) {
  static const QRegularExpression figures(QStringLiteral(
      "\\b(\\d+([.,]\\d+)?\\s?([KMGT]?B|[kKMG]/s|kB/s|[kmg]bps|ms|%)?|KIRV|[Bb]eta)\\b"));
  for (const QString& name : names) text.remove(name);
  text.remove(figures);
  return text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

QString Step(const QObject* object) {
  const QObject* parent = object->parent();
  const int index = parent != nullptr ? static_cast<int>(parent->children().indexOf(object)) : 0;
  return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char('#') +
         QString::number(index);
}

QString PathOf(const QObject* object, const QObject* window) {
  QString path = Step(object);
  for (const QObject* p = object; p != window && p->parent() != nullptr;) {
    p = p->parent();
    path = Step(p) + QLatin1Char('/') + path;
  }
  return path;
}

// Shown when it and its parents up to the window are shown, a page of a stack (a tab not
// chosen) counting as shown.
bool Shown(const QWidget* widget, const QWidget* window) {
  for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
    if (w->isHidden() && qobject_cast<const QStackedWidget*>(w->parentWidget()) == nullptr) {
      return false;
    }
  }
  return true;
}

void Add(ShownTexts& out, const QString& where, const QString& text) {
  if (!text.trimmed().isEmpty()) out.push_back({where, text});
}

// A menu's own texts; its submenus are collected as menus of the window.
void CollectMenu(ShownTexts& out, const QMenu* menu, const QString& where) {
  Add(out, where, menu->title());
  for (const QAction* action : menu->actions()) {
    if (!action->isVisible() || action->isSeparator()) continue;
    Add(out, where + QStringLiteral("/action"), action->text());
    if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&'))) {
      Add(out, where + QStringLiteral("/action tooltip"), action->toolTip());
    }
  }
}

void CollectWidget(ShownTexts& out, const QWidget* w, const QString& at) {
  Add(out, at + QStringLiteral(" tooltip"), w->toolTip());
  if (const auto* label = qobject_cast<const QLabel*>(w)) Add(out, at, label->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) Add(out, at, button->text());
  if (const auto* group = qobject_cast<const QGroupBox*>(w)) Add(out, at, group->title());
  if (const auto* edit = qobject_cast<const QLineEdit*>(w)) Add(out, at, edit->placeholderText());
  if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) Add(out, at + QStringLiteral(" tab"), tabs->tabText(i));
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
    for (int i = 0; i < combo->count(); ++i) {
      Add(out, at + QStringLiteral(" item"), combo->itemText(i));
    }
  }
  if (const auto* list = qobject_cast<const QListWidget*>(w)) {
    for (int i = 0; i < list->count(); ++i) {
      Add(out, at + QStringLiteral(" item"), list->item(i)->text());
    }
  }
  if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
    for (int c = 0; c < table->columnCount(); ++c) {
      if (const QTableWidgetItem* header = table->horizontalHeaderItem(c)) {
        Add(out, at + QStringLiteral(" header"), header->text());
      }
      for (int r = 0; r < table->rowCount(); ++r) {
        if (const QTableWidgetItem* item = table->item(r, c)) {
          Add(out, at + QStringLiteral(" cell"), item->text());
        }
      }
    }
  }
}

// Everything a window shows: its title, its shown widgets, and the menus it can open.
ShownTexts Collect(const QWidget* window) {
  ShownTexts out;
  Add(out, Step(window) + QStringLiteral(" title"), window->windowTitle());
  CollectWidget(out, window, Step(window));
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (qobject_cast<const QMenu*>(w) != nullptr) {
      CollectMenu(out, qobject_cast<const QMenu*>(w), PathOf(w, window));
    } else if (Shown(w, window)) {
      CollectWidget(out, w, PathOf(w, window));
    }
  }
  return out;
}

// A desktop program of fakes: an interface, an archive in the graph and totals, a data plan, and
// an interface table that cannot be read, which a message box says.
struct Session {
  explicit Session(const std::string& archive) {
    fakes.interfaces.Add("eth0", 1000, 100);
    fakes.interfaces.available = false;
    fakes.settings.exists = true;
    const std::pair<const char*, MemorySettingsStore::Value> values[] = {
        {"Graphfile", archive}, {"Legende", 1}, {"planOn", 1}, {"planLimit", "1048576"}};
    for (const auto& [name, value] : values) {
      fakes.settings.values[MemorySettingsStore::Key(name)] = value;
    }
    services.numberFormat.texts = &ProgramTexts();
    StartUp(services, std::make_unique<FakeTrayShell>(log));
  }
  ~Session() { ShutDown(); }

  FakeServices fakes;
  Services services = fakes.Get();
  TrayShellLog log;
};

struct WindowCase {
  const char* name;
  std::function<ShownTexts(Session&)> open;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

ShownTexts Strings(const std::vector<std::string>& texts, const char* where) {
  ShownTexts out;
  for (const std::string& text : texts) {
    Add(out, QString::fromLatin1(where), QString::fromStdString(text));
  }
  return out;
}

const WindowCase kWindows[] = {
    {"splash, tray menu and tray hint",
     [](Session& o) {
       ShownTexts out = Collect(Form4);
       Form4->Timer1Timer(Form4->Timer1);
       for (const TrayShellLog::Call& call : o.log.calls) {
         Add(out, QStringLiteral("tray hint"), call.tip);
       }
       return out;
     }},
    {"meter and its menu",
     [](Session&) {
       Form3->show();
       Form3->Timer1Timer(Form3->Timer1);
       return Collect(Form3);
     }},
    {"configuration, every page",
     [](Session&) {
       Form1->show();
       return Collect(Form1);
     }},
    {"history graph traced with its statistics",
     [](Session&) {
       Form2->show();
       Form2->Button2Click(Form2->Button2);
       return Collect(Form2);
     }},
    {"totals with the data plan",
     [](Session&) {
       Form5->show();
       Form5->Button1Click(Form5->Button1);
       return Collect(Form5);
     }},
    {"stopwatch running",
     [](Session&) {
       Form6->show();
       Form6->Button1Click(Form6->Button1);
       Form6->Timer2Timer(Form6->Timer2);
       return Collect(Form6);
     }},
    {"about box",
     [](Session&) {
       OKBottomDlg->show();
       return Collect(OKBottomDlg);
     }},
    {"message boxes",
     [](Session& o) {
       o.fakes.dialogs.saveAnswers = {std::string("/nonexistent/kirv/shot.bmp")};
       Form2->BitBtn1Click(Form2->BitBtn1);
       return Strings(o.fakes.dialogs.messages, "message box");
     }},
};

class EnglishTextsTest : public testing::TempDirectoryTest,
                         public ::testing::WithParamInterface<WindowCase> {
 protected:
  void SetUp() override {
    TempDirectoryTest::SetUp();
    WriteArchive(Archive(), {{{2026, 4, 19, 12, 0, 0}, 3000000, 300000},
                             {{2026, 4, 20, 9, 55, 0}, 30720000, 3072000}});
  }
  ShownTexts Open() {
    Session session(Archive());
    return GetParam().open(session);
  }

  std::string Archive() const { return (dir_ / "eth0.mdf").string(); }
};

// A text is left untranslated when it carries the mark of an untranslated message, or holds
// French letters, or shows words exactly as the French window does at the same place, unless it
// is one of the catalogue's English texts ("OK" stays "OK").
TEST_P(EnglishTextsTest, ShowsNoTextLeftUntranslated) {
  QSet<QString> french;
  for (const ShownText& s : Open()) french.insert(s.where + QLatin1Char('\n') + s.text);
  QTranslator translator;
  ASSERT_TRUE(translator.load(QStringLiteral(KIRV_MARKED_CATALOGUE)));
  QCoreApplication::installTranslator(&translator);
  const ShownTexts shown = Open();
  QCoreApplication::removeTranslator(&translator);
  ASSERT_FALSE(shown.empty());

  const QSet<QString> known = KnownTranslations();
  const QStringList names = {QString::fromStdString(Archive()), QStringLiteral("eth0")};
  QStringList offending;
  for (const ShownText& s : shown) {
    if (known.contains(s.text)) continue;
    const bool unchanged = french.contains(s.where + QLatin1Char('\n') + s.text);
    if (s.text.contains(QStringLiteral("§")) || HasFrenchLetters(s.text) ||
        (unchanged && HasWords(s.text, names))) {
      offending << s.where + QStringLiteral(": ") + s.text;
    }
  }
  EXPECT_TRUE(offending.isEmpty()) << offending.size() << " text(s) not in English:\n"
                                   << offending.join(QLatin1Char('\n')).toStdString();
}

// The accelerator of a text: the letter after a single "&", lower case; nothing without one.
QString Accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// Two entries of one menu with the same accelerator make its key move between them rather than
// choose one: in French and in English, each entry of a menu has its own.
TEST_P(EnglishTextsTest, GivesEachEntryOfAMenuItsOwnAccelerator) {
  QTranslator translator;
  ASSERT_TRUE(translator.load(QStringLiteral(KIRV_MARKED_CATALOGUE)));
  for (const bool english : {false, true}) {
    if (english) QCoreApplication::installTranslator(&translator);
    const ShownTexts shown = Open();
    if (english) QCoreApplication::removeTranslator(&translator);
    QMap<QString, QStringList> taken;  // menu and accelerator: the entries that have it
    for (const ShownText& s : shown) {
      const QString key = Accelerator(s.text);
      if (s.where.endsWith(QStringLiteral("/action")) && !key.isEmpty()) {
        taken[s.where + QLatin1Char(' ') + key] << s.text;
      }
    }
    for (auto it = taken.cbegin(); it != taken.cend(); ++it) {
      EXPECT_EQ(it.value().size(), 1)
          << (english ? "English " : "French ") << it.key().toStdString() << ": "
          << it.value().join(QStringLiteral(", ")).toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, EnglishTextsTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return testing::CaseName({info.param.name}); });

}  // namespace
}  // namespace kirv
