#include "ui/win32/SpectrumFileDialog.h"

#include <string>

#include "form/WindowCommands.h"
#include "platform/win32/WideText.h"
#include "text/Errors.h"
#include "ui/win32/Application.h"
#include "ui/win32/OwnWindow.h"
#include "ui/win32/resources/DialogIds.h"

namespace gb {

namespace {

struct SpectrumFileState {
  TApplication& application;
  TSpectrumFileChoice choice;
};

void AddItem(HWND dialog, int list, const char* utf8) {
  SendDlgItemMessageW(dialog, list, CB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(WideFromUtf8(utf8).c_str()));
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

void Initialise(HWND dialog, const TSpectrumFileChoice& initial) {
  const SpectrumFileDialogDesign& design = kSpectrumFileDialog;
  SetWindowTextW(dialog, WideFromUtf8(design.Caption).c_str());
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
  SendDlgItemMessageW(dialog, GB_IDC_FORMAT, CB_SETCURSEL, static_cast<WPARAM>(initial.Format), 0);
  SendDlgItemMessageW(dialog, GB_IDC_LEVEL, CB_SETCURSEL,
                      static_cast<WPARAM>(initial.AllLevels ? kLevelCount : initial.SpectrumLevel),
                      0);
  SendDlgItemMessageW(dialog, GB_IDC_SITE_CLASS, CB_SETCURSEL, static_cast<WPARAM>(initial.Site),
                      0);
  FollowFormat(dialog);
  RECT box{};
  GetWindowRect(dialog, &box);
  const POINT at =
      PositionOverOwner(GetWindow(dialog, GW_OWNER), {box.right - box.left, box.bottom - box.top});
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK SpectrumFileProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, l);
  auto* s = reinterpret_cast<SpectrumFileState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (s == nullptr) return FALSE;
  INT_PTR handled = FALSE;
  s->application.Dispatch([&] {
    switch (message) {
      case WM_INITDIALOG:
        Initialise(dialog, s->choice);
        handled = TRUE;  // the focus on the format list
        break;
      case WM_COMMAND:
        if (LOWORD(w) == GB_IDC_FORMAT && HIWORD(w) == CBN_SELCHANGE) {
          FollowFormat(dialog);
        } else if (LOWORD(w) == IDOK) {
          const int level = Selected(dialog, GB_IDC_LEVEL);
          s->choice.Format = kSpectrumFileFormats[Selected(dialog, GB_IDC_FORMAT)].Format;
          s->choice.AllLevels = level == kLevelCount;
          if (level >= 0 && level < kLevelCount) s->choice.SpectrumLevel = kLevels[level];
          s->choice.Site = kSiteClasses[Selected(dialog, GB_IDC_SITE_CLASS)];
          EndDialog(dialog, IDOK);
          handled = TRUE;
        } else if (LOWORD(w) == IDCANCEL) {
          EndDialog(dialog, IDCANCEL);
          handled = TRUE;
        }
        break;
      default:
        break;
    }
  });
  return handled;
}

}  // namespace

std::optional<TSpectrumFileChoice> AskSpectrumFileChoice(TApplication& Application, HWND Owner,
                                                         const TSpectrumFileChoice& initial) {
  SpectrumFileState state{Application, initial};
  const INT_PTR chosen =
      DialogBoxParamW(Application.Instance(), MAKEINTRESOURCEW(GB_IDD_SPECTRUM_FILE), Owner,
                      &SpectrumFileProcedure, reinterpret_cast<LPARAM>(&state));
  if (chosen == -1) {
    throw Exception("Cannot open the dialog " + std::string(kSpectrumFileDialog.Caption) + ". " +
                    WindowsErrorText(GetLastError()));
  }
  // Anything but OK (Cancel, Escape, the close box, the program quitting) writes nothing.
  if (chosen != IDOK) return std::nullopt;
  return state.choice;
}

}  // namespace gb
