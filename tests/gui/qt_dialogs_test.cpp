#include "widgets/qt_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirv {
namespace {

TEST(QtDialogsFilter, PairsOfDescriptionAndPatternsBecomeQtsFilterText) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {"Fichiers statistiques|*.mdf", QStringLiteral("Fichiers statistiques (*.mdf)")},
      {"Bitmap|*.bmp|Tous|*.*", QStringLiteral("Bitmap (*.bmp);;Tous (*.*)")},
      {"Images|*.bmp;*.png", QStringLiteral("Images (*.bmp *.png)")},
      {"", QString()},
      {"Sans motif", QString()},
  };
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(QtDialogs::QtFilter(filter), expected) << filter;
  }
}

}  // namespace
}  // namespace kirv
