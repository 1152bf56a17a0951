// The status bar along the bottom of the main window: a gradient strip holding text panes side by
// side, with a size grip in its right corner.
#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "form/ColourMaths.h"

namespace gb {

// `colour` with its lightness moved by `delta` on the colour dialog's scale (form/ColourMaths.h).
QColor AdjustLightness(QColor colour, int delta);

// One text pane. It draws no background and no frame: only its caption and, when it does not
// start at the bar's left edge, a separator line on its left.
class TRzFieldStatus : public QWidget {
  Q_OBJECT

 public:
  explicit TRzFieldStatus(QWidget* Parent);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);

  // The pane's designed left edge and width. The bar orders its panes by the left edges and
  // packs them from its own left edge, each keeping its width.
  int DesignLeft() const { return designLeft_; }
  int DesignWidth() const { return designWidth_; }
  void SetDesignPlace(int left, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  int borderWidth_ = 1;
  int designLeft_ = 0;
  int designWidth_ = 100;
};

class TRzStatusBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 26;
  // The part of the bar's right end that resizes the window.
  static constexpr int kSizeGripWidth = 13;

  explicit TRzStatusBar(QWidget* Parent);

  // Whether the grip is wanted at all; it shows only while the window can be resized and is
  // neither maximised nor full screen.
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool show);

  // The panes from left to right.
  QList<TRzFieldStatus*> Panes() const;
  QWidget* SizeGrip() const { return grip_; }

  // Places the panes again; the panes ask for it when their design place changes.
  void Realign();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void WatchWindow();
  void UpdateSizeGrip();

  QWidget* grip_;
  QPointer<QWidget> watchedWindow_;
  bool showSizeGrip_ = true;
};

// The main window's bar as designed, created in the order of the form data; the panes end up
// left to right as rzfldsts3 (author), rzfldsts1 (welcome), rzfldsts2 (web link).
struct TStatusBarControls {
  TRzStatusBar* rzstsbr2 = nullptr;
  TRzFieldStatus* rzfldsts1 = nullptr;
  TRzFieldStatus* rzfldsts2 = nullptr;
  TRzFieldStatus* rzfldsts3 = nullptr;
};
TStatusBarControls CreateStatusBar(QWidget* Parent);

}  // namespace gb
