// The module's calls into the page (PageCalls.h): each hands on to Module.page, the object app.js
// or batch-worker.js gives the module when it makes it. Texts cross as UTF-8 in the module's memory.
mergeInto(LibraryManager.library, {
  $gbText__deps: ['malloc'],
  $gbText: function (text) {
    var size = lengthBytesUTF8(text) + 1;
    var at = _malloc(size);
    stringToUTF8(text, at, size);
    return at;
  },
  $gbBytes: function (at, size) {
    return HEAPU8.slice(at, at + size);
  },

  gb_page_item_index: function (list) {
    return Module.page.itemIndex(list);
  },
  gb_page_edit_text__deps: ['$gbText'],
  gb_page_edit_text: function (edit) {
    return gbText(Module.page.editText(edit));
  },
  gb_page_set_cell: function (grid, col, row, text) {
    Module.page.setCell(grid, col, row, UTF8ToString(text));
  },
  gb_page_set_col_width: function (grid, col, width) {
    Module.page.setColWidth(grid, col, width);
  },
  gb_page_show_box: function (text, kind) {
    Module.page.showBox(UTF8ToString(text), kind);
  },
  gb_page_ask: function (dialog, initial) {
    Module.page.ask(dialog, JSON.parse(UTF8ToString(initial)));
  },
  gb_page_deliver: function (path, name) {
    Module.page.deliver(FS.readFile(UTF8ToString(path)), UTF8ToString(name));
  },
  gb_page_copy_text: function (text) {
    Module.page.copyText(UTF8ToString(text));
  },
  gb_page_copy_png__deps: ['$gbBytes'],
  gb_page_copy_png: function (bytes, size) {
    Module.page.copyPng(gbBytes(bytes, size));
  },
  gb_page_open_address: function (address) {
    Module.page.openAddress(UTF8ToString(address));
  },
  gb_page_show_sheet__deps: ['$gbBytes'],
  gb_page_show_sheet: function (json, png, size, print) {
    Module.page.showSheet(JSON.parse(UTF8ToString(json)), gbBytes(png, size), print !== 0);
  },
  gb_page_sheet_measure: function (what, points, bold, widthMm, flow, text) {
    return Module.page.sheetMeasure(what, points, bold !== 0, widthMm, flow, UTF8ToString(text));
  },
  gb_page_now__deps: ['$gbText'],
  gb_page_now: function () {
    return gbText(Module.page.now());
  },

  gb_page_chart_changed: function () {
    Module.page.chartChanged();
  },
  gb_page_text_width: function (font, text) {
    return Module.page.painter.textWidth(font, UTF8ToString(text));
  },
  gb_page_line_height: function (font) {
    return Module.page.painter.lineHeight(font);
  },
  gb_paint_begin: function (width, height, scale) {
    Module.page.painter.begin(width, height, scale);
  },
  gb_paint_gradient: function (x, y, w, h, fromY, toY, stops, count) {
    var list = Array.from(HEAPF64.subarray(stops >> 3, (stops >> 3) + count * 5));
    Module.page.painter.gradient(x, y, w, h, fromY, toY, list);
  },
  gb_paint_line: function (rgba, width, flags, x1, y1, x2, y2) {
    Module.page.painter.line(rgba >>> 0, width, flags, x1, y1, x2, y2);
  },
  gb_paint_polyline: function (rgba, width, flags, xy, count) {
    var points = HEAPF64.subarray(xy >> 3, (xy >> 3) + count * 2);
    Module.page.painter.polyline(rgba >>> 0, width, flags, points);
  },
  gb_paint_rect: function (rgba, width, flags, x, y, w, h, filled, fill) {
    Module.page.painter.rect(rgba >>> 0, width, flags, x, y, w, h, filled !== 0, fill >>> 0);
  },
  gb_paint_text: function (x, y, w, h, font, rgba, align, text, rising, originX, originY) {
    Module.page.painter.text(x, y, w, h, font, rgba >>> 0, align, UTF8ToString(text),
                             rising !== 0, originX, originY);
  },
  gb_paint_clip: function (x, y, w, h, none) {
    Module.page.painter.clip(x, y, w, h, none !== 0);
  },
  gb_paint_image__deps: ['malloc'],
  gb_paint_image: function (out) {
    var bytes = Module.page.painter.image();
    var at = _malloc(bytes.length);
    HEAPU8.set(bytes, at);
    HEAPU32[out >> 2] = at;
    return bytes.length;
  },

  gb_worker_output: function (bytes, size) {
    Module.page.output(HEAPU8.slice(bytes, bytes + size));
  },
  gb_worker_message: function (text) {
    Module.page.message(UTF8ToString(text));
  },
});
