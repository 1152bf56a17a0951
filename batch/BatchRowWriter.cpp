#include "batch/BatchRowWriter.h"

#include "batch/CsvText.h"
#include "batch/JsonText.h"
#include "batch/ResultJson.h"
#include "text/DecimalFormats.h"
#include "text/EchoedText.h"

namespace gb {

std::string LostTextMessage(std::string_view column, std::string_view codePage) {
  std::string message = "column \"";
  return message.append(column)
      .append("\": characters ")
      .append(codePage)
      .append(" cannot represent were written as \"?\"");
}

BatchRowWriter::BatchRowWriter(BatchFormat format, std::string_view codePage)
    : format_(format), codePage_(codePage) {
  // Grid texts hold digits, '-', 'E' and the decimal separator: only a separator that is
  // special in CSV makes them need quotes.
  std::string separator;
  AppendCsvField(separator, FormatFourDecimals(0.5));
  plainResults_ = separator == FormatFourDecimals(0.5);
  if (format == BatchFormat::Csv && codePage != "UTF-8") encoder_.emplace(codePage);
}

bool BatchRowWriter::CsvRecord(std::string& out) {
  line_.append("\r\n");
  bool lost = false;
  if (encoder_) {
    out.append(encoder_->Encode(line_, &lost));
  } else {
    out.append(line_);
  }
  return lost;
}

std::vector<std::string> BatchRowWriter::LostTexts(
    const std::vector<std::string_view>& names, const std::vector<std::string_view>& texts) const {
  std::vector<std::string> messages;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    bool lost = false;
    encoder_->Encode(texts[i], &lost);
    if (lost) messages.push_back(LostTextMessage(EchoedText(names[i]), codePage_));
  }
  return messages;
}

std::vector<std::string> BatchRowWriter::Header(std::string& out,
                                                const std::vector<std::string>& header,
                                                bool withSa) {
  names_ = header;
  withSa_ = withSa;
  if (format_ != BatchFormat::Csv) return {};
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
  for (int level = 0; level < kLevelCount && withSa_; ++level) {
    line_.append(",").append(SaColumnName(level));
  }
  if (!CsvRecord(out)) return {};
  const std::vector<std::string_view> names(names_.begin(), names_.end());
  return LostTexts(names, names);
}

std::vector<std::string> BatchRowWriter::Row(std::string& out,
                                             const std::vector<std::string>& cells,
                                             const RowOutcome& outcome) {
  if (format_ == BatchFormat::JsonLines) {
    std::string& line = out;  // each object goes straight into the output
    line.append("{\"input\":{");
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (i > 0) line += ',';
      AppendJsonString(line, names_[i]);
      line += ':';
      AppendJsonString(line, CellOrEmpty(cells, static_cast<int>(i)));
    }
    line.append("},\"error\":");
    if (outcome.ok) {
      line.append("null");
    } else {
      AppendJsonString(line, outcome.error);
    }
    for (const ResultGrid grid : kResultGrids) {
      line += ',';
      AppendJsonString(line, ResultGridKey(grid));
      line += ':';
      if (outcome.ok) {
        AppendResultGridJson(line, grid, outcome.p, memo_.get());
      } else {
        line.append("null");
      }
    }
    if (withSa_) {
      line.append(",\"sa\":");
      if (outcome.ok && outcome.reading) {
        AppendSpectrumReadingJson(line, *outcome.reading);
      } else {
        line.append("null");
      }
    }
    line.append("}\n");
    return {};
  }
  // UTF-8 records go straight into the output; others are encoded as a whole.
  line_.clear();
  std::string& line = encoder_ ? line_ : out;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    AppendCsvField(line, CellOrEmpty(cells, static_cast<int>(i)));
    line += ',';
  }
  AppendCsvField(line, outcome.error);
  for (const ResultGrid grid : kResultGrids) {
    for (int level = 0; level < kLevelCount; ++level) {
      for (int s = 0; s < kSiteClassCount; ++s) {
        line += ',';
        if (outcome.ok) {
          const std::string& text = memo_->Text(ResultCellValue(grid, outcome.p, level, s));
          if (plainResults_) {
            line.append(text);
          } else {
            AppendCsvField(line, text);
          }
        }
      }
    }
  }
  for (int level = 0; level < kLevelCount && withSa_; ++level) {
    line += ',';
    if (outcome.ok && outcome.reading) AppendCsvField(line, outcome.reading->saTexts[level]);
  }
  if (!encoder_) {
    out.append("\r\n");
    return {};
  }
  if (!CsvRecord(out)) return {};
  // Rare: only now is each text looked at on its own, to name the columns.
  std::vector<std::string_view> names(names_.begin(), names_.end());
  std::vector<std::string_view> texts;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    texts.push_back(CellOrEmpty(cells, static_cast<int>(i)));
  }
  names.push_back("error");
  texts.push_back(outcome.error);
  return LostTexts(names, texts);
}

}  // namespace gb
