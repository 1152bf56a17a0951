// The About box: the program's title, the logo and the author's details, with a web link. A new
// box is built for every showing and destroyed when the showing ends (see AboutCommands.h).
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include "form/AboutContent.h"

class QFrame;
class QLabel;
class QPushButton;

namespace gb {

class TApplication;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = kAboutClientWidth;
  static constexpr int kClientHeight = kAboutClientHeight;

  // Owned by `Owner` (the main window), centred over it when shown. The link's handlers run
  // through `Application`'s guard and open the address through its shell seam.
  TAboutBox(QWidget* Owner, TApplication& Application);
  ~TAboutBox() override;

  // Runs the box modally until it closes; the owner takes no input meanwhile.
  int ShowModal();

  QFrame* Panel1;
  QLabel* img1;
  QLabel* ProductName;
  QLabel* lblVersion;
  QLabel* lbl4;
  QLabel* lbl2;
  QLabel* lblComments;
  QLabel* lbl3;
  QLabel* lbl7;
  QLabel* lbl6;
  QPushButton* OKButton;

  void lbl6MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void lbl6MouseLeave(QObject* Sender);
  void lbl6Click(QObject* Sender);
  void OKButtonClick(QObject* Sender);
  void FormClose(QObject* Sender, TCloseAction& Action);
  void FormDestroy(QObject* Sender);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  TApplication& Application;
};

// The one live About box, or null.
extern TAboutBox* AboutBox;

// Where a window of outer size `box` goes when centred over an owner whose outer rectangle is
// `owner`: halves rounded toward zero, never left of or above the desktop's top-left corner.
QPoint OwnerCentredPosition(const QRect& owner, const QSize& box, const QRect& desktop);

}  // namespace gb
