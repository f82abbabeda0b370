#pragma once

#include <QIcon>
#include <QList>
#include <QObject>

namespace kirv {

// A numbered set of small pictures, owned by a form and lent to the components that show them.
class TImageList : public QObject {
 public:
  explicit TImageList(QObject* owner = nullptr) : QObject(owner) {}

  void Add(const QIcon& icon) { images_.append(icon); }
  int Count() const { return static_cast<int>(images_.size()); }
  // A null icon for an index outside the list.
  QIcon GetIcon(int index) const {
    return index >= 0 && index < Count() ? images_.at(index) : QIcon();
  }

 private:
  QList<QIcon> images_;
};

}  // namespace kirv
