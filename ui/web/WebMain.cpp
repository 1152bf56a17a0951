// The module's entry points for the page (app.js) and its batch worker (batch-worker.js). The
// page's controls call the main form's commands by their handlers' names; everything they show
// comes back through the page's functions (PageCalls.h).
#include <emscripten/emscripten.h>

#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchMessages.h"
#include "batch/JsonText.h"
#include "chart/ResponseChart.h"
#include "form/MainForm.h"
#include "platform/web/PageCodePage.h"
#include "report/SaReadings.h"
#include "report/SaReadout.h"
#include "text/CurrentError.h"
#include "ui/web/PageDesign.h"
#include "ui/web/WebBatch.h"
#include "ui/web/WebView.h"

namespace gb {
namespace {

struct TPage {
  TWebChart Chart;
  TWebView View{Chart};
  TMainForm Form{View};
};

TPage& Page() {
  static TPage page;
  return page;
}

struct TCommand {
  const char* Name;
  void (TMainForm::*Run)();
};

constexpr TCommand kCommands[] = {
    {"btn2Click", &TMainForm::btn2Click},
    {"btn3Click", &TMainForm::btn3Click},
    {"cbb3Change", &TMainForm::cbb3Change},
    {"About2Click", &TMainForm::About2Click},
    {"Howtouse1Click", &TMainForm::Howtouse1Click},
    {"rzfldsts2Click", &TMainForm::rzfldsts2Click},
    {"ExportSheet1Click", &TMainForm::ExportSheet1Click},
    {"Print1Click", &TMainForm::Print1Click},
    {"PrintPreview1Click", &TMainForm::PrintPreview1Click},
    {"ExportChart1Click", &TMainForm::ExportChart1Click},
    {"SaveImage1Click", &TMainForm::ExportChart1Click},
    {"ExportSpectrumFile1Click", &TMainForm::ExportSpectrumFile1Click},
    {"CopyAll1Click", &TMainForm::CopyAll1Click},
    {"CopyImage1Click", &TMainForm::CopyImage1Click},
};

// Runs `run` as a window's event handler runs: whatever it throws is shown in the error box, and
// the files it wrote are handed to the user.
template <typename Run>
void Guarded(Run run) {
  TPage& page = Page();
  try {
    run(page);
  } catch (...) {
    page.View.ShowError(CurrentError());
  }
  page.View.EndCommand();
}

// A text returned to the page stays valid until the next call that returns one.
const char* Returned(std::string text) {
  static std::string kept;
  kept = std::move(text);
  return kept.c_str();
}

}  // namespace
}  // namespace gb

using gb::TPage;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* gb_design() { return gb::Returned(gb::PageDesignJson()); }

// The page stands: the chart's size in CSS pixels, then the form's own start (grid labels and the
// first Calculate).
EMSCRIPTEN_KEEPALIVE void gb_start(int chartWidth, int chartHeight) {
  TPage& page = gb::Page();
  gb::AddSpectrumSeries(page.Chart.Plot());
  page.Chart.View().SetReader([](double period) {
    const gb::TFormSession& session = gb::Page().Form.Session();
    return gb::SpectrumChartReading(session.Plotted(), session.PlottedSiteClass(), period);
  });
  page.Chart.Resize({chartWidth, chartHeight});
  gb::Guarded([](TPage& p) { p.Form.FormCreate(); });
}

// Runs the command of the handler named `name`; false for a name the form does not have.
EMSCRIPTEN_KEEPALIVE int gb_command(const char* name) {
  for (const gb::TCommand& command : gb::kCommands) {
    if (std::strcmp(command.Name, name) == 0) {
      gb::Guarded([&](TPage& p) { (p.Form.*command.Run)(); });
      return 1;
    }
  }
  return 0;
}

EMSCRIPTEN_KEEPALIVE void gb_answer_sheet_names(const char* project, const char* site) {
  gb::Page().View.AnswerSheetNames({project, site});
}

EMSCRIPTEN_KEEPALIVE void gb_answer_spectrum_file(int format, int level, int allLevels, int site) {
  gb::Page().View.AnswerSpectrumFileChoice({static_cast<gb::SpectrumFileFormat>(format),
                                            static_cast<gb::Level>(level), allLevels != 0,
                                            static_cast<gb::SiteClass>(site)});
}

