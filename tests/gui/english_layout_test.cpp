// The English captions of the configuration dialog and the totals window fit their controls.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTranslator>
#include <functional>
#include <string>

#include "app/forms.h"
#include "gui/event_wait.h"
#include "gui/started_program.h"
#include "platform/translations.h"
#include "totals/totals_window.h"

namespace kirv {
namespace {

struct WindowCase {
  const char* name;
  const char* title;  // in English
  std::function<QWidget*()> window;
};

// Why the control's caption does not show whole, or nothing. Neighbours of the French bounds
// may share a one-pixel edge.
std::string Clipped(const QWidget* w) {
  if (!w->parentWidget()->rect().contains(w->geometry())) return "leaves its parent";
  const auto* box = qobject_cast<const QGroupBox*>(w);
  if (box != nullptr && box->fontMetrics().horizontalAdvance(box->title()) + 16 > box->width()) {
    return "narrower than its title";
  }
  if (box == nullptr && w->sizeHint().width() > w->width()) return "narrower than its caption";
  for (const QWidget* other :
       w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect shared = other->geometry().intersected(w->geometry());
    if (other != w && other->isVisible() && qobject_cast<const QLabel*>(w) != nullptr &&
        shared.width() > 1 && shared.height() > 1) {
      return std::string("covered by ") + other->metaObject()->className();
    }
  }
  return "";
}

class EnglishLayoutTest : public testing::StartedProgramTest,
                          public ::testing::WithParamInterface<WindowCase> {
 protected:
  void SetUp() override {
    StartedProgramTest::SetUp();
    ASSERT_TRUE(english_.load(QStringLiteral(":/i18n/kirv_en.qm")));
    QCoreApplication::installTranslator(&english_);
    services.numberFormat.texts = &ProgramTexts();
  }
  void TearDown() override {
    StartedProgramTest::TearDown();
    QCoreApplication::removeTranslator(&english_);
  }

  QTranslator english_;
};

TEST_P(EnglishLayoutTest, EveryCaptionShowsWhole) {
  fakes.interfaces.Add("eth0");
  Start();
  QWidget* window = GetParam().window();
  window->show();
  ASSERT_TRUE(testing::RunEventsUntil([window] { return window->isVisible(); }));
  EXPECT_EQ(window->windowTitle().toStdString(), GetParam().title);
  auto* pages = window->findChild<QTabWidget*>();
  int checked = 0;
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    QCoreApplication::processEvents();
    for (QWidget* w : pages->widget(page)->findChildren<QWidget*>()) {
      if (!w->isVisible() || (!w->inherits("QLabel") && !w->inherits("QAbstractButton") &&
                              !w->inherits("QGroupBox"))) {
        continue;
      }
      ++checked;
      const QVariant text = w->property("text");
      EXPECT_EQ(Clipped(w), "")
          << (text.isValid() ? text : w->property("title")).toString().toStdString();
    }
  }
  EXPECT_GT(checked, 10);
}

INSTANTIATE_TEST_SUITE_P(Windows, EnglishLayoutTest,
                         ::testing::Values(WindowCase{"Configuration", "Settings",
                                                      [] { return Form1; }},
                                           WindowCase{"Totals", "Totals",
                                                      [] {
                                                        Form5->ShowPlan(PlanFigures{});
                                                        return Form5;
                                                      }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kirv
