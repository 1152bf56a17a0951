#include "ui/win32/Unit1.h"

#include <commctrl.h>

#include <limits>
#include <stdexcept>

#include "chart/ResponseChart.h"
#include "engine/DesignedInputs.h"
#include "engine/ZoningTables.h"
#include "platform/LocaleSeparators.h"
#include "platform/win32/WideText.h"
#include "report/SaReadout.h"
#include "ui/win32/OwnWindow.h"

namespace gb {

namespace {

constexpr wchar_t kClassName[] = L"TForm1";
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// Command identifiers; none is IDOK or IDCANCEL, so Enter and Esc press no button.
enum : int {
  idBtn1 = 101,
  idBtn2,
  idBtn3,
  idBtn4,
  idCbb3,
  idAbout2 = 201,
  idHowtouse1,
  idCopyAll1,
  idExportChart1,
  idBatchCalculation1,
  idCopyImage1,
  idSaveImage1,
  idPrint1,
  idExportSpectrumFile1,
};

std::wstring Wide(const char* utf8) { return WideFromUtf8(utf8); }

}  // namespace

TForm1::TForm1(TApplication& Owner) : Application(Owner) {
  try {
    CreateWindowAndMenu();
    CreateControls();
    SetTabOrder();

    Form.FormCreate();

    dlgSave1.Design(kSaveReportDialog);
    dlgSaveImage.Design(kSavePngImageDialog);
  } catch (...) {
    // No window of a form that was never made stays behind. Detached first: its WM_DESTROY
    // would post the quit message that ends the program, and the error box about to be shown
    // would close at once.
    if (Form1 != nullptr) {
      SetWindowLongPtrW(Form1, GWLP_USERDATA, 0);
      DestroyWindow(Form1);
    }
    Form1 = nullptr;
    throw;
  }
}

TForm1::~TForm1() {
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (pmChart != nullptr) DestroyMenu(pmChart);
  if (Form1 != nullptr && IsWindow(Form1)) {
    SetWindowLongPtrW(Form1, GWLP_USERDATA, 0);
    DestroyWindow(Form1);
  }
}

void TForm1::CreateWindowAndMenu() {
  const HINSTANCE instance = Application.Instance();
  RegisterOwnClass(instance, kClassName, DefWindowProcW, 0,
                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                   LoadIconW(instance, MAKEINTRESOURCEW(1)),
                   static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0)));

  mm1 = CreateMenu();
  // 文件 holds what this window exports: the chart image, the results as text, the batch.
  Fi1 = CreatePopupMenu();
  const std::pair<int, const WindowCommand&> fileItems[] = {
      {idPrint1, kFileMenuCommands[1]},
      {idExportChart1, kFileMenuCommands[3]},
      {idExportSpectrumFile1, kFileMenuCommands[4]},
      {idCopyAll1, kFileMenuCommands[5]},
      {idBatchCalculation1, kFileMenuCommands[6]}};
  for (const auto& [id, command] : fileItems) {
    if (command.SeparatorBefore) AppendMenuW(Fi1, MF_SEPARATOR, 0, nullptr);
    std::wstring caption = Wide(command.Caption);
    if (command.Key == CommandKey::CtrlP) caption += L"\tCtrl+P";
    AppendMenuW(Fi1, MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
  }
  ACCEL print{FCONTROL | FVIRTKEY, 'P', static_cast<WORD>(idPrint1)};
  accelerators_ = CreateAcceleratorTableW(&print, 1);
  pmChart = CreatePopupMenu();
  AppendMenuW(pmChart, MF_STRING, idCopyImage1, Wide(kChartMenuCommands[0].Caption).c_str());
  AppendMenuW(pmChart, MF_STRING, idSaveImage1, Wide(kChartMenuCommands[1].Caption).c_str());
  AppendMenuW(mm1, MF_POPUP, reinterpret_cast<UINT_PTR>(Fi1), Wide(kFileMenuCaption).c_str());
  About1 = CreatePopupMenu();
  AppendMenuW(About1, MF_STRING, idAbout2, Wide(kHelpMenuCommands[0].Caption).c_str());
  AppendMenuW(About1, MF_STRING, idHowtouse1, Wide(kHelpMenuCommands[1].Caption).c_str());
  AppendMenuW(mm1, MF_POPUP, reinterpret_cast<UINT_PTR>(About1), Wide(kHelpMenuCaption).c_str());

  // The client area at its designed size below the menu bar, centred on the whole screen.
  RECT outer{0, 0, kMainClientWidth, kMainClientHeight};
  AdjustWindowRectEx(&outer, kFormStyle, TRUE, kFormExStyle);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  Form1 = CreateWindowExW(kFormExStyle, kClassName, Wide(kMainFormTitle).c_str(), kFormStyle, left,
                          top, width, height, nullptr, mm1, instance, nullptr);
  if (Form1 == nullptr)
    throw Exception("Cannot create the main window. " + WindowsErrorText(GetLastError()));
  SetWindowLongPtrW(Form1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(Form1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  // A menu bar that wraps changes the client height; the client area keeps its design size.
  RECT client{};
  GetClientRect(Form1, &client);
  if (client.bottom != kMainClientHeight) {
    SetWindowPos(Form1, nullptr, 0, 0, width, height + kMainClientHeight - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TForm1::CreateControls() {
  const HINSTANCE instance = Application.Instance();
  const HFONT font = Application.FormFont();
  const InputTexts& initial = kDesignedInputs;
  const auto make = [&](const ControlDesign& design, HWND parent) -> HWND {
    const std::wstring name = Wide(design.Name);
    const std::wstring caption = Wide(design.Caption);
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (design.Kind) {
      case ControlKind::StatusBar:
        rzstsbr2 = std::make_unique<TRzStatusBar>(Application, parent);
        return rzstsbr2->Handle();
      case ControlKind::Group: {
        const HWND group =
            CreateWindowExW(WS_EX_CONTROLPARENT, WC_BUTTONW, caption.c_str(), child | BS_GROUPBOX,
                            0, 0, 10, 10, parent, nullptr, instance, nullptr);
        ReportToForm(group, Form1);
        return group;
      }
      case ControlKind::Label:
        return CreateWindowExW(0, WC_STATICW, caption.c_str(), child | SS_LEFT | SS_NOPREFIX, 0, 0,
                               10, 10, parent, nullptr, instance, nullptr);
      case ControlKind::List: {
        const HWND list = CreateWindowExW(
            0, WC_COMBOBOXW, L"", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 10, 200,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(name == L"cbb3" ? idCbb3 : 0)),
            instance, nullptr);
        return list;
      }
      case ControlKind::Edit: {
        const HWND edit =
            CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"", child | WS_TABSTOP | ES_AUTOHSCROLL, 0,
                            0, 10, 10, parent, nullptr, instance, nullptr);
        SendMessageW(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
        return edit;
      }
      case ControlKind::Button: {
        const int id = name == L"btn1"   ? idBtn1
                       : name == L"btn2" ? idBtn2
                       : name == L"btn3" ? idBtn3
                                         : idBtn4;
        return CreateWindowExW(
            0, WC_BUTTONW, caption.c_str(), child | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 10, 10,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
      }
      case ControlKind::Grid: {
        auto grid = std::make_unique<TStringGrid>(Application, parent, name.c_str());
        const HWND handle = grid->Handle();
        (name == L"strngrd1"   ? strngrd1
         : name == L"strngrd2" ? strngrd2
                               : strngrd3) = std::move(grid);
        return handle;
      }
      case ControlKind::Chart:
        cht2 = std::make_unique<TChart>(Application, parent, name.c_str());
        return cht2->Handle();
    }
    return nullptr;
  };
  // In the table's order, containers before their contents.
  for (const ControlDesign& design : kMainFormControls) {
    const HWND parent =
        std::string_view(design.Parent) == "ClientArea" ? Form1 : Control(design.Parent);
    const HWND control = make(design, parent);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    controls_[design.Name] = control;
    if (design.Kind == ControlKind::Label) labelSizes_[design.Name] = CaptionSize(control, font);
  }
  grp1 = Control("grp1"), grp2 = Control("grp2"), grp3 = Control("grp3");
  HWND* const labels[] = {&lbl1, &lbl2, &lbl3, &lbl4,  &lbl5,  &lbl6,
                          &lbl7, &lbl8, &lbl9, &lbl10, &lbl11, &lbl12};
  for (std::size_t i = 0; i < std::size(labels); ++i)
    *labels[i] = Control(("lbl" + std::to_string(i + 1)).c_str());
  cbb1 = Control("cbb1"), cbb2 = Control("cbb2"), cbb3 = Control("cbb3");
  edt1 = Control("edt1"), edt2 = Control("edt2"), edt3 = Control("edt3");
  edt4 = Control("edt4"), edt5 = Control("edt5"), edt6 = Control("edt6");
  btn1 = Control("btn1"), btn2 = Control("btn2"), btn3 = Control("btn3"), btn4 = Control("btn4");

  const auto fill = [](HWND list, const char* const* items, int count, int selected) {
    for (int i = 0; i < count; ++i)
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(items[i]).c_str()));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  };
  fill(cbb1, kPgaZoneItems, kPgaZoneCount, initial.pgaZoneIndex);
  fill(cbb2, kTgZoneItems, kTgZoneCount, initial.tgZoneIndex);
  fill(cbb3, kSiteClassLabels, kSiteClassCount, scII);
  const std::pair<HWND, std::string_view> edits[] = {{edt1, initial.k1},
                                                     {edt2, initial.k2},
                                                     {edt3, initial.k3},
                                                     {edt4, initial.rareTgIncrement},
                                                     {edt5, initial.veryRareTgIncrement},
                                                     {edt6, initial.betaMax}};
  for (const auto& [edit, text] : edits) SetWindowTextW(edit, WideFromUtf8(text).c_str());

  rzstsbr2->OnLinkClick = [this] { rzfldsts2Click(rzstsbr2->Handle()); };
  rzstsbr2->OnLinkMouseMove = [this](int x, int y) {
    rzfldsts2MouseMove(rzstsbr2->Handle(), x, y);
  };
  rzstsbr2->OnLinkMouseLeave = [this] { rzfldsts2MouseLeave(rzstsbr2->Handle()); };
  CreateChartSeries();
  cht2->OnContextMenu = [this](POINT at) { cht2ContextMenu(at); };
  PlaceControls();
}

// Legend texts and colours as every exported picture of the spectra has them.
void TForm1::CreateChartSeries() {
  const auto addCurve = [this](int level) {
    const SpectrumCurveStyle curve = SpectrumCurve(level);
    return cht2->AddSeries(curve.title, curve.colour);
  };
  hrzlnsrsSeries1 = addCurve(lvFrequent);
  hrzlnsrsSeries2 = addCurve(lvBasic);
  hrzlnsrsSeries3 = addCurve(lvRare);
  hrzlnsrsSeries4 = addCurve(lvVeryRare);
  cht2->SetReader([this](double period) {
    return SpectrumChartReading(Form.Session().Plotted(), Form.Session().PlottedSiteClass(),
                                period);
  });
}

// The tab cycle follows each container's stacking order, which the designed order sets.
void TForm1::SetTabOrder() {
  for (const char* name : kMainTabOrder) {
    SetWindowPos(Control(name), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  focused_ = Control(kMainTabOrder[0]);
}

HWND TForm1::Control(const char* name) const {
  const auto found = controls_.find(name);
  if (found == controls_.end()) throw std::out_of_range(name);
  return found->second;
}

// Every control at the place its anchors give it in its container's present size; containers
// come before their contents in the table.
void TForm1::PlaceControls() {
  RECT client{};
  GetClientRect(Form1, &client);
  std::map<std::string, SIZE> sizes{{"ClientArea", {client.right, client.bottom}}};
  for (const ControlDesign& design : kMainFormControls) {
    const bool inClient = std::string_view(design.Parent) == "ClientArea";
    const DesignRect parentDesign = inClient ? DesignRect{0, 0, kMainClientWidth, kMainClientHeight}
                                             : MainFormControl(design.Parent).Place;
    const SIZE parent = sizes[design.Parent];
    DesignRect place = design.Place;
    if (design.Kind == ControlKind::Label) {
      const SIZE text = labelSizes_[design.Name];
      place.Width = text.cx;
      place.Height = text.cy;
    }
    const DesignRect r = AnchoredRect(place, design.Anchors, parentDesign.Width,
                                      parentDesign.Height, parent.cx, parent.cy);
    const HWND control = Control(design.Name);
    // A drop-down list's window includes its list.
    const int height = design.Kind == ControlKind::List ? r.Height + 200 : r.Height;
    MoveWindow(control, r.Left, r.Top, r.Width, height, TRUE);
    sizes[design.Name] = {r.Width, r.Height};
  }
}

LRESULT CALLBACK TForm1::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, w, l);
  LRESULT result = 0;
  form->Application.Dispatch([&] { result = form->Handle(message, w, l); });
  return result;
}

LRESULT TForm1::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(w), reinterpret_cast<HWND>(l));
      if (HIWORD(w) == CBN_SELCHANGE && reinterpret_cast<HWND>(l) == cbb3) cbb3Change(cbb3);
      return 0;
    case WM_SIZE:
      if (w != SIZE_MINIMIZED) PlaceControls();
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ACTIVATE:
      // The control that had the focus gets it back; the first time, the first in tab order.
      if (LOWORD(w) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Form1, focus)) focused_ = focus;
      } else if (focused_ != nullptr) {
        SetFocus(focused_);
        return 0;
      }
      break;
    case WM_NCHITTEST: {
      const LRESULT hit = DefWindowProcW(Form1, message, w, l);
      if (hit != HTCLIENT || !rzstsbr2) return hit;
      POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      ScreenToClient(rzstsbr2->Handle(), &at);
      const RECT grip = rzstsbr2->SizeGripRect();
      return PtInRect(&grip, at) ? HTBOTTOMRIGHT : hit;
    }
    case WM_SETTINGCHANGE:
      // The number separators follow the user's regional settings as they change.
      RefreshNumberSeparators();
      break;
    case WM_CLOSE:
      DestroyWindow(Form1);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(Form1, message, w, l);
}