// The code page reports, spectrum files and CSV batches are written in.
EMSCRIPTEN_KEEPALIVE void gb_set_code_page(const char* name) { gb::SetPageCodePage(name); }

EMSCRIPTEN_KEEPALIVE void gb_chart_resize(int width, int height) {
  gb::Page().Chart.Resize({width, height});
}

EMSCRIPTEN_KEEPALIVE void gb_chart_paint() { gb::Page().Chart.Paint(); }

// What a chart event asks of the page: 1 a repaint, 2 the context menu, 4 the event is the chart's.
int ResponseBits(const gb::ChartResponse& r) {
  return (r.repaint ? 1 : 0) | (r.contextMenu ? 2 : 0) | (r.accepted ? 4 : 0);
}

// kind: 0 press, 1 move, 2 release, 3 leave; button: 0 left, 1 right, 2 other.
EMSCRIPTEN_KEEPALIVE int gb_chart_pointer(int kind, int button, int x, int y, int left, int right) {
  gb::ChartView& view = gb::Page().Chart.View();
  const gb::ChartPoint pos{x, y};
  const auto which = static_cast<gb::ChartButton>(button);
  switch (kind) {
    case 0:
      return ResponseBits(view.Press(which, pos, {left != 0, right != 0}));
    case 1:
      return ResponseBits(view.Move(pos));
    case 2:
      return ResponseBits(view.Release(which, pos));
    default:
      return ResponseBits(view.Leave());
  }
}

EMSCRIPTEN_KEEPALIVE int gb_chart_wheel(int angleDelta, int focused) {
  return ResponseBits(gb::Page().Chart.View().Wheel(angleDelta, focused != 0));
}

EMSCRIPTEN_KEEPALIVE int gb_chart_pinch(int x, int y, double factor) {
  return ResponseBits(gb::Page().Chart.View().Pinch({x, y}, factor));
}

// Sa of the four levels at the period `text` for the chart's site class, as JSON with the
// read-out's texts; empty after the error box when the text is rejected.
EMSCRIPTEN_KEEPALIVE const char* gb_sa_at(const char* text) {
  std::string json;
  gb::Guarded([&](TPage& p) {
    const gb::TFormSession& session = p.Form.Session();
    const std::string texts[] = {text};
    const gb::SpectrumReading reading =
        gb::ReadSpectrumAtTexts(session.Plotted(), session.PlottedSiteClass(), texts).front();
    json = "{\"period\":";
    gb::AppendJsonString(json, reading.periodText);
    json.append(",\"values\":[");
    for (int level = 0; level < gb::kLevelCount; ++level) {
      if (level > 0) json.append(",");
      gb::AppendJsonString(json, reading.saTexts[level]);
    }
    json.append("]}");
  });
  return gb::Returned(std::move(json));
}

// The name a batch's results of `input` are offered under, as the window offers it; JSON Lines
// end in .jsonl.
EMSCRIPTEN_KEEPALIVE const char* gb_batch_result_name(const char* input, int jsonLines) {
  std::string name = gb::ResultFileName(input);
  constexpr std::string_view kCsv = ".csv";
  if (jsonLines != 0 && name.ends_with(kCsv))
    name.replace(name.size() - kCsv.size(), kCsv.size(), ".jsonl");
  return gb::Returned(std::move(name));
}

// The progress box's text of the window's batch.
EMSCRIPTEN_KEEPALIVE const char* gb_batch_progress_text(double rows, double bytesRead,
                                                        double totalBytes) {
  return gb::Returned(gb::BatchProgressText(static_cast<long long>(rows),
                                            static_cast<long long>(bytesRead),
                                            static_cast<long long>(totalBytes)));
}

// The batch worker: the command line's arguments one by one, then the run.
EMSCRIPTEN_KEEPALIVE void gb_batch_argument(const char* text) { gb::AddBatchArgument(text); }
// The exit status, plus 256 when the output handed over is whole.
EMSCRIPTEN_KEEPALIVE int gb_batch_run() {
  bool complete = false;
  const int status = gb::RunBatchArguments(complete);
  return status + (complete ? 256 : 0);
}

}  // extern "C"
