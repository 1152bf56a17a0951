// The window's push button: a click, Space, or Enter while it has the focus presses it.
#pragma once

#include <QPushButton>

namespace gb {

// Qt's own push button takes Enter only when it is a dialog's (auto-)default button. On the
// desktop this program was made for, Enter presses whichever push button has the focus, while
// still no button is the default: Enter in an edit box presses nothing.
class TButton : public QPushButton {
 public:
  TButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace gb
