#include "batch/WindowBatch.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "batch/BatchErrors.h"
#include "batch/BatchMessages.h"
#include "platform/SafeFileWrite.h"
#include "text/Errors.h"

namespace gb {

namespace {

// Thrown through the safe write when the user cancels, so no results file is left.
struct BatchCancelled {};

// Rows done as progress; the failed rows are summed up at the end instead.
class ProgressObserver : public BatchObserver {
 public:
  ProgressObserver(const WindowBatchProgress& progress, long long totalBytes)
      : progress_(progress), totalBytes_(totalBytes) {}
  void RowFailed(long long, const std::string&, const std::string&) override {}
  void TextLost(long long, const std::string&) override {}
  bool Progress(long long rows, long long bytesRead) override {
    return progress_(BatchProgressText(rows, bytesRead, totalBytes_));
  }

 private:
  const WindowBatchProgress& progress_;
  long long totalBytes_;
};

}  // namespace

WindowBatchOutcome RunWindowBatch(const std::filesystem::path& input,
                                  const std::filesystem::path& output,
                                  const BatchSettings& settings,
                                  const WindowBatchProgress& progress) {
  std::ifstream in(input, std::ios::binary);
  if (!in) throw Exception(CannotOpenInputText(input.string(), errno));
  std::error_code sizeError;
  const std::uintmax_t size = std::filesystem::file_size(input, sizeError);
  ProgressObserver observer(progress, sizeError ? 0 : static_cast<long long>(size));
  BatchSummary summary;
  try {
    WriteFileSafelyFrom(output, [&](const auto& put) {
      summary = RunBatch(in, settings, put, observer);
      if (summary.cancelled) throw BatchCancelled();
    });
  } catch (const BatchCancelled&) {
    return {WindowBatchOutcome::Kind::Cancelled, {}};
  } catch (const EBatchFormat& e) {
    throw Exception("第 " + std::to_string(e.Line()) + " 行: " + e.Message());
  }
  if (summary.failedRows > 0) return {WindowBatchOutcome::Kind::Problem, FailedRowsText(summary)};
  if (summary.rowsWithLostText > 0) {
    return {WindowBatchOutcome::Kind::Problem, LostTextRowsText(summary, settings.outputCodePage)};
  }
  return {};
}

}  // namespace gb
