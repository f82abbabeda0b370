#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>

#include "widgets/image_list.h"
#include "widgets/tray_shell.h"

class QMenu;
class QWidget;

namespace kirv {

// Which mouse action over the icon restores the application or opens the menu.
enum class TTrayIconMessage {
  imClick,
  imDoubleClick,
  imMouseDown,
  imMouseUp,
  imLeftClickUp,
  imLeftDoubleClick,
  imRightClickUp,
  imRightDoubleClick,
  imNone,
};

// The messages the component's window receives: the session's end and the icon's notifications.
enum class TrayMessage { kQueryEndSession, kEndSession, kNotify };

// Keyboard modifiers held and mouse buttons involved, as mouse events report them.
struct ShiftState {
  Qt::KeyboardModifiers keys;
  Qt::MouseButtons buttons;
};

// Raised when the notification area refuses to add or remove the icon.
class OutOfResourcesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One icon in the notification area: keeps its picture and tooltip current, turns the mouse
// notifications into events and can minimise the application to the tray. The owner sets the
// properties, then calls Loaded().
class TTrayIcon : public QObject {
 public:
  using TNotifyEvent = std::function<void(QObject* sender)>;
  using TMouseEvent =
      std::function<void(QObject* sender, Qt::MouseButton button, ShiftState shift, int x, int y)>;
  using TMouseMoveEvent = std::function<void(QObject* sender, ShiftState shift, int x, int y)>;

  TTrayIcon(QObject* owner, std::unique_ptr<TrayShell> shell);
  ~TTrayIcon() override;

  // After the owner has set the properties: picks the picture and starts the animation.
  virtual void Loaded();

  bool Visible() const { return visible_; }
  // Throws OutOfResourcesError when the shell refuses; Visible keeps the requested value.
  virtual void SetVisible(bool visible);
  const QString& Hint() const { return hint_; }
  // Texts of 64 characters or more are ignored.
  void SetHint(const QString& text);
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QMenu* menu);
  bool Hide() const { return hide_; }
  void SetHide(bool hide) { hide_ = hide; }
  TTrayIconMessage RestoreOn() const { return restoreOn_; }
  void SetRestoreOn(TTrayIconMessage on) { restoreOn_ = on; }
  TTrayIconMessage PopupMenuOn() const { return popupMenuOn_; }
  // While some action opens the menu, the notification area may also show or export it.
  void SetPopupMenuOn(TTrayIconMessage on);
  TImageList* Icons() const { return icons_; }
  void SetIcons(TImageList* icons) { icons_ = icons; }
  int IconIndex() const { return iconIndex_; }
  virtual void SetIconIndex(int index);
  int AnimateInterval() const { return animateTimer_.interval(); }  // ms
  void SetAnimateInterval(int ms) { animateTimer_.setInterval(ms); }
  bool Animate() const { return animate_; }
  // Kept only with an image list, or while the owner is still setting the properties.
  void SetAnimate(bool animate);

  // Answers 1 to the query of the session's end, 0 otherwise. The mouse message goes with
  // kNotify only.
  virtual int DoMessage(TrayMessage message, TrayMouseMessage mouse = TrayMouseMessage::kMouseMove);
  virtual void Minimize();
  virtual void Restore();
  virtual void Update();
  virtual void ShowMenu();
  virtual void SetDefaultIcon();
  void EndSession();

  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnClick;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseEvent OnMouseDown;
  TNotifyEvent OnAnimate;  // the animation timer's handler, DoOnAnimate at construction
  TNotifyEvent OnDblClick;

 protected:
  virtual void DoClick();
  virtual void DoDblClick();
  virtual void DoMouseMove(ShiftState shift, int x, int y);
  virtual void DoMouseDown(Qt::MouseButton button, ShiftState shift, int x, int y);
  virtual void DoMouseUp(Qt::MouseButton button, ShiftState shift, int x, int y);
  virtual void DoOnAnimate(QObject* sender);

  // The application hook: a minimise or restore of the owner's window asked for by the user
  // (a spontaneous state change) also minimises or restores through the tray.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void HandleMouse(TrayMouseMessage mouse);
  void Button(Qt::MouseButton button, TrayMouseMessage mouse);
  void ActOn(TTrayIconMessage action);
  void RunAnimation(bool run);
  QString ShownTip() const;
  void HandMenuToShell();
  QWidget* HookedWindow() const;

  std::unique_ptr<TrayShell> shell_;
  QIcon icon_;   // the picture handed to the shell
  QString tip_;  // the tooltip handed to the shell while tipShown_
  bool tipShown_ = false;
  QPointer<TImageList> icons_;
  QPointer<QMenu> popupMenu_;
  QString hint_;
  int iconIndex_ = 0;
  bool visible_ = false;
  bool hide_ = true;
  bool animate_ = false;
  bool loading_ = true;
  TTrayIconMessage restoreOn_ = TTrayIconMessage::imDoubleClick;
  TTrayIconMessage popupMenuOn_ = TTrayIconMessage::imNone;
  QTimer animateTimer_;
  QPointer<QWidget> hooked_;
  QList<QPointer<QWidget>> minimized_;  // the windows that Minimize hid
};

}  // namespace kirv
