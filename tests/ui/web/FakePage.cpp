#include "tests/ui/web/FakePage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "ui/web/PageCalls.h"

namespace gb::test {

FakePage& Page() {
  static FakePage page;
  return page;
}

void Reset() { Page() = FakePage{}; }

namespace {

char* Copy(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace
}  // namespace gb::test

using gb::test::Page;

extern "C" {

int gb_page_item_index(int list) { return Page().itemIndex[list]; }
char* gb_page_edit_text(int edit) { return gb::test::Copy(Page().edits[edit]); }
void gb_page_set_cell(int grid, int col, int row, const char* text) {
  Page().cells[grid][col][row] = text;
}
void gb_page_set_col_width(int, int, int) {}
void gb_page_show_box(const char* text, int kind) { Page().boxes.push_back({text, kind}); }
void gb_page_ask(int dialog, const char* initial) { Page().asks.push_back({dialog, initial}); }
void gb_page_deliver(const char* path, const char* name) {
  std::ifstream file(path, std::ios::binary);
  Page().deliveries.push_back(
      {name, std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())});
}
void gb_page_copy_text(const char* text) { Page().copied.push_back(text); }
void gb_page_copy_png(const std::uint8_t*, int) { Page().copied.push_back("PNG"); }
void gb_page_open_address(const char*) {}
void gb_page_show_sheet(const char* json, const std::uint8_t*, int, int) {
  Page().sheets.push_back(json);
}
// Text 2 mm a character wide, lines 4 mm high.
double gb_page_sheet_measure(int what, double, int, double widthMm, int, const char* text) {
  const double width = 2.0 * static_cast<double>(std::strlen(text));
  if (what == 0) return width;
  if (what == 1 || widthMm <= 0) return 4;
  return 4 * std::max(1.0, std::ceil(width / widthMm));
}
char* gb_page_now() { return gb::test::Copy("2026-12-11 08:00:00"); }
void gb_page_chart_changed() { ++Page().chartChanges; }
int gb_page_text_width(int, const char* text) { return 6 * static_cast<int>(std::strlen(text)); }
int gb_page_line_height(int) { return 13; }
void gb_paint_begin(int, int, int) {}
void gb_paint_gradient(int, int, int, int, int, int, const double*, int) { ++Page().paintCommands; }
void gb_paint_line(std::uint32_t, int, int, int, int, int, int) { ++Page().paintCommands; }
void gb_paint_polyline(std::uint32_t, int, int, const double*, int) { ++Page().paintCommands; }
void gb_paint_rect(std::uint32_t, int, int, int, int, int, int, int, std::uint32_t) {
  ++Page().paintCommands;
}
void gb_paint_text(int, int, int, int, int, std::uint32_t, int, const char*, int, int, int) {
  ++Page().paintCommands;
}
void gb_paint_clip(int, int, int, int, int) { ++Page().paintCommands; }
int gb_paint_image(std::uint8_t** bytes) {
  *bytes = static_cast<std::uint8_t*>(std::malloc(4));
  std::memcpy(*bytes, "PNG!", 4);
  return 4;
}
void gb_worker_output(const char* bytes, int size) {
  Page().output.append(bytes, static_cast<std::size_t>(size));
}
void gb_worker_message(const char* text) { Page().messages.push_back(text); }
}
