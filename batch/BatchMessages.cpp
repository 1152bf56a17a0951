#include "batch/BatchMessages.h"

#include <algorithm>
#include <filesystem>

#include "platform/FilePaths.h"
#include "platform/SystemTexts.h"
#include "text/DecimalFormats.h"

namespace gb {

std::string FailedRowsText(const BatchSummary& summary) {
  std::string text = std::to_string(summary.failedRows);
  text.append(" 行出错; 第 ").append(std::to_string(summary.firstFailedLine)).append(" 行: ");
  return text.append(summary.firstError);
}

std::string LostTextRowsText(const BatchSummary& summary, std::string_view codePage) {
  std::string text = std::to_string(summary.rowsWithLostText);
  text.append(" 行的文字含 ").append(codePage).append(" 无法表示的字符, 已写作 \"?\"; 第 ");
  return text.append(std::to_string(summary.firstLostLine))
      .append(" 行: ")
      .append(summary.firstLost);
}

std::string BatchProgressText(long long rows, long long bytesRead, long long totalBytes) {
  std::string text = "已计算 ";
  if (totalBytes > 0) {
    const long long percent = std::min<long long>(100, bytesRead * 100 / totalBytes);
    text.append(std::to_string(percent)).append("% (");
  }
  text.append(FormatGroupedDecimal(Extended::FromInteger(rows), 0)).append(" 行");
  if (totalBytes > 0) text.append(")");
  return text;
}

std::string ResultFileName(std::string_view inputPath) {
  // Only an extension of the file's own name goes: a hidden file's leading dot is none, and
  // neither is a dot in a folder's name.
  std::filesystem::path path = PathFromText(inputPath);
  path.replace_extension();
  return TextOfPath(path).append("-结果.csv");
}

std::string CannotOpenInputText(std::string_view name, int error) {
  std::string message = "Cannot open file \"";
  return message.append(FileNameText(name)).append("\". ").append(SystemErrorText(error));
}

}  // namespace gb
