// What the window says about a finished batch, and where it proposes to put the results.
#pragma once

#include <string>
#include <string_view>

#include "batch/RunBatch.h"

namespace gb {

// "<count> 行出错; 第 <line> 行: <message>" for a batch with failed rows, the message being the
// first failed row's as the error box shows it.
std::string FailedRowsText(const BatchSummary& summary);

// "<count> 行的文字含 <code page> 无法表示的字符, 已写作 "?"; 第 <line> 行: <message>" for a batch
// that lost characters of the user's texts.
std::string LostTextRowsText(const BatchSummary& summary, std::string_view codePage);

// "已计算 42% (2,810,880 行)": the share of the input's bytes read and the rows done, grouped with
// the thousands separator in force. Without a known size, the rows alone.
std::string BatchProgressText(long long rows, long long bytesRead, long long totalBytes);

// The results beside their input: "<input without its extension>-结果.csv". Only an extension of
// the file name itself is dropped, never a dot of a folder's name.
std::string ResultFileName(std::string_view inputPath);

// "Cannot open file "<name>". <system text>" for an input that cannot be read.
std::string CannotOpenInputText(std::string_view name, int error);

}  // namespace gb
