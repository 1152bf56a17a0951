// The output of a batch: a header, then one record per input row.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchRow.h"
#include "batch/CellTextMemo.h"
#include "platform/TextEncoding.h"

namespace gb {

enum class BatchFormat { Csv, JsonLines };

// Writes records of one format into a caller's buffer. CSV: the input columns as read, then
// "error", then the 60 result columns (ResultColumnName) holding the grids' texts, one CR LF
// record per row, in `codePage`. JSON Lines (always UTF-8): one object per row with the input
// cells as strings under "input" (keyed by the header's names), "error" (null or the message)
// and "pga", "tg", "platform" each {level: {class: number}}, the grid text being the number;
// a failed row has null for the three. Texts come in UTF-8.
// `column "<name>": characters <code page> cannot represent were written as "?"`
std::string LostTextMessage(std::string_view column, std::string_view codePage);

class BatchRowWriter {
 public:
  BatchRowWriter(BatchFormat format, std::string_view codePage);

  // The CSV header record; JSON Lines only keeps the names. (JSON numbers need "." as the
  // decimal separator, which the command line sets.) `withSa`: the input has a period column,
  // so every record ends with Sa of the four levels there: CSV columns "sa_frequent" to
  // "sa_very_rare", in JSON "sa": {"period": T, "frequent": Sa, ...}; empty or null for a row
  // without a period or with an error.
  // Returns the messages of texts the code page could not hold (LostTextMessage), if any.
  std::vector<std::string> Header(std::string& out, const std::vector<std::string>& header,
                                  bool withSa = false);

  // One row: its cells (fewer than the header's are taken as empty) and its outcome. Returns a
  // message for each of its columns whose text the code page could not hold and went out with
  // "?" in it: the user's text must not be lost silently.
  std::vector<std::string> Row(std::string& out, const std::vector<std::string>& cells,
                               const RowOutcome& outcome);

 private:
  // line_ encoded into out; true when a character became "?".
  bool CsvRecord(std::string& out);
  // The messages of the texts among `texts` (named by `names`) that lose characters.
  std::vector<std::string> LostTexts(const std::vector<std::string_view>& names,
                                     const std::vector<std::string_view>& texts) const;

  BatchFormat format_;
  std::string codePage_;
  std::optional<TextEncoder> encoder_;  // none: UTF-8 as it is
  std::vector<std::string> names_;
  std::string line_;          // reused, so a row allocates nothing once the first has grown it
  bool plainResults_ = true;  // grid texts need no quotes
  bool withSa_ = false;
  std::unique_ptr<CellTextMemo> memo_ = std::make_unique<CellTextMemo>();
};

}  // namespace gb
