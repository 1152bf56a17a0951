#include "batch/BatchRowWriter.h"

#include "batch/CsvText.h"
#include "batch/JsonText.h"
#include "batch/ResultJson.h"

namespace gb {

namespace {

std::string_view CellOrEmpty(const std::vector<std::string>& cells, std::size_t i) {
  return i < cells.size() ? std::string_view(cells[i]) : std::string_view();
}

}  // namespace

BatchRowWriter::BatchRowWriter(BatchFormat format, std::string_view codePage) : format_(format) {
  if (format == BatchFormat::Csv && codePage != "UTF-8") encoder_.emplace(codePage);
}

void BatchRowWriter::CsvRecord(std::string& out) {
  line_.append("\r\n");
  if (encoder_) {
    out.append(encoder_->Encode(line_));
  } else {
    out.append(line_);
  }
}

void BatchRowWriter::Header(std::string& out, const std::vector<std::string>& header) {
  names_ = header;
  if (format_ != BatchFormat::Csv) return;
  line_.clear();
  for (const std::string& name : header) {
    AppendCsvField(line_, name);
    line_ += ',';
  }
  line_.append("error");
  for (const ResultGrid grid : kResultGrids) {
    for (int level = 0; level < kLevelCount; ++level) {
      for (int s = 0; s < kSiteClassCount; ++s)
        line_.append(",").append(ResultColumnName(grid, level, s));
    }
  }
  CsvRecord(out);
}

void BatchRowWriter::Row(std::string& out, const std::vector<std::string>& cells,
                         const RowOutcome& outcome) {
  line_.clear();
  if (format_ == BatchFormat::JsonLines) {
    line_.append("{\"input\":{");
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (i > 0) line_ += ',';
      AppendJsonString(line_, names_[i]);
      line_ += ':';
      AppendJsonString(line_, CellOrEmpty(cells, i));
    }
    line_.append("},\"error\":");
    if (outcome.ok) {
      line_.append("null");
    } else {
      AppendJsonString(line_, outcome.error);
    }
    for (const ResultGrid grid : kResultGrids) {
      line_ += ',';
      AppendJsonString(line_, ResultGridKey(grid));
      line_ += ':';
      if (outcome.ok) {
        AppendResultGridJson(line_, grid, outcome.p);
      } else {
        line_.append("null");
      }
    }
    line_.append("}\n");
    out.append(line_);
    return;
  }
  for (std::size_t i = 0; i < names_.size(); ++i) {
    AppendCsvField(line_, CellOrEmpty(cells, i));
    line_ += ',';
  }
  AppendCsvField(line_, outcome.error);
  for (const ResultGrid grid : kResultGrids) {
    for (int level = 0; level < kLevelCount; ++level) {
      for (int s = 0; s < kSiteClassCount; ++s) {
        line_ += ',';
        if (outcome.ok) AppendCsvField(line_, ResultCellText(grid, outcome.p, level, s));
      }
    }
  }
  CsvRecord(out);
}

}  // namespace gb
