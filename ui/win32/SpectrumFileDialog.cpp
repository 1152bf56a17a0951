#include "ui/win32/SpectrumFileDialog.h"

#include "form/WindowCommands.h"
#include "platform/win32/WideText.h"
#include "ui/win32/ModalDialog.h"
#include "ui/win32/resources/DialogIds.h"

namespace gb {

namespace {

void AddItem(HWND dialog, int list, const char* utf8) {
  SendDlgItemMessageW(dialog, list, CB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(WideFromUtf8(utf8).c_str()));
}

void Select(HWND dialog, int list, int item) {
  SendDlgItemMessageW(dialog, list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

int Selected(HWND dialog, int list) {
  return static_cast<int>(SendDlgItemMessageW(dialog, list, CB_GETCURSEL, 0, 0));
}

// CSV holds the four levels: its level list has nothing to choose.
void FollowFormat(HWND dialog) {
  const int format = Selected(dialog, GB_IDC_FORMAT);
  EnableWindow(GetDlgItem(dialog, GB_IDC_LEVEL),
               format >= 0 && HoldsOneLevel(kSpectrumFileFormats[format].Format));
}

void Fill(HWND dialog, const TSpectrumFileChoice& initial) {
  const SpectrumFileDialogDesign& design = kSpectrumFileDialog;
  SetDlgItemTextW(dialog, GB_IDC_FORMAT_LABEL, WideFromUtf8(design.FormatLabel).c_str());
  SetDlgItemTextW(dialog, GB_IDC_LEVEL_LABEL, WideFromUtf8(design.LevelLabel).c_str());
  SetDlgItemTextW(dialog, GB_IDC_SITE_CLASS_LABEL, WideFromUtf8(design.SiteLabel).c_str());
  SetDlgItemTextW(dialog, IDOK, WideFromUtf8(design.Ok).c_str());
  SetDlgItemTextW(dialog, IDCANCEL, WideFromUtf8(design.Cancel).c_str());
  for (const SpectrumFileFormatDesign& format : kSpectrumFileFormats) {
    AddItem(dialog, GB_IDC_FORMAT, format.Caption);
  }
  for (const char* label : kLevelLabels) AddItem(dialog, GB_IDC_LEVEL, label);
  AddItem(dialog, GB_IDC_LEVEL, design.AllLevels);
  for (const char* label : kSiteClassLabels) AddItem(dialog, GB_IDC_SITE_CLASS, label);
  Select(dialog, GB_IDC_FORMAT, static_cast<int>(initial.Format));
  Select(dialog, GB_IDC_LEVEL, initial.AllLevels ? kLevelCount : initial.SpectrumLevel);
  Select(dialog, GB_IDC_SITE_CLASS, initial.Site);
  FollowFormat(dialog);
}

}  // namespace

std::optional<TSpectrumFileChoice> AskSpectrumFileChoice(TApplication& Application, HWND Owner,
                                                         const TSpectrumFileChoice& initial) {
  TSpectrumFileChoice choice = initial;
  const bool chosen = RunModalDialog(
      Application, Owner,
      {GB_IDD_SPECTRUM_FILE, kSpectrumFileDialog.Caption,
       [&](HWND dialog) { Fill(dialog, initial); },
       [&](HWND dialog) {
         const int level = Selected(dialog, GB_IDC_LEVEL);
         choice.Format = kSpectrumFileFormats[Selected(dialog, GB_IDC_FORMAT)].Format;
         choice.AllLevels = level == kLevelCount;
         if (level >= 0 && level < kLevelCount) choice.SpectrumLevel = kLevels[level];
         choice.Site = kSiteClasses[Selected(dialog, GB_IDC_SITE_CLASS)];
       },
       [](HWND dialog, WPARAM command) {
         if (LOWORD(command) == GB_IDC_FORMAT && HIWORD(command) == CBN_SELCHANGE) {
           FollowFormat(dialog);
         }
       }});
  // Anything but OK writes nothing.
  if (!chosen) return std::nullopt;
  return choice;
}

}  // namespace gb
