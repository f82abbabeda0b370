#pragma once

#include <QListWidget>
#include <QString>
#include <vector>

namespace kirv {

// The configuration dialog's interface lists: QListWidgets of checkable items.

// Appends an unchecked item; no change signal is raised.
void AddCheckItem(QListWidget& list, const QString& text);
bool IsChecked(const QListWidget& list, int row);
void SetChecked(QListWidget& list, int row, bool checked);
// The check mark of every position, in order.
std::vector<bool> CheckStates(const QListWidget& list);

}  // namespace kirv
