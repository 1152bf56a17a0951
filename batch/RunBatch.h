// A whole batch: rows of sites read, calculated and written one at a time.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>

#include "batch/BatchColumns.h"
#include "batch/BatchRowWriter.h"
#include "text/NumberSeparators.h"

namespace gb {

struct BatchSettings {
  std::string inputCodePage = "UTF-8";  // UTF-8 input has a leading byte-order mark dropped
  BatchFormat format = BatchFormat::Csv;
  std::string outputCodePage = "UTF-8";  // of CSV output; JSON Lines is always UTF-8
  // Texts of the factors (biK1 to biBetaMax) for rows that leave them out (no column, or an
  // empty cell); the entries for pga and zone are not used, those columns are required.
  std::string defaults[kBatchInputCount];
  int siteClass = 2;  // whose spectra each row must be able to draw
  // Every row is read and written with these, the ones in force when the settings were made,
  // whatever the process-wide ones become while the batch runs.
  NumberSeparators separators = CurrentNumberSeparators();
};

// What the caller hears while the batch runs. Called on the batch's own thread.
class BatchObserver {
 public:
  virtual ~BatchObserver() = default;
  // A row failed; `message` is as the error box shows it, UTF-8, `context` the column of the
  // rejected text ("k1"), where known.
  virtual void RowFailed(long long line, const std::string& message,
                         const std::string& context) = 0;
  // Every few hundred rows and once at the end, with the input's bytes read so far (a share of
  // the file's size); false stops the batch before the next row.
  virtual bool Progress(long long rowsDone, long long bytesRead) = 0;
  // A text of the row at `line` went out with "?" for characters the output's code page cannot
  // hold (LostTextMessage); the row's results are written all the same.
  virtual void TextLost(long long line, const std::string& message) = 0;
};

struct BatchSummary {
  long long rows = 0;
  long long failedRows = 0;
  long long rowsWithLostText = 0;  // the header counts as a row here
  long long firstFailedLine = 0;   // 0 while no row failed
  std::string firstError;          // the first failed row's message
  long long firstLostLine = 0;     // 0 while no text was lost
  std::string firstLost;           // its LostTextMessage
  bool cancelled = false;
  // Read as another code page, the whole input was valid UTF-8 too and held characters beyond
  // ASCII: most likely a UTF-8 file given the wrong --input-encoding.
  bool alsoUtf8 = false;
};

// Reads the header and then row after row from `in`, calculates each row (CalculateRow) and
// hands the output to `write` in pieces of a bounded size, in input order. A factor, site or
// period cell of blanks only counts as empty. A bad row does not stop the batch: its error
// (with long cells cut, EchoedText) is written with it and reported to the observer. Throws
// EBatchHeader before anything is written when the header cannot be used, EBatchFormat (with
// the line) when the input is malformed, including a row with more cells than the header and
// bytes that are not text of the input's code page, and whatever `write` throws.
BatchSummary RunBatch(std::istream& in, const BatchSettings& settings,
                      const std::function<void(std::string_view)>& write, BatchObserver& observer);

}  // namespace gb
