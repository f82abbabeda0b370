#include "widgets/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <utility>

namespace kirv {

namespace {

constexpr int kLongestHint = 63;  // characters; longer hints are ignored

}  // namespace

TTrayIcon::TTrayIcon(QObject* owner, std::unique_ptr<TrayShell> shell)
    : QObject(owner), shell_(std::move(shell)), icon_(QApplication::windowIcon()) {
  OnAnimate = [this](QObject* sender) { DoOnAnimate(sender); };
  animateTimer_.setInterval(1000);
  connect(&animateTimer_, &QTimer::timeout, this, [this] {
    if (OnAnimate) OnAnimate(this);
  });
  shell_->SetMouseHandler(
      [this](TrayMouseMessage mouse) { DoMessage(TrayMessage::kNotify, mouse); });
  Update();
}

TTrayIcon::~TTrayIcon() { shell_->Delete(); }

void TTrayIcon::Loaded() {
  loading_ = false;
  if (icons_) {
    RunAnimation(animate_);
    icon_ = icons_->GetIcon(iconIndex_);
  } else {
    animate_ = false;
    icon_ = QApplication::windowIcon();
  }
  Update();
}

void TTrayIcon::SetVisible(bool visible) {
  visible_ = visible;
  if (visible) {
    if (!shell_->Add(icon_, ShownTip())) {
      throw OutOfResourcesError("Cannot Create System Shell Notification Icon");
    }
    hide_ = true;
    hooked_ = HookedWindow();
    if (hooked_) hooked_->installEventFilter(this);
  } else {
    if (!shell_->Delete()) {
      throw OutOfResourcesError("Cannot Remove System Shell Notification Icon");
    }
    hide_ = false;
    if (hooked_) hooked_->removeEventFilter(this);
    hooked_ = nullptr;
  }
}

void TTrayIcon::SetHint(const QString& text) {
  if (text == hint_ || text.size() > kLongestHint) return;
  hint_ = text;
  tip_ = text;
  tipShown_ = !text.isEmpty();
  Update();
}

void TTrayIcon::SetPopupMenu(QMenu* menu) {
  popupMenu_ = menu;
  HandMenuToShell();
}

void TTrayIcon::SetPopupMenuOn(TTrayIconMessage on) {
  popupMenuOn_ = on;
  HandMenuToShell();
}

void TTrayIcon::HandMenuToShell() {
  shell_->SetMenu(popupMenuOn_ == TTrayIconMessage::imNone ? nullptr : popupMenu_.data());
}

void TTrayIcon::SetIconIndex(int index) {
  iconIndex_ = index;
  if (icons_) icon_ = icons_->GetIcon(index);
  Update();
}

void TTrayIcon::SetAnimate(bool animate) {
  if (!icons_ && !loading_) return;
  animate_ = animate;
  if (icons_) RunAnimation(animate);
}

int TTrayIcon::DoMessage(TrayMessage message, TrayMouseMessage mouse) {
  switch (message) {
    case TrayMessage::kQueryEndSession:
      return 1;
    case TrayMessage::kEndSession:
      EndSession();
      break;
    case TrayMessage::kNotify:
      HandleMouse(mouse);
      break;
  }
  return 0;
}

void TTrayIcon::HandleMouse(TrayMouseMessage mouse) {
  using M = TrayMouseMessage;
  switch (mouse) {
    case M::kMouseMove:
      if (OnClick) {
        const QPoint at = QCursor::pos();
        DoMouseMove({QGuiApplication::queryKeyboardModifiers(), Qt::NoButton}, at.x(), at.y());
      }
      break;
    case M::kLeftButtonDown:
    case M::kLeftButtonUp:
    case M::kLeftButtonDoubleClick:
      Button(Qt::LeftButton, mouse);
      break;
    case M::kRightButtonDown:
    case M::kRightButtonUp:
    case M::kRightButtonDoubleClick:
      Button(Qt::RightButton, mouse);
      break;
    case M::kMiddleButtonDown:
    case M::kMiddleButtonUp:
    case M::kMiddleButtonDoubleClick:
      Button(Qt::MiddleButton, mouse);
      break;
  }
}

// One button's press, release or double click; the left and right buttons also restore or open
// the menu on their own actions.
void TTrayIcon::Button(Qt::MouseButton button, TrayMouseMessage mouse) {
  using M = TrayMouseMessage;
  const QPoint at = QCursor::pos();
  const ShiftState shift{QGuiApplication::queryKeyboardModifiers(), button};
  const bool left = button == Qt::LeftButton;
  const bool right = button == Qt::RightButton;
  switch (mouse) {
    case M::kLeftButtonDown:
    case M::kRightButtonDown:
    case M::kMiddleButtonDown:
      DoMouseDown(button, shift, at.x(), at.y());
      break;
    case M::kLeftButtonUp:
    case M::kRightButtonUp:
    case M::kMiddleButtonUp:
      if (left && OnClick) DoClick();
      DoMouseUp(button, shift, at.x(), at.y());
      if (left) ActOn(TTrayIconMessage::imLeftClickUp);
      if (right) ActOn(TTrayIconMessage::imRightClickUp);
      break;
    default:
      DoDblClick();
      if (left) ActOn(TTrayIconMessage::imLeftDoubleClick);
      if (right) ActOn(TTrayIconMessage::imRightDoubleClick);
      break;
  }
}

void TTrayIcon::ActOn(TTrayIconMessage action) {
  if (restoreOn_ == action) Restore();
  if (popupMenuOn_ == action) ShowMenu();
}

void TTrayIcon::DoClick() {
  ActOn(TTrayIconMessage::imClick);
  if (OnClick) OnClick(this);
}

void TTrayIcon::DoDblClick() {
  ActOn(TTrayIconMessage::imDoubleClick);
  if (OnDblClick) OnDblClick(this);
}

void TTrayIcon::DoMouseMove(ShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TTrayIcon::DoMouseDown(Qt::MouseButton button, ShiftState shift, int x, int y) {
  ActOn(TTrayIconMessage::imMouseDown);
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TTrayIcon::DoMouseUp(Qt::MouseButton button, ShiftState shift, int x, int y) {
  ActOn(TTrayIconMessage::imMouseUp);
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TTrayIcon::DoOnAnimate(QObject*) {
  int next = iconIndex_ + 1;
  if (!icons_ || next >= icons_->Count()) next = 0;
  SetIconIndex(next);
}

// Hides every window of the application from the desktop, leaving only the icon.
void TTrayIcon::Minimize() {
  minimized_.clear();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (!window->isVisible() || window == shell_->HostWindow() || type == Qt::Popup ||
        type == Qt::ToolTip) {
      continue;
    }
    minimized_.append(window);
    window->hide();
  }
  if (OnMinimize) OnMinimize(this);
}

// Shows again what Minimize hid and brings it to the front.
void TTrayIcon::Restore() {
  QWidget* front = nullptr;
  for (const QPointer<QWidget>& window : std::as_const(minimized_)) {
    if (!window) continue;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    front = window;
  }
  minimized_.clear();
  if (front) {
    front->raise();
    front->activateWindow();
  }
  if (OnRestore) OnRestore(this);
}

void TTrayIcon::Update() {
  if (visible_) shell_->Modify(icon_, ShownTip());  // a refused update changes nothing
}

void TTrayIcon::ShowMenu() {
  const QPoint at = QCursor::pos();
  if (QWidget* active = QApplication::activeWindow()) active->activateWindow();
  if (popupMenu_) popupMenu_->popup(at);
}

void TTrayIcon::SetDefaultIcon() {
  icon_ = QApplication::windowIcon();
  Update();
}

void TTrayIcon::EndSession() { shell_->Delete(); }

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
  if (watched == hooked_ && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
    const bool was = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
    const bool is = hooked_->isMinimized();
    if (is && !was) Minimize();
    if (was && !is) Restore();
  }
  return false;
}

void TTrayIcon::RunAnimation(bool run) {
  if (run) {
    animateTimer_.start();
  } else {
    animateTimer_.stop();
  }
}

QString TTrayIcon::ShownTip() const { return tipShown_ ? tip_ : QString(); }

// The owner's window stands for the application's main window.
QWidget* TTrayIcon::HookedWindow() const {
  auto* owner = qobject_cast<QWidget*>(parent());
  return owner ? owner->window() : nullptr;
}

}  // namespace kirv
