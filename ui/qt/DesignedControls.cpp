#include "ui/qt/DesignedControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "form/MainFormLayout.h"
#include "ui/qt/Button.h"
#include "ui/qt/QtText.h"
#include "ui/qt/StringGrid.h"

namespace gb {

namespace {

// Captions as the design table gives them.
QString Caption(const char* objectName) { return Text(MainFormControl(objectName).Caption); }

}  // namespace

QLabel* NewLabel(QWidget* parent, const char* objectName) {
  auto* label = new QLabel(Caption(objectName), parent);
  label->setObjectName(QString::fromLatin1(objectName));
  return label;
}

QComboBox* NewList(QWidget* parent, const char* objectName, const char* const* items, int count,
                   int selected) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  list->setEditable(false);
  for (int i = 0; i < count; ++i) list->addItem(Text(items[i]));
  list->setCurrentIndex(selected);
  return list;
}

QLineEdit* NewEdit(QWidget* parent, const char* objectName, std::string_view text) {
  auto* edit = new QLineEdit(Text(text), parent);
  edit->setObjectName(QString::fromLatin1(objectName));
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

TButton* NewButton(QWidget* parent, const char* objectName) {
  auto* button = new TButton(Caption(objectName), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

QGroupBox* NewGroup(QWidget* parent, const char* objectName) {
  auto* group = new QGroupBox(Caption(objectName), parent);
  group->setObjectName(QString::fromLatin1(objectName));
  return group;
}

TStringGrid* NewGrid(QWidget* parent, const char* objectName) {
  auto* grid = new TStringGrid(parent);
  grid->setObjectName(QString::fromLatin1(objectName));
  return grid;
}

}  // namespace gb
