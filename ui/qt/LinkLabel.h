// What the web links have in common: the two looks (normal, hot) and the mouse events their
// handlers are written against (click, move with shift state and position, leave).
#pragma once

#include <QObject>
#include <QRgb>
#include <Qt>

#include "ui/qt/EventGuard.h"

class QWidget;

namespace gb {

enum class TLinkState { Normal, Hot };

inline constexpr QRgb kLinkNormalColour = 0xFF000000;  // black
inline constexpr QRgb kLinkHotColour = 0xFF0000FF;     // pure blue

// Normal: black, bold. Hot: blue, bold and underlined. The colour is set before the style, and a
// value already in place is left alone, so repeated mouse moves cost no repaint.
void SetLinkState(QWidget& link, TLinkState state);

// The mouse events of one control, the way the form's handlers take them. A click is a left
// button press and release both over the control. Pointer moves are reported without a button
// held too, so the control tracks the mouse while this exists.
class TMouseEvents : public QObject {
  Q_OBJECT

 public:
  // The one instance watching `control`, made on first use and owned by the control.
  static TMouseEvents* Of(QWidget* control);

 signals:
  void Click();
  void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void MouseLeave();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit TMouseEvents(QWidget* control);

  QWidget* control_;
  bool pressed_ = false;
};

// Connects the control's click, move and leave events to the form's handlers, each run through
// the guard so an error ends at the application's error box and never unwinds through Qt.
template <class TForm>
void BindMouseEvents(TApplication& application, TForm* form, QWidget* control,
                     void (TForm::*click)(QObject*),
                     void (TForm::*move)(QObject*, Qt::KeyboardModifiers, int, int),
                     void (TForm::*leave)(QObject*)) {
  TMouseEvents* events = TMouseEvents::Of(control);
  QObject::connect(events, &TMouseEvents::Click, form, Guarded(application, form, control, click));
  QObject::connect(events, &TMouseEvents::MouseMove, form,
                   [&application, form, control, move](Qt::KeyboardModifiers shift, int x, int y) {
                     Dispatch(application, control, [=] { (form->*move)(control, shift, x, y); });
                   });
  QObject::connect(events, &TMouseEvents::MouseLeave, form,
                   Guarded(application, form, control, leave));
}

}  // namespace gb
