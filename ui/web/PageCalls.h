// What the module asks of the page it runs in: the functions of page-library.js, each handing on
// to the page's own code. Texts are UTF-8; a returned text is malloc'd for the caller to free.
#pragma once

#include <cstdint>

extern "C" {

// The controls.
int gb_page_item_index(int list);   // cbb1, cbb2, cbb3
char* gb_page_edit_text(int edit);  // 0..5: edt1..edt6
void gb_page_set_cell(int grid, int col, int row, const char* text);
void gb_page_set_col_width(int grid, int col, int width);

// Boxes and dialogs. kind: 0 a notice, 1 an error. A dialog (0 the sheet's names, 1 the spectrum
// file's choice, with its initial choice as JSON) opens after the command that asked for it.
void gb_page_show_box(const char* text, int kind);
void gb_page_ask(int dialog, const char* initialJson);

// A file the command wrote into the module's folder /download, to hand to the user.
void gb_page_deliver(const char* path, const char* name);

// The rest of the world.
void gb_page_copy_text(const char* text);
void gb_page_copy_png(const std::uint8_t* bytes, int size);
void gb_page_open_address(const char* address);
// The calculation sheet's print view (SheetView.h), shown and, with `print`, printed.
void gb_page_show_sheet(const char* json, const std::uint8_t* chartPng, int size, int print);
// The sheet's measures in millimetres: what 0 the width of `text`, 1 the height of a line, 2 the
// height of `text` flowed (SheetFlow) into `widthMm`.
double gb_page_sheet_measure(int what, double points, int bold, double widthMm, int flow,
                             const char* text);
char* gb_page_now();

// The chart: a redraw is due; the faces' measures; painting on the screen's canvas (scale 0) or
// an image's of `scale` times the chart's size, which gb_paint_image gives back as PNG bytes.
void gb_page_chart_changed();
int gb_page_text_width(int font, const char* text);
int gb_page_line_height(int font);
void gb_paint_begin(int width, int height, int scale);
void gb_paint_gradient(int x, int y, int w, int h, int fromY, int toY, const double* stops,
                       int count);
void gb_paint_line(std::uint32_t rgba, int width, int flags, int x1, int y1, int x2, int y2);
void gb_paint_polyline(std::uint32_t rgba, int width, int flags, const double* xy, int count);
void gb_paint_rect(std::uint32_t rgba, int width, int flags, int x, int y, int w, int h, int filled,
                   std::uint32_t fill);
void gb_paint_text(int x, int y, int w, int h, int font, std::uint32_t rgba, int align,
                   const char* text, int rising, int originX, int originY);
void gb_paint_clip(int x, int y, int w, int h, int none);
int gb_paint_image(std::uint8_t** bytes);

// The batch's worker: output bytes and the lines of its messages as they come.
void gb_worker_output(const char* bytes, int size);
void gb_worker_message(const char* text);
}
