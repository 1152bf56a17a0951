// The main window's controls as its design table describes them: each made with its designer
// name and its caption from the table.
#pragma once

#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace gb {

class TButton;
class TStringGrid;

QLabel* NewLabel(QWidget* parent, const char* objectName);
// A list of `count` items, `selected` chosen.
QComboBox* NewList(QWidget* parent, const char* objectName, const char* const* items, int count,
                   int selected);
QLineEdit* NewEdit(QWidget* parent, const char* objectName, std::string_view text);
TButton* NewButton(QWidget* parent, const char* objectName);
QGroupBox* NewGroup(QWidget* parent, const char* objectName);
TStringGrid* NewGrid(QWidget* parent, const char* objectName);

}  // namespace gb
