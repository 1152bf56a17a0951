// What the main window keeps between its commands, whatever toolkit draws it: the parameter set
// the commands store into, the set and site class the chart was last plotted from, and the last
// Calculate that ran to the end.
#pragma once

#include <optional>
#include <string>

#include "engine/ParameterSet.h"
#include "text/Errors.h"

namespace gb {

// One complete calculation: what the calculation sheet and the copied results show.
struct TCompletedCalculation {
  ParameterSet Parameters;
  std::string CalculatedAt;  // "yyyy-MM-dd HH:mm:ss", when it began, as the sheet prints it
};

class TFormSession {
 public:
  // The fields Calculate parses into, step by step: after a rejected text they hold the steps
  // before it, and Save data writes them as they stand.
  ParameterSet& Parameters() { return parameters_; }
  const ParameterSet& Parameters() const { return parameters_; }

  // The chart's curves now come from the parameter set as it stands, for `siteClass`; the
  // read-out computes from these, so it agrees with the curves even after a Calculate that
  // stopped before its re-plot.
  void RecordPlot(int siteClass) {
    plotted_ = parameters_;
    plottedSiteClass_ = siteClass;
  }
  const ParameterSet& Plotted() const { return plotted_; }
  int PlottedSiteClass() const { return plottedSiteClass_; }

  // A Calculate begins at `time`: until it ends, no calculation counts as complete, so no export
  // pairs inputs with results they did not produce.
  void BeginCalculate(std::string time) {
    completed_.reset();
    beganAt_ = std::move(time);
  }
  void EndCalculate() { completed_ = TCompletedCalculation{parameters_, beganAt_}; }
  std::optional<TCompletedCalculation>& Completed() { return completed_; }
  const std::optional<TCompletedCalculation>& Completed() const { return completed_; }
  // The last complete calculation, for the sheet, print and the copied results; refused while
  // the last Calculate stopped short, whose inputs and grids no longer belong together.
  const TCompletedCalculation& CompletedForExport() const {
    if (!completed_) throw Exception("上次计算未完成, 请改正输入并重新计算后再导出");
    return *completed_;
  }

 private:
  ParameterSet parameters_;
  ParameterSet plotted_;
  int plottedSiteClass_ = scII;
  std::string beganAt_;
  std::optional<TCompletedCalculation> completed_;
};

}  // namespace gb
