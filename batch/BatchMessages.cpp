#include "batch/BatchMessages.h"

#include "report/SystemTexts.h"

namespace gb {

std::string FailedRowsText(const BatchSummary& summary) {
  std::string text = std::to_string(summary.failedRows);
  text.append(" 行出错; 第 ").append(std::to_string(summary.firstFailedLine)).append(" 行: ");
  return text.append(summary.firstError);
}

std::string ResultFileName(std::string_view inputPath) {
  const std::size_t slash = inputPath.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = inputPath.rfind('.');
  // A leading dot names a hidden file rather than starting an extension.
  if (dot != std::string_view::npos && dot > nameStart) inputPath = inputPath.substr(0, dot);
  std::string name(inputPath);
  return name.append("-结果.csv");
}

std::string CannotOpenInputText(std::string_view name, int error) {
  std::string message = "Cannot open file \"";
  return message.append(FileNameText(name)).append("\". ").append(SystemErrorText(error));
}

}  // namespace gb
