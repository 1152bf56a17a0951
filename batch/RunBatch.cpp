#include "batch/RunBatch.h"

#include <optional>
#include <vector>

#include "batch/BatchErrors.h"
#include "batch/CsvReader.h"
#include "platform/TextEncoding.h"
#include "text/EchoedText.h"
#include "text/Trim.h"

namespace gb {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr long long kProgressRows = 512;

// Whether the bytes are UTF-8 with a character beyond ASCII: then a cell that is not text of
// another code page is most likely a UTF-8 file read as that page.
bool ReadsAsUtf8(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return IsValidUtf8(bytes);
  }
  return false;
}

// Follows whether every cell read so far is UTF-8 too, and whether any went beyond ASCII.
struct Utf8Evidence {
  bool valid = true;
  bool beyondAscii = false;
  void Look(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) {
      if (!valid) return;
      for (const char c : cell) {
        if (static_cast<unsigned char>(c) >= 0x80) {
          beyondAscii = true;
          valid = IsValidUtf8(cell);
          break;
        }
      }
    }
  }
};

// Makes the cells UTF-8, refusing bytes that are not text of the code page: passed through they
// would garble the output, or turn two different names into one.
void DecodeCells(std::vector<std::string>& cells, const std::string& codePage, long long line) {
  if (codePage == "UTF-8") {
    for (const std::string& cell : cells) {
      if (!IsValidUtf8(cell)) throw EBatchFormat(line, "not valid UTF-8");
    }
    return;
  }
  for (std::string& cell : cells) {
    std::optional<std::string> text = DecodeTextStrictly(cell, codePage);
    if (!text) {
      throw EBatchFormat(line, "not valid " + codePage +
                                   (ReadsAsUtf8(cell) ? ": the text is UTF-8; leave out "
                                                        "--input-encoding"
                                                      : ""));
    }
    cell = std::move(*text);
  }
}

// A cell of blanks only says no more than an empty one: both take the default.
bool IsBlankCell(std::string_view cell) { return TrimBlanks(cell).empty(); }

std::string TooManyCells(std::size_t cells, std::size_t headerCells) {
  std::string message = std::to_string(cells);
  message.append(" cells, but the header has ").append(std::to_string(headerCells));
  return message;
}

}  // namespace

BatchSummary RunBatch(std::istream& in, const BatchSettings& settings,
                      const std::function<void(std::string_view)>& write, BatchObserver& observer) {
  // Released only while the observer hears of progress, when a window handles its messages.
  std::optional<SeparatorsInForce> separators(std::in_place, settings.separators);
  const auto progress = [&](long long rows, long long bytes) {
    separators.reset();
    const bool goOn = observer.Progress(rows, bytes);
    separators.emplace(settings.separators);
    return goOn;
  };
  CsvReader reader(in);
  reader.ReadAs(settings.inputCodePage);
  const bool otherCodePage = settings.inputCodePage != "UTF-8";
  Utf8Evidence utf8;
  std::vector<std::string> header;
  if (reader.Next(header)) {
    if (otherCodePage) utf8.Look(header);
    DecodeCells(header, settings.inputCodePage, reader.RecordLine());
  }
  const BatchColumns columns = MapBatchColumns(header);

  BatchRowWriter writer(settings.format, settings.outputCodePage);
  std::string out;
  BatchSummary summary;
  const auto reportLost = [&](const std::vector<std::string>& messages, long long line) {
    if (messages.empty()) return;
    if (summary.rowsWithLostText++ == 0) {
      summary.firstLostLine = line;
      summary.firstLost = messages.front();
    }
    for (const std::string& message : messages) observer.TextLost(line, message);
  };
  reportLost(writer.Header(out, header, columns.period >= 0), 1);
  std::vector<std::string> cells;
  while (reader.Next(cells)) {
    if (cells.size() > header.size()) {
      throw EBatchFormat(reader.RecordLine(), TooManyCells(cells.size(), header.size()));
    }
    if (otherCodePage) utf8.Look(cells);
    DecodeCells(cells, settings.inputCodePage, reader.RecordLine());
    std::string_view texts[kBatchInputCount];
    for (int i = 0; i < kBatchInputCount; ++i) {
      const std::string_view cell = CellOrEmpty(cells, columns.input[i]);
      texts[i] = IsBlankCell(cell) && i >= biK1 ? std::string_view(settings.defaults[i]) : cell;
    }
    std::string_view site = CellOrEmpty(cells, columns.site);
    if (IsBlankCell(site)) site = {};
    RowSpectrum spectrum{settings.siteClass, site, std::nullopt};
    if (const std::string_view period = CellOrEmpty(cells, columns.period); !IsBlankCell(period)) {
      spectrum.period = period;
    }
    RowOutcome outcome = CalculateRow(texts, spectrum);
    if (!outcome.ok) {
      for (const std::string& cell : cells) {
        outcome.error = ShortenTypedEchoes(std::move(outcome.error), cell);
      }
    }
    reportLost(writer.Row(out, cells, outcome), reader.RecordLine());
    ++summary.rows;
    if (!outcome.ok) {
      if (summary.failedRows++ == 0) {
        summary.firstFailedLine = reader.RecordLine();
        summary.firstError = outcome.error;
      }
      observer.RowFailed(reader.RecordLine(), outcome.error, outcome.context);
    }
    if (out.size() >= kFlushSize) {
      write(out);
      out.clear();
    }
    if (summary.rows % kProgressRows == 0 && !progress(summary.rows, reader.BytesRead())) {
      summary.cancelled = true;
      break;
    }
  }
  if (!out.empty()) write(out);
  if (!summary.cancelled) progress(summary.rows, reader.BytesRead());
  summary.alsoUtf8 = otherCodePage && !summary.cancelled && utf8.valid && utf8.beyondAscii;
  return summary;
}

}  // namespace gb
