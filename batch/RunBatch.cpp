#include "batch/RunBatch.h"

#include <vector>

#include "batch/BatchErrors.h"
#include "batch/CsvReader.h"
#include "report/TextEncoding.h"

namespace gb {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr long long kProgressRows = 512;

void DecodeCells(std::vector<std::string>& cells, const std::string& codePage) {
  if (codePage == "UTF-8") return;
  for (std::string& cell : cells) cell = DecodeText(cell, codePage);
}

std::string TooManyCells(std::size_t cells, std::size_t headerCells) {
  std::string message = std::to_string(cells);
  message.append(" cells, but the header has ").append(std::to_string(headerCells));
  return message;
}

}  // namespace

BatchSummary RunBatch(std::istream& in, const BatchSettings& settings,
                      const std::function<void(std::string_view)>& write, BatchObserver& observer) {
  CsvReader reader(in);
  if (settings.inputCodePage == "UTF-8") reader.SkipByteOrderMark();
  std::vector<std::string> header;
  if (reader.Next(header)) DecodeCells(header, settings.inputCodePage);
  const BatchColumns columns = MapBatchColumns(header);

  BatchRowWriter writer(settings.format, settings.outputCodePage);
  std::string out;
  writer.Header(out, header, columns.period >= 0);
  BatchSummary summary;
  std::vector<std::string> cells;
  while (reader.Next(cells)) {
    if (cells.size() > header.size()) {
      throw EBatchFormat(reader.RecordLine(), TooManyCells(cells.size(), header.size()));
    }
    DecodeCells(cells, settings.inputCodePage);
    std::string_view texts[kBatchInputCount];
    for (int i = 0; i < kBatchInputCount; ++i) {
      const std::string_view cell = CellOrEmpty(cells, columns.input[i]);
      texts[i] = cell.empty() ? std::string_view(settings.defaults[i]) : cell;
    }
    RowSpectrum spectrum{settings.siteClass, CellOrEmpty(cells, columns.site), std::nullopt};
    if (const std::string_view period = CellOrEmpty(cells, columns.period); !period.empty()) {
      spectrum.period = period;
    }
    const RowOutcome outcome = CalculateRow(texts, spectrum);
    writer.Row(out, cells, outcome);
    ++summary.rows;
    if (!outcome.ok) {
      if (summary.failedRows++ == 0) {
        summary.firstFailedLine = reader.RecordLine();
        summary.firstError = outcome.error;
      }
      observer.RowFailed(reader.RecordLine(), outcome.error);
    }
    if (out.size() >= kFlushSize) {
      write(out);
      out.clear();
    }
    if (summary.rows % kProgressRows == 0 && !observer.Progress(summary.rows)) {
      summary.cancelled = true;
      break;
    }
  }
  if (!out.empty()) write(out);
  if (!summary.cancelled) observer.Progress(summary.rows);
  return summary;
}

}  // namespace gb
