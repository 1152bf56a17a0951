#include "ui/web/PageDesign.h"

#include <algorithm>
#include <span>
#include <vector>

#include "batch/JsonText.h"
#include "engine/DesignedInputs.h"
#include "engine/ZoningTables.h"
#include "form/MainForm.h"
#include "form/MainFormLayout.h"
#include "form/StatusBarPanes.h"
#include "form/WindowCommands.h"
#include "report/Author.h"
#include "report/ResultGridTexts.h"
#include "spectrumfile/SpectrumFile.h"

namespace gb {

namespace {

// The title the boxes of every front end carry: the program's name.
constexpr const char* kBoxCaption = "gb18306";

constexpr const char* kKindNames[] = {"group",  "label", "list",  "edit",
                                      "button", "grid",  "chart", "statusbar"};

class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_.append("{"); }
  ~JsonObject() { out_.append("}"); }
  JsonObject(const JsonObject&) = delete;
  JsonObject& operator=(const JsonObject&) = delete;

  std::string& Key(const char* key) {
    if (!first_) out_.append(",");
    first_ = false;
    AppendJsonString(out_, key);
    out_.append(":");
    return out_;
  }
  void Text(const char* key, std::string_view text) { AppendJsonString(Key(key), text); }
  void Number(const char* key, int value) { Key(key).append(std::to_string(value)); }
  void Texts(const char* key, std::span<const char* const> texts) {
    std::string& out = Key(key);
    out.append("[");
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (i > 0) out.append(",");
      AppendJsonString(out, texts[i]);
    }
    out.append("]");
  }

 private:
  std::string& out_;
  bool first_ = true;
};

void AppendCommands(std::string& out, std::span<const WindowCommand> commands) {
  out.append("[");
  for (const WindowCommand& command : commands) {
    if (out.back() != '[') out.append(",");
    JsonObject item(out);
    item.Text("name", command.Name);
    item.Text("caption", command.Caption);
    item.Number("separator", command.SeparatorBefore ? 1 : 0);
  }
  out.append("]");
}

void AppendDesign(std::string& out) {
  JsonObject design(out);
  design.Text("title", kMainFormTitle);
  design.Text("boxCaption", kBoxCaption);
  design.Text("doneNotice", kDoneNotice);
  design.Text("batchCaption", kBatchProgressCaption);
  design.Number("width", kMainClientWidth);
  design.Number("height", kMainClientHeight);
  {
    std::string& controls = design.Key("controls");
    controls.append("[");
    for (const ControlDesign& control : kMainFormControls) {
      if (controls.back() != '[') controls.append(",");
      JsonObject item(controls);
      item.Text("name", control.Name);
      item.Text("parent", control.Parent);
      item.Text("kind", kKindNames[static_cast<int>(control.Kind)]);
      item.Text("caption", control.Caption);
      if (control.Kind == ControlKind::Label) item.Text("for", LabelledControl(control));
      std::string& place = item.Key("place");
      const int numbers[] = {control.Place.Left, control.Place.Top, control.Place.Width,
                             control.Place.Height};
      for (std::size_t n = 0; n < std::size(numbers); ++n) {
        place.append(n == 0 ? "[" : ",").append(std::to_string(numbers[n]));
      }
      place.append("]");
    }
    controls.append("]");
  }
  design.Texts("tabOrder", kMainTabOrder);
  {
    std::string& lists = design.Key("lists");
    JsonObject items(lists);
    items.Texts("cbb1", kPgaZoneItems);
    items.Texts("cbb2", kTgZoneItems);
    items.Texts("cbb3", kSiteClassLabels);
  }
  {
    std::string& first = design.Key("itemIndex");
    JsonObject items(first);
    items.Number("cbb1", kDesignedInputs.pgaZoneIndex);
    items.Number("cbb2", kDesignedInputs.tgZoneIndex);
    items.Number("cbb3", scII);
  }
  {
    const InputTexts& in = kDesignedInputs;
    const std::string_view texts[] = {
        in.k1, in.k2, in.k3, in.rareTgIncrement, in.veryRareTgIncrement, in.betaMax};
    std::string& edits = design.Key("edits");
    edits.append("[");
    for (const std::string_view text : texts) {
      if (edits.back() != '[') edits.append(",");
      AppendJsonString(edits, text);
    }
    edits.append("]");
  }
  design.Number("gridColumns", kGridColumns);
  design.Number("gridRows", kGridRows);
  design.Text("fileMenu", kFileMenuCaption);
  AppendCommands(design.Key("fileCommands"), kFileMenuCommands);
  AppendCommands(design.Key("chartCommands"), kChartMenuCommands);
  design.Text("helpMenu", kHelpMenuCaption);
  AppendCommands(design.Key("helpCommands"), kHelpMenuCommands);
  {
    // In the order the bar packs them from its left edge.
    std::vector<PaneSpan> spans;
    for (const StatusPaneDesign& pane : kStatusPanes) spans.push_back({pane.Left, pane.Width});
    const std::vector<int> lefts = PackStatusPanes(spans);
    std::vector<std::size_t> order(spans.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lefts[a] < lefts[b]; });
    std::string& panes = design.Key("statusPanes");
    panes.append("[");
    for (const std::size_t i : order) {
      if (panes.back() != '[') panes.append(",");
      JsonObject item(panes);
      item.Text("name", kStatusPanes[i].Name);
      item.Text("caption", StatusPaneCaption(kStatusPanes[i].Name));
      item.Number("width", kStatusPanes[i].Width);
    }
    panes.append("]");
  }
  design.Text("webAddress", AuthorWebAddress);
  {
    std::string& names = design.Key("sheetNames");
    JsonObject dialog(names);
    dialog.Text("caption", kSheetNamesDialog.Caption);
    dialog.Text("project", kSheetNamesDialog.ProjectLabel);
    dialog.Text("site", kSheetNamesDialog.SiteLabel);
    dialog.Text("ok", kSheetNamesDialog.Ok);
    dialog.Text("cancel", kSheetNamesDialog.Cancel);
  }
  {
    std::string& spectrum = design.Key("spectrumFile");
    JsonObject dialog(spectrum);
    const SpectrumFileDialogDesign& d = kSpectrumFileDialog;
    dialog.Text("caption", d.Caption);
    dialog.Text("formatLabel", d.FormatLabel);
    dialog.Text("levelLabel", d.LevelLabel);
    dialog.Text("allLevels", d.AllLevels);
    dialog.Text("siteLabel", d.SiteLabel);
    dialog.Text("ok", d.Ok);
    dialog.Text("cancel", d.Cancel);
    std::string& formats = dialog.Key("formats");
    formats.append("[");
    for (const SpectrumFileFormatDesign& format : kSpectrumFileFormats) {
      if (formats.back() != '[') formats.append(",");
      JsonObject item(formats);
      item.Text("caption", format.Caption);
      item.Number("oneLevel", HoldsOneLevel(format.Format) ? 1 : 0);
    }
    formats.append("]");
    dialog.Texts("levels", kLevelLabels);
  }
  design.Texts("levels", kLevelLabels);
}

}  // namespace

std::string PageDesignJson() {
  std::string out;
  AppendDesign(out);
  return out;
}

}  // namespace gb
