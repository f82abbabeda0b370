#include "config/qt_check_list.h"

namespace kirv {

void AddCheckItem(QListWidget& list, const QString& text) {
  auto* item = new QListWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
  list.addItem(item);
}

bool IsChecked(const QListWidget& list, int row) {
  const QListWidgetItem* item = list.item(row);
  return item != nullptr && item->checkState() == Qt::Checked;
}

void SetChecked(QListWidget& list, int row, bool checked) {
  if (QListWidgetItem* item = list.item(row)) {
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<bool> CheckStates(const QListWidget& list) {
  std::vector<bool> states(static_cast<std::size_t>(list.count()));
  for (int row = 0; row < list.count(); ++row) states[row] = IsChecked(list, row);
  return states;
}

}  // namespace kirv
