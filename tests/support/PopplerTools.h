// The poppler command-line tools (pdftotext, pdffonts, pdfinfo) for tests that read PDF files
// back. Tests skip where a tool is missing; tools/deps.sh installs them.
#pragma once

#include <stdio.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace gb::test {

inline bool HaveTool(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// The standard output of `tool` run on `file` (a path without quotes) with `options` before it
// and `after` behind it.
inline std::optional<std::string> ToolOutput(const std::string& tool, const std::string& options,
                                             const std::string& file,
                                             const std::string& after = "") {
  if (!HaveTool(tool)) return std::nullopt;
  const std::string command = tool + " " + options + " '" + file + "' " + after + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Whitespace-separated words, in order.
inline std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// True when `wanted` occur in `words` in this order (not necessarily next to each other).
inline bool InOrder(const std::vector<std::string>& words, const std::vector<std::string>& wanted) {
  std::size_t at = 0;
  for (const std::string& w : words) {
    if (at < wanted.size() && w == wanted[at]) ++at;
  }
  return at == wanted.size();
}

// True when pdffonts lists at least one font and every one as embedded ("emb" is the fifth
// column from the right: emb sub uni object ID).
inline bool EveryFontEmbedded(const std::string& pdffonts) {
  const std::vector<std::string> lines = Lines(pdffonts);
  if (lines.size() < 3) return false;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::vector<std::string> w = Words(lines[i]);
    if (w.size() < 6 || w[w.size() - 5] != "yes") return false;
  }
  return true;
}

}  // namespace gb::test