void TForm1::Command(int id, HWND control) {
  switch (id) {
    case idBtn2:
      return btn2Click(control);
    case idBtn3:
      return btn3Click(control);
    case idBtn4:
      return btn4Click(control);
    case idAbout2:
      return About2Click(Form1);
    case idHowtouse1:
      return Howtouse1Click(Form1);
    case idCopyAll1:
      return CopyAll1Click(Form1);
    case idExportChart1:
    case idSaveImage1:
      return ExportChart1Click(Form1);
    case idCopyImage1:
      return CopyImage1Click(Form1);
    case idBatchCalculation1:
      return BatchCalculation1Click(Form1);
    case idPrint1:
      return Print1Click(Form1);
    case idExportSpectrumFile1:
      return ExportSpectrumFile1Click(Form1);
    default:
      return;  // btn1 and the menu's 文件 have no command
  }
}

void TForm1::btn2Click(HWND) { Form.btn2Click(); }
void TForm1::btn3Click(HWND) { Form.btn3Click(); }
void TForm1::btn4Click(HWND) { Form.btn4Click(); }
void TForm1::cbb3Change(HWND) { Form.cbb3Change(); }
void TForm1::About2Click(HWND) { Form.About2Click(); }
void TForm1::rzfldsts2Click(HWND) { Form.rzfldsts2Click(); }
void TForm1::rzfldsts2MouseMove(HWND, int, int) { Form.rzfldsts2MouseMove(); }
void TForm1::rzfldsts2MouseLeave(HWND) { Form.rzfldsts2MouseLeave(); }
void TForm1::Howtouse1Click(HWND) { Form.Howtouse1Click(); }
void TForm1::CopyAll1Click(HWND) { Form.CopyAll1Click(); }
void TForm1::ExportChart1Click(HWND) { Form.ExportChart1Click(); }
void TForm1::ExportSpectrumFile1Click(HWND) { Form.ExportSpectrumFile1Click(); }
void TForm1::Print1Click(HWND) { Form.Print1Click(); }
void TForm1::CopyImage1Click(HWND) { Form.CopyImage1Click(); }
void TForm1::BatchCalculation1Click(HWND) { Form.BatchCalculation1Click(); }

void TForm1::cht2ContextMenu(POINT ScreenPos) {
  // The menu takes the keyboard and closes on a click elsewhere only from the foreground window.
  SetForegroundWindow(Form1);
  TrackPopupMenu(pmChart, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, ScreenPos.x, ScreenPos.y,
                 0, Form1, nullptr);
}

}  // namespace gb
