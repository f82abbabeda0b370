#pragma once

// The facts a freshly started window shows, one row each: a control's caption, bounds, state or
// item, read once the program has started, and the value it holds. QVariant compares values of
// one type exactly, and numbers by value whatever their type.

#include <gtest/gtest.h>

#include <QDebug>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Readable values in the failure messages.
inline void PrintTo(const QVariant& value, std::ostream* out) {
  QString text;
  QDebug(&text).nospace() << value;
  *out << text.toStdString();
}

namespace kirv::testing {

struct DesignFact {
  const char* name;
  std::function<QVariant()> shown;
  QVariant expected;
};

inline void PrintTo(const DesignFact& fact, std::ostream* out) { *out << fact.name; }

// Each row is one check of the windows the test has started.
template <typename Fixture>
class DesignFactsTest : public Fixture, public ::testing::WithParamInterface<DesignFact> {
 protected:
  void ExpectFact() const { EXPECT_EQ(this->GetParam().shown(), this->GetParam().expected); }
};

// Texts as a row compares and prints them.
inline QStringList Listed(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << QString::fromStdString(text);
  return list;
}

inline std::string FactName(const ::testing::TestParamInfo<DesignFact>& info) {
  return info.param.name;
}

}  // namespace kirv::testing
