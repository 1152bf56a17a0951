'use strict';
// The page: builds the window's controls from the module's design, hands their events to the
// main form's commands in the module, and carries out what the form asks of the page (boxes,
// downloads, the clipboard, the chart's canvas). It decides nothing about numbers or texts.

// The page's own texts: what a window has no control for.
const PAGE_TEXTS = {
  encoding: '保存编码',
  periodLabel: '结构周期 T (s)',
  periodButton: '求 Sa',
  batchFile: '选择或拖入 CSV 文件',
  batchFormat: '结果格式',
  batchInput: '输入编码',
  batchRun: '运行',
  batchClose: '关闭',
  batchCancel: '取消',
  sheetPrint: '打印',
  sheetClose: '关闭',
  noWorker: '此浏览器不能在后台运行批量计算',
  downloads: '逐个点击下载:',
};

const GRIDS = ['strngrd1', 'strngrd2', 'strngrd3'];
const LISTS = ['cbb1', 'cbb2', 'cbb3'];
const EDITS = ['edt1', 'edt2', 'edt3', 'edt4', 'edt5', 'edt6'];
const CHART_FONT = ['8pt Verdana, Tahoma, "DejaVu Sans", "Noto Sans CJK SC", sans-serif',
  'bold 8pt Verdana, Tahoma, "DejaVu Sans", "Noto Sans CJK SC", sans-serif'];
const SHEET_FONT = 'Tahoma, "DejaVu Sans", "Microsoft YaHei", "PingFang SC", "Noto Sans CJK SC", sans-serif';

const $ = (id) => document.getElementById(id);

function element(tag, attributes, ...children) {
  const e = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes || {})) {
    if (value === undefined || value === null || value === false) continue;
    if (key === 'text') e.textContent = value;
    else if (key.startsWith('on')) e.addEventListener(key.slice(2), value);
    else e.setAttribute(key, value === true ? '' : value);
  }
  for (const child of children) if (child) e.append(child);
  return e;
}

// Calls the module's `fn` with `texts` copied into its heap: a string argument of ccall goes on
// the module's stack, which a pasted text of a megabyte would overflow.
function withTexts(module, fn, texts, ...numbers) {
  const at = texts.map((text) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const where = module._malloc(size);
    module.stringToUTF8(text, where, size);
    return where;
  });
  try {
    return fn(...at, ...numbers);
  } finally {
    at.forEach((where) => module._free(where));
  }
}

function cssColour(rgba) {
  return `rgba(${rgba >>> 24},${(rgba >>> 16) & 255},${(rgba >>> 8) & 255},${(rgba & 255) / 255})`;
}

// The message boxes, one at a time: a second waits for the first's OK.
const Boxes = {
  queue: [],
  // `links`: anchors shown under the text.
  show(text, kind, links) {
    this.queue.push({ text, kind, links });
    if (!$('msgbox').open) this.next();
  },
  next() {
    const box = this.queue.shift();
    if (!box) return;
    $('msgbox-text').textContent = box.text;
    delete $('msgbox').dataset.seen;
    for (const link of box.links || []) $('msgbox-text').append(element('br'), link);
    $('msgbox').className = box.kind === 1 ? 'error' : 'notice';
    $('msgbox').showModal();
    $('msgbox-ok').focus();
  },
  init() {
    $('msgbox-ok').addEventListener('click', () => $('msgbox').close());
    $('msgbox').addEventListener('close', () => setTimeout(() => this.next(), 0));
  },
};

// Hands bytes to the user as a download named `name`.
function download(parts, name, type) {
  const url = URL.createObjectURL(new Blob(parts, { type: type || 'application/octet-stream' }));
  const a = element('a', { href: url, download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The chart's painter: the display list's commands on a 2D canvas, the screen's (sharp at the
// device's pixel ratio) or an image's.
class CanvasPainter {
  constructor(canvas) {
    this.screen = canvas;
    this.measuring = document.createElement('canvas').getContext('2d');
    this.ctx = null;
  }
  textWidth(font, text) {
    this.measuring.font = CHART_FONT[font];
    return Math.ceil(this.measuring.measureText(text).width);
  }
  lineHeight(font) {
    this.measuring.font = CHART_FONT[font];
    const m = this.measuring.measureText('Hg多');
    return Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
  }
  begin(width, height, scale) {
    let ratio = scale;
    let canvas = this.screen;
    if (scale === 0) {
      ratio = window.devicePixelRatio || 1;
      this.imageCanvas = null;
    } else {
      canvas = this.imageCanvas = document.createElement('canvas');
    }
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    const ctx = this.ctx = canvas.getContext('2d');
    ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    ctx.clearRect(0, 0, width, height);
    this.depth = 0;
  }
  pen(rgba, width, flags) {
    const ctx = this.ctx;
    ctx.strokeStyle = cssColour(rgba);
    ctx.lineWidth = Math.max(width, 1);
    ctx.setLineDash(flags & 1 ? [4 * ctx.lineWidth, 2 * ctx.lineWidth] : []);
    ctx.lineCap = flags & 2 ? 'butt' : 'square';
    ctx.lineJoin = 'miter';
    // A line of odd width through pixel centres covers whole pixels.
    return ctx.lineWidth % 2 === 1 ? 0.5 : 0;
  }
  gradient(x, y, w, h, fromY, toY, stops) {
    const g = this.ctx.createLinearGradient(0, fromY, 0, toY);
    for (let i = 0; i < stops.length; i += 5) {
      g.addColorStop(stops[i], `rgba(${stops[i + 1]},${stops[i + 2]},${stops[i + 3]},${stops[i + 4] / 255})`);
    }
    this.ctx.fillStyle = g;
    this.ctx.fillRect(x, y, w, h);
  }
  line(rgba, width, flags, x1, y1, x2, y2) {
    const o = this.pen(rgba, width, flags);
    const ctx = this.ctx;
    ctx.beginPath();
    ctx.moveTo(x1 + o, y1 + o);
    ctx.lineTo(x2 + o, y2 + o);
    ctx.stroke();
  }
  polyline(rgba, width, flags, points) {
    const o = this.pen(rgba, width, flags);
    const ctx = this.ctx;
    ctx.beginPath();
    for (let i = 0; i < points.length; i += 2) {
      if (i === 0) ctx.moveTo(points[i] + o, points[i + 1] + o);
      else ctx.lineTo(points[i] + o, points[i + 1] + o);
    }
    ctx.stroke();
  }
  rect(rgba, width, flags, x, y, w, h, filled, fill) {
    const ctx = this.ctx;
    if (filled) {
      ctx.fillStyle = cssColour(fill);
      ctx.fillRect(x, y, w, h);
    }
    const o = this.pen(rgba, width, flags);
    ctx.strokeRect(x + o, y + o, w, h);
  }
  text(x, y, w, h, font, rgba, align, text, rising, originX, originY) {
    const ctx = this.ctx;
    ctx.save();
    if (rising) {
      ctx.translate(originX, originY);
      ctx.rotate(-Math.PI / 2);
    }
    ctx.font = CHART_FONT[font];
    ctx.fillStyle = cssColour(rgba);
    ctx.textBaseline = 'middle';
    ctx.textAlign = ['left', 'center', 'right'][align];
    const at = [x, x + w / 2, x + w][align];
    ctx.fillText(text, at, y + h / 2);
    ctx.restore();
  }
  clip(x, y, w, h, none) {
    if (none) {
      this.ctx.restore();
      return;
    }
    this.ctx.save();
    this.ctx.beginPath();
    this.ctx.rect(x, y, w, h);
    this.ctx.clip();
  }
  image() {
    const data = this.imageCanvas.toDataURL('image/png');
    this.imageCanvas = null;
    const binary = atob(data.slice(data.indexOf(',') + 1));
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }
}

// The calculation sheet as a print view of one A4 page, every item placed in millimetres.
const SheetView = {
  measureCanvas: null,
  measureBox: null,
  font(points, bold) {
    return `${bold ? 'bold ' : ''}${points}pt ${SHEET_FONT}`;
  },
  measure(what, points, bold, widthMm, flow, text) {
    const pxPerMm = 96 / 25.4;
    if (what === 0) {
      this.measureCanvas = this.measureCanvas || document.createElement('canvas').getContext('2d');
      this.measureCanvas.font = this.font(points, bold);
      return this.measureCanvas.measureText(text).width / pxPerMm;
    }
    if (!this.measureBox) {
      this.measureBox = element('div', { class: 'sheet-measure', 'aria-hidden': 'true' });
      document.body.append(this.measureBox);
    }
    const box = this.measureBox;
    box.style.font = this.font(points, bold);
    box.style.width = what === 2 ? `${widthMm}mm` : 'auto';
    box.className = `sheet-measure flow${what === 2 ? flow : 0}`;
    box.textContent = what === 2 ? text : 'Hg多';
    return box.getBoundingClientRect().height / pxPerMm;
  },
  show(sheet, png, print) {
    const view = $('sheetview');
    this.close();
    this.returnFocus = document.activeElement;
    const page = element('div', { class: 'sheet-page' });
    page.style.width = `${sheet.width}mm`;
    page.style.height = `${sheet.height}mm`;
    const [top, right, bottom, left] = sheet.margins;
    const area = element('div', { class: 'sheet-area' });
    area.style.left = `${left}mm`;
    area.style.top = `${top}mm`;
    area.style.width = `${sheet.width - left - right}mm`;
    area.style.height = `${sheet.height - top - bottom}mm`;
    const url = this.chartUrl = URL.createObjectURL(new Blob([png], { type: 'image/png' }));
    this.place(area, sheet.body, sheet.scale, url, sheet.height);
    this.place(area, sheet.footer, 1, url, sheet.height);
    page.append(area);
    const bar = element('div', { class: 'sheet-bar' },
      element('button', { type: 'button', text: PAGE_TEXTS.sheetPrint, onclick: () => window.print() }),
      element('button', { type: 'button', text: PAGE_TEXTS.sheetClose, onclick: () => this.close() }));
    view.append(bar, page);
    view.hidden = false;
    $('page').inert = true;
    document.body.classList.add('sheet-open');
    document.title = sheet.title;
    bar.firstChild.focus();
    // Printed once the chart's picture is ready to be printed with it.
    const picture = page.querySelector('img');
    if (print) (picture ? picture.decode() : Promise.resolve()).catch(() => {}).then(() => window.print());
  },
  close() {
    if ($('sheetview').hidden) return;
    $('sheetview').hidden = true;
    $('sheetview').replaceChildren();
    $('page').inert = false;
    if (this.chartUrl) URL.revokeObjectURL(this.chartUrl);
    this.chartUrl = null;
    document.body.classList.remove('sheet-open');
    document.title = 'gb18306';
    if (this.returnFocus && this.returnFocus.focus) this.returnFocus.focus();
  },
  place(area, items, scale, chartUrl, pageHeight) {
    const mm = (v) => `${v * scale}mm`;
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.setAttribute('class', 'sheet-rules');
    for (const item of items) {
      if (item.kind === 'text') {
        const t = element('div', { class: `sheet-text flow${item.flow}${item.cell ? ' cell' : ''} align${item.align}`, text: item.text });
        Object.assign(t.style, { left: mm(item.x), top: mm(item.y), width: mm(item.w), height: mm(item.h), font: this.font(item.points * scale, item.bold) });
        area.append(t);
      } else if (item.kind === 'chart') {
        const img = element('img', { src: chartUrl, alt: '' });
        Object.assign(img.style, { left: mm(item.x), top: mm(item.y), width: mm(item.w), height: mm(item.h) });
        img.className = 'sheet-chart';
        area.append(img);
      } else {
        const shape = document.createElementNS('http://www.w3.org/2000/svg', item.kind === 'line' ? 'line' : 'rect');
        const s = scale;
        if (item.kind === 'line') {
          shape.setAttribute('x1', item.x0 * s);
          shape.setAttribute('y1', item.y0 * s);
          shape.setAttribute('x2', item.x1 * s);
          shape.setAttribute('y2', item.y1 * s);
          shape.setAttribute('stroke-width', item.width * s);
          shape.setAttribute('class', item.black ? 'black' : 'grey');
        } else {
          shape.setAttribute('x', item.x * s);
          shape.setAttribute('y', item.y * s);
          shape.setAttribute('width', item.w * s);
          shape.setAttribute('height', item.h * s);
          shape.setAttribute('stroke-width', 0.15);
          shape.setAttribute('class', item.header ? 'header' : 'cell');
        }
        svg.append(shape);
      }
    }
    svg.setAttribute('viewBox', `0 0 ${area.style.width.replace('mm', '')} ${pageHeight}`);
    svg.setAttribute('width', area.style.width);
    svg.setAttribute('height', `${pageHeight}mm`);
    area.prepend(svg);
  },
};

class Page {
  constructor(module) {
    this.module = module;
    this.design = JSON.parse(module.UTF8ToString(module._gb_design()));
    this.command = module.cwrap('gb_command', 'number', ['string']);
    this.chartPending = false;
    this.delivered = [];
  }

  // --- what the module asks of the page (page-library.js) ---
  itemIndex(list) { return $(LISTS[list]).selectedIndex; }
  editText(edit) { return $(EDITS[edit]).value; }
  setCell(grid, col, row, text) { $(GRIDS[grid]).rows[row].cells[col].textContent = text; }
  setColWidth(grid, col, width) { $(GRIDS[grid]).rows[0].cells[col].style.width = `${width}px`; }
  showBox(text, kind) { Boxes.show(text, kind); }
  ask(dialog, initial) {
    // The command asked and was refused; it runs again once the dialog is answered.
    const asking = this.running;
    setTimeout(() => (dialog === 0 ? this.askSheetNames(asking) : this.askSpectrumFile(asking, initial)), 0);
  }
  deliver(bytes, name) {
    this.delivered.push({ bytes, name });
  }
  // One file goes to the browser's downloads at once; of several, a browser would ask about or
  // drop all but the first, so each waits for its own click.
  handOver() {
    const files = this.delivered;
    this.delivered = [];
    if (files.length === 1) {
      download([files[0].bytes], files[0].name);
    } else if (files.length > 1) {
      const links = files.map(({ bytes, name }) => {
        const url = URL.createObjectURL(new Blob([bytes]));
        return element('a', { href: url, download: name, text: name });
      });
      Boxes.show(PAGE_TEXTS.downloads, 0, links);
    }
  }
  copyText(text) {
    if (navigator.clipboard && navigator.clipboard.writeText) {
      navigator.clipboard.writeText(text).catch(() => this.copyByCommand(text));
    } else {
      this.copyByCommand(text);
    }
  }
  copyByCommand(text) {
    const area = element('textarea', { class: 'offscreen' });
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
  copyPng(bytes) {
    if (navigator.clipboard && window.ClipboardItem) {
      const item = new ClipboardItem({ 'image/png': new Blob([bytes], { type: 'image/png' }) });
      navigator.clipboard.write([item]).catch(() => {});
    }
  }
  openAddress(address) { window.open(`https://${address}`, '_blank', 'noopener'); }
  showSheet(sheet, png, print) { SheetView.show(sheet, png, print); }
  sheetMeasure(...args) { return SheetView.measure(...args); }
  now() {
    const d = new Date();
    const two = (n) => String(n).padStart(2, '0');
    return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())} ` +
      `${two(d.getHours())}:${two(d.getMinutes())}:${two(d.getSeconds())}`;
  }
  chartChanged() {
    if (this.chartPending) return;
    this.chartPending = true;
    requestAnimationFrame(() => {
      this.chartPending = false;
      this.module._gb_chart_paint();
      // For the benchmark: from navigation to filled grids and a drawn chart.
      if (!performance.getEntriesByName('gb-drawn').length) performance.mark('gb-drawn');
    });
  }

  // --- the controls ---
  run(name) {
    this.running = name;
    this.command(name);
    this.running = null;
    this.handOver();
    // A reading belongs to the spectra it was read from.
    if ((name === 'btn2Click' || name === 'cbb3Change') && $('readings')) $('readings').replaceChildren();
  }

  build() {
    const d = this.design;
    document.title = 'gb18306';
    const form = $('Form1');
    form.setAttribute('aria-label', d.title);
    form.style.setProperty('--client-width', `${d.width}px`);
    form.style.setProperty('--client-height', `${d.height}px`);
    const tabIndex = new Map(d.tabOrder.map((name, i) => [name, i + 1]));
    const parents = { ClientArea: form };
    for (const c of d.controls) {
      const e = this.control(c, tabIndex.get(c.name));
      if (!e) continue;
      const [left, top, width, height] = c.place;
      e.classList.add('placed', c.kind);
      e.style.setProperty('--l', `${left}px`);
      e.style.setProperty('--t', `${top}px`);
      if (width) e.style.setProperty('--w', `${width}px`);
      if (height) e.style.setProperty('--h', `${height}px`);
      (parents[c.parent] || form).append(e);
      if (c.kind === 'group') parents[c.name] = e;
    }
    // Each control right after its label, as a column reads them; the wide layout places them.
    for (const c of d.controls) {
      if (c.kind !== 'label' || !c.for) continue;
      const target = $(`${c.for}-box`) || $(c.for);
      $(c.name).after(target);
    }
    this.buildMenus();
    this.buildExtras();
    this.buildChart();
  }

  control(c, tab) {
    switch (c.kind) {
      case 'group':
        return element('fieldset', { id: c.name }, element('legend', { text: c.caption }));
      case 'label':
        return element('label', { id: c.name, for: ['list', 'edit'].includes(this.kindOf(c.for)) ? c.for : null, text: c.caption });
      case 'list': {
        const select = element('select', { id: c.name, tabindex: tab, 'aria-labelledby': this.labelOf(c.name) });
        this.design.lists[c.name].forEach((item) => select.append(element('option', { text: item })));
        select.selectedIndex = this.design.itemIndex[c.name];
        select.addEventListener('change', () => { if (c.name === 'cbb3') this.run('cbb3Change'); });
        return select;
      }
      case 'edit': {
        const i = EDITS.indexOf(c.name);
        const input = element('input', { id: c.name, type: 'text', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false', tabindex: tab });
        input.value = this.design.edits[i];
        return input;
      }
      case 'button': {
        // 帮助 (btn1) has no command, as in the window; 关闭 closes what a page can close.
        const button = element('button', { id: c.name, type: 'button', tabindex: tab, text: c.caption });
        if (c.name === 'btn4') button.addEventListener('click', () => window.close());
        else if (c.name === 'btn2' || c.name === 'btn3') button.addEventListener('click', () => this.run(`${c.name}Click`));
        return button;
      }
      case 'grid': {
        const table = element('table', { id: c.name, tabindex: tab, 'aria-labelledby': this.labelOf(c.name) });
        for (let r = 0; r < this.design.gridRows; ++r) {
          const row = table.insertRow();
          for (let col = 0; col < this.design.gridColumns; ++col) {
            row.append(element(r === 0 || col === 0 ? 'th' : 'td', { scope: r === 0 && col > 0 ? 'col' : col === 0 && r > 0 ? 'row' : null }));
          }
        }
        return element('div', { class: 'gridbox', id: `${c.name}-box` }, table);
      }
      case 'chart':
        return element('div', { class: 'chartbox', id: `${c.name}-box` },
          element('canvas', { id: c.name, tabindex: tab, role: 'img', 'aria-label': this.design.controls.find((x) => x.name === c.parent).caption }));
      case 'statusbar': {
        const bar = element('footer', { id: c.name });
        for (const { name, caption, width } of this.design.statusPanes) {
          const pane = name === 'rzfldsts2'
            ? element('a', { id: name, href: `https://${this.design.webAddress}`, target: '_blank', rel: 'noopener', text: caption })
            : element('span', { id: name, text: caption });
          pane.style.setProperty('--w', `${width}px`);
          bar.append(pane);
        }
        return bar;
      }
      default:
        return null;
    }
  }

  kindOf(name) {
    const c = this.design.controls.find((x) => x.name === name);
    return c ? c.kind : '';
  }

  labelOf(name) {
    const label = this.design.controls.find((x) => x.kind === 'label' && x.for === name);
    return label ? label.name : null;
  }

  buildMenus() {
    const d = this.design;
    const bar = $('mm1');
    const menus = $('menus');
    const menu = (id, commands) => {
      const list = element('div', { id, role: 'menu', class: 'menu', hidden: true });
      for (const c of commands) {
        if (c.separator) list.append(element('hr'));
        list.append(element('button', {
          type: 'button', role: 'menuitem', id: c.name, text: c.caption,
          onclick: () => { this.closeMenus(true); this.menuCommand(c.name); },
        }));
      }
      menus.append(list);
      return list;
    };
    menu('menu-file', d.fileCommands);
    menu('menu-help', d.helpCommands);
    menu('menu-chart', d.chartCommands);
    bar.append(
      element('button', { type: 'button', id: 'Fi1', 'aria-haspopup': 'menu', text: d.fileMenu, onclick: (e) => this.openMenu('file', e.currentTarget) }),
      element('button', { type: 'button', id: 'About1', 'aria-haspopup': 'menu', text: d.helpMenu, onclick: (e) => this.openMenu('help', e.currentTarget) }));
    document.addEventListener('pointerdown', (e) => { if (!e.target.closest('.menu, #mm1')) this.closeMenus(); });
    document.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        this.closeMenus(true);
        if (!$('sheetview').hidden) SheetView.close();
      } else if ((e.key === 'ArrowDown' || e.key === 'ArrowUp') && e.target.closest('.menu')) {
        const items = [...e.target.closest('.menu').querySelectorAll('button')];
        const next = items.indexOf(e.target) + (e.key === 'ArrowDown' ? 1 : -1);
        items[(next + items.length) % items.length].focus();
        e.preventDefault();
      } else if (e.ctrlKey && !e.altKey && !e.shiftKey && (e.key === 'e' || e.key === 'p') &&
                 !document.querySelector('dialog[open]') && $('sheetview').hidden) {
        // The window's shortcuts: Ctrl+E the sheet (here through the browser's print, which saves
        // it as PDF), Ctrl+P the sheet's print.
        e.preventDefault();
        this.menuCommand(e.key === 'e' ? 'ExportSheet1' : 'Print1');
      }
    });
  }

  openMenu(which, anchor, x, y) {
    this.closeMenus();
    this.menuOwner = anchor || document.activeElement;
    const list = $(`menu-${which}`);
    list.hidden = false;
    const r = anchor ? anchor.getBoundingClientRect() : null;
    const left = r ? r.left : x;
    const top = r ? r.bottom : y;
    list.style.left = `${Math.max(0, Math.min(left + window.scrollX, document.documentElement.clientWidth - list.offsetWidth))}px`;
    list.style.top = `${top + window.scrollY}px`;
    const first = list.querySelector('button');
    if (first) first.focus();
  }

  // `refocus`: the focus goes back to what opened the menu, and after a dialog the command
  // opens, comes back there.
  closeMenus(refocus) {
    const open = [...document.querySelectorAll('.menu')].some((m) => !m.hidden);
    for (const m of document.querySelectorAll('.menu')) m.hidden = true;
    if (refocus && open && this.menuOwner && this.menuOwner.focus) this.menuOwner.focus();
  }

  menuCommand(name) {
    if (name === 'BatchCalculation1') return Batch.open(this);
    // A page has no PDF writer: the sheet goes to the browser's print, which saves it as PDF.
    if (name === 'ExportSheet1') return this.run('Print1Click');
    return this.run(`${name}Click`);
  }

  buildExtras() {
    const extras = $('extras');
    const encoding = element('select', { id: 'encoding', onchange: (e) => this.module.ccall('gb_set_code_page', null, ['string'], [e.target.value]) },
      element('option', { text: 'GBK', value: 'GBK' }), element('option', { text: 'UTF-8', value: 'UTF-8' }));
    const period = element('input', { id: 'period', type: 'text', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' });
    const readings = element('output', { id: 'readings', for: 'period', 'aria-live': 'polite' });
    const readAt = () => {
      const json = this.module.UTF8ToString(withTexts(this.module, this.module._gb_sa_at, [period.value]));
      readings.replaceChildren();
      if (!json) return;
      const r = JSON.parse(json);
      readings.append(element('span', { text: `T = ${r.period} s` }));
      // The chart's read-out's lines: the period, then each level's title and value.
      r.values.forEach((v, i) => readings.append(element('span', { text: `${this.design.levels[i]} ${v}` })));
    };
    period.addEventListener('keydown', (e) => { if (e.key === 'Enter') readAt(); });
    extras.append(
      element('div', { class: 'extra' }, element('label', { for: 'encoding', text: PAGE_TEXTS.encoding }), encoding),
      element('div', { class: 'extra' }, element('label', { for: 'period', text: PAGE_TEXTS.periodLabel }), period,
        element('button', { type: 'button', id: 'readSa', text: PAGE_TEXTS.periodButton, onclick: readAt }), readings));
  }

  buildChart() {
    const canvas = $('cht2');
    this.painter = new CanvasPainter(canvas);
    const box = $('cht2-box');
    const call = (kind, button, x, y, left, right) => this.respond(
      this.module._gb_chart_pointer(kind, button, x, y, left ? 1 : 0, right ? 1 : 0), x, y);
    const at = (e) => {
      const r = canvas.getBoundingClientRect();
      return [Math.floor(e.clientX - r.left), Math.floor(e.clientY - r.top)];
    };
    const touches = new Map();
    let gesture = null;  // 'zoom' with one finger, 'scroll' with two
    const middle = () => {
      const p = [...touches.values()];
      return [Math.floor((p[0][0] + p[1][0]) / 2), Math.floor((p[0][1] + p[1][1]) / 2)];
    };
    const spread = () => {
      const p = [...touches.values()];
      return Math.hypot(p[0][0] - p[1][0], p[0][1] - p[1][1]);
    };
    canvas.addEventListener('pointerdown', (e) => {
      canvas.focus();
      canvas.setPointerCapture(e.pointerId);
      const [x, y] = at(e);
      if (e.pointerType === 'touch') {
        touches.set(e.pointerId, [x, y]);
        if (touches.size === 1) {
          gesture = { kind: 'zoom', start: [x, y] };
          call(0, 0, x, y, true, false);
        } else if (touches.size === 2 && gesture && gesture.kind === 'zoom') {
          // The second finger turns the drag into a scroll: the zoom rectangle is dropped where
          // it began, which neither zooms nor restores.
          call(2, 0, gesture.start[0], gesture.start[1]);
          const [mx, my] = middle();
          gesture = { kind: 'scroll', spread: spread(), at: [mx, my] };
          call(0, 1, mx, my, false, true);
        }
        e.preventDefault();
        return;
      }
      call(0, e.button === 0 ? 0 : e.button === 2 ? 1 : 2, x, y, (e.buttons & 1) !== 0, (e.buttons & 2) !== 0);
    });
    canvas.addEventListener('pointermove', (e) => {
      const [x, y] = at(e);
      if (e.pointerType === 'touch') {
        if (!touches.has(e.pointerId)) return;
        touches.set(e.pointerId, [x, y]);
        if (gesture && gesture.kind === 'scroll' && touches.size === 2) {
          const [mx, my] = middle();
          const factor = spread() / gesture.spread;
          if (Math.abs(Math.log(factor)) > 0.15) {
            this.respond(this.module._gb_chart_pinch(mx, my, factor), mx, my);
            gesture.spread = spread();
          }
          call(1, 0, mx, my);
          gesture.at = [mx, my];
        } else if (gesture && gesture.kind === 'zoom') {
          call(1, 0, x, y);
        }
        e.preventDefault();
        return;
      }
      call(1, 0, x, y);
    });
    const up = (e) => {
      const [x, y] = at(e);
      if (e.pointerType === 'touch') {
        if (!touches.has(e.pointerId)) return;
        touches.delete(e.pointerId);
        if (gesture && gesture.kind === 'zoom') {
          call(2, 0, x, y);
          // A tap reads the spectrum where it touched, as the pointer's rest does.
          if (Math.abs(x - gesture.start[0]) < 8 && Math.abs(y - gesture.start[1]) < 8) call(1, 0, x, y);
          gesture = null;
        } else if (gesture && gesture.kind === 'scroll') {
          // Lifting a finger ends the scroll; a scroll's end never opens the menu.
          this.module._gb_chart_pointer(2, 1, gesture.at[0], gesture.at[1], 0, 0);
          this.chartChanged();
          gesture = touches.size ? { kind: 'done' } : null;
        } else if (!touches.size) {
          gesture = null;
        }
        return;
      }
      call(2, e.button === 0 ? 0 : e.button === 2 ? 1 : 2, x, y);
    };
    canvas.addEventListener('pointerup', up);
    canvas.addEventListener('pointercancel', (e) => {
      // A cancelled touch zooms nothing: its drag ends where it began.
      if (e.pointerType === 'touch' && gesture && gesture.kind === 'zoom' && touches.has(e.pointerId)) {
        touches.delete(e.pointerId);
        call(2, 0, gesture.start[0], gesture.start[1]);
        gesture = touches.size ? { kind: 'done' } : null;
        return;
      }
      up(e);
    });
    canvas.addEventListener('pointerleave', (e) => { if (e.pointerType !== 'touch') call(3, 0, 0, 0); });
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    canvas.addEventListener('wheel', (e) => {
      const notches = e.deltaMode === 1 ? e.deltaY / 3 : e.deltaMode === 2 ? e.deltaY : e.deltaY / 100;
      const delta = Math.round(-notches * 120) || (e.deltaY < 0 ? 1 : -1);
      const bits = this.module._gb_chart_wheel(delta, document.activeElement === canvas ? 1 : 0);
      if (bits & 4) e.preventDefault();
      this.respond(bits);
    }, { passive: false });
    canvas.addEventListener('keydown', (e) => {
      if (e.key === 'ContextMenu' || (e.shiftKey && e.key === 'F10')) {
        e.preventDefault();
        const r = canvas.getBoundingClientRect();
        this.openMenu('chart', null, r.left + r.width / 2, r.top + r.height / 2);
      }
    });
    const resize = () => {
      const r = box.getBoundingClientRect();
      canvas.style.width = `${Math.floor(r.width)}px`;
      canvas.style.height = `${Math.floor(r.height)}px`;
      this.module._gb_chart_resize(Math.floor(r.width), Math.floor(r.height));
    };
    new ResizeObserver(resize).observe(box);
    resize();
  }

  respond(bits, x, y) {
    if (bits & 1) this.chartChanged();
    if (bits & 2) {
      const r = $('cht2').getBoundingClientRect();
      this.openMenu('chart', null, r.left + x, r.top + y);
    }
  }

  // --- the dialogs a command asks for before it runs again ---
  askSheetNames(command) {
    const t = this.design.sheetNames;
    const dialog = $('sheetnames');
    const project = element('input', { id: 'sheet-project', type: 'text', autocomplete: 'off' });
    const site = element('input', { id: 'sheet-site', type: 'text', autocomplete: 'off' });
    project.value = this.sheetProject || '';
    site.value = this.sheetSite || '';
    this.fillDialog(dialog, t.caption, [
      element('label', { for: 'sheet-project', text: t.project }), project,
      element('label', { for: 'sheet-site', text: t.site }), site,
    ], t.ok, t.cancel, () => {
      this.sheetProject = project.value;
      this.sheetSite = site.value;
      withTexts(this.module, this.module._gb_answer_sheet_names, [project.value, site.value]);
      this.run(command);
    });
  }

  askSpectrumFile(command, initial) {
    const t = this.design.spectrumFile;
    const dialog = $('spectrumfile');
    const select = (id, items, index) => {
      const s = element('select', { id });
      items.forEach((item) => s.append(element('option', { text: item })));
      s.selectedIndex = index;
      return s;
    };
    const format = select('spectrum-format', t.formats.map((f) => f.caption), initial.format);
    const level = select('spectrum-level', [...t.levels, t.allLevels], initial.all ? t.levels.length : initial.level);
    const site = select('spectrum-site', this.design.lists.cbb3, initial.site);
    const follow = () => { level.disabled = !t.formats[format.selectedIndex].oneLevel; };
    format.addEventListener('change', follow);
    follow();
    this.fillDialog(dialog, t.caption, [
      element('label', { for: 'spectrum-format', text: t.formatLabel }), format,
      element('label', { for: 'spectrum-level', text: t.levelLabel }), level,
      element('label', { for: 'spectrum-site', text: t.siteLabel }), site,
    ], t.ok, t.cancel, () => {
      const all = level.selectedIndex === t.levels.length;
      this.module._gb_answer_spectrum_file(format.selectedIndex, all ? initial.level : level.selectedIndex, all ? 1 : 0, site.selectedIndex);
      this.run(command);
    });
  }

  fillDialog(dialog, caption, fields, ok, cancel, accept) {
    const form = element('form', { method: 'dialog' },
      element('h2', { text: caption }),
      element('div', { class: 'fields' }, ...fields),
      element('div', { class: 'buttons' },
        element('button', { type: 'submit', value: 'ok', text: ok }),
        element('button', { type: 'button', text: cancel, onclick: () => dialog.close('cancel') })));
    dialog.replaceChildren(form);
    dialog.onclose = () => { if (dialog.returnValue === 'ok') accept(); };
    dialog.returnValue = '';
    dialog.showModal();
  }
}

// The batch: a CSV of sites run by the command line's batch in a worker of its own, so the page
// stays responsive; the result downloaded with the command line's bytes.
const Batch = {
  worker: null,
  open(page) {
    this.stop();
    this.page = page;
    const dialog = $('batch');
    dialog.onclose = () => this.stop();
    const file = element('input', { id: 'batch-file', type: 'file', accept: '.csv,text/csv' });
    const format = element('select', { id: 'batch-format' },
      element('option', { value: 'csv', text: 'CSV' }), element('option', { value: 'jsonl', text: 'JSON Lines' }));
    const input = element('select', { id: 'batch-input' },
      element('option', { value: 'UTF-8', text: 'UTF-8' }), element('option', { value: 'GBK', text: 'GBK' }));
    const drop = element('div', { id: 'batch-drop', class: 'drop' }, element('label', { for: 'batch-file', text: PAGE_TEXTS.batchFile }), file);
    const progress = element('progress', { id: 'batch-progress', max: 1, value: 0 });
    const status = element('output', { id: 'batch-status', 'aria-live': 'polite' });
    const messages = element('pre', { id: 'batch-messages' });
    const run = element('button', { type: 'button', id: 'batch-run', text: PAGE_TEXTS.batchRun });
    const cancel = element('button', { type: 'button', id: 'batch-cancel', text: PAGE_TEXTS.batchCancel, disabled: true });
    const close = element('button', { type: 'button', id: 'batch-close', text: PAGE_TEXTS.batchClose, onclick: () => { this.stop(); dialog.close(); } });
    drop.addEventListener('dragover', (e) => { e.preventDefault(); drop.classList.add('over'); });
    drop.addEventListener('dragleave', () => drop.classList.remove('over'));
    drop.addEventListener('drop', (e) => {
      e.preventDefault();
      drop.classList.remove('over');
      if (e.dataTransfer.files.length) {
        file.files = e.dataTransfer.files;
      }
    });
    run.addEventListener('click', () => {
      if (!file.files.length) return file.click();
      this.start(file.files[0], format.value, input.value, { run, cancel, progress, status, messages });
    });
    cancel.addEventListener('click', () => {
      this.stop();
      run.disabled = false;
      cancel.disabled = true;
      status.textContent = '';
      dialog.dataset.state = 'cancelled';
    });
    dialog.replaceChildren(element('h2', { text: page.design.batchCaption }),
      drop,
      element('div', { class: 'fields' },
        element('label', { for: 'batch-input', text: PAGE_TEXTS.batchInput }), input,
        element('label', { for: 'batch-format', text: PAGE_TEXTS.batchFormat }), format),
      progress, status, messages,
      element('div', { class: 'buttons' }, run, cancel, close));
    dialog.showModal();
  },

  // The command line's arguments: the window's factors as the defaults, the chart's site class.
  // Each value is joined to its option, so that one starting with "-" is still taken as a value.
  arguments(file, format, inputEncoding) {
    const args = [`--batch=/input/${file.name}`, `--format=${format}`, `--input-encoding=${inputEncoding}`];
    if (format === 'csv') args.push(`--encoding=${$('encoding').value}`);
    const names = ['--k1', '--k2', '--k3', '--rare-tg-increment', '--very-rare-tg-increment', '--beta-max'];
    names.forEach((name, i) => args.push(`${name}=${$(EDITS[i]).value}`));
    args.push(`--site=${$('cbb3').value}`);
    return args;
  },

  start(file, format, inputEncoding, ui) {
    this.stop();
    let worker;
    try {
      const source = `var _scriptDir;\nvar GbModule = ${GbModule.toString()};\n(${gbBatchWorker.toString()})();\n`;
      const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
      worker = new Worker(url);
      URL.revokeObjectURL(url);
    } catch (error) {
      Boxes.show(PAGE_TEXTS.noWorker, 1);
      return;
    }
    this.worker = worker;
    const parts = [];
    let rows = 0;
    const begun = performance.now();
    ui.run.disabled = true;
    ui.cancel.disabled = false;
    ui.messages.textContent = '';
    $('batch').dataset.state = 'running';
    ui.progress.value = 0;
    const module = this.page.module;
    const name = module.UTF8ToString(withTexts(module, module._gb_batch_result_name, [file.name], format === 'jsonl' ? 1 : 0));
    worker.onmessage = (e) => {
      const m = e.data;
      if (m.output) {
        parts.push(new Blob([m.output]));
      } else if (m.message !== undefined) {
        ui.messages.textContent += `${m.message}\n`;
      } else if (m.progress) {
        rows = m.progress.rows;
        ui.progress.value = file.size ? m.progress.read / file.size : 0;
        ui.status.textContent = module.UTF8ToString(module._gb_batch_progress_text(rows, m.progress.read, file.size));
      } else if (m.done) {
        this.worker = null;
        worker.terminate();
        ui.run.disabled = false;
        ui.cancel.disabled = true;
        ui.progress.value = 1;
        this.lastRun = { status: m.status, seconds: (performance.now() - begun) / 1000, rows: m.rows };
        // As the command line leaves no output file, the page hands over nothing of a batch that
        // stopped short (an unusable header, malformed input).
        if (m.complete) download(parts, name);
        if (m.status === 0) Boxes.show(this.page.design.doneNotice, 0);
        $('batch').dataset.state = m.complete ? 'done' : 'stopped';
      }
    };
    worker.onerror = (e) => {
      ui.messages.textContent += `${e.message}\n`;
      this.stop();
      ui.run.disabled = false;
      ui.cancel.disabled = true;
    };
    worker.postMessage({ file, args: this.arguments(file, format, inputEncoding), header: format === 'csv' });
  },

  stop() {
    if (this.worker) this.worker.terminate();
    this.worker = null;
  },
};

async function start() {
  Boxes.init();
  let module;
  try {
    module = await GbModule();
  } catch (error) {
    Boxes.show(String(error), 1);
    return;
  }
  const p = module.page = new Page(module);
  $('msgbox-caption').textContent = p.design.boxCaption;
  p.build();
  const chart = $('cht2-box').getBoundingClientRect();
  module._gb_start(Math.floor(chart.width), Math.floor(chart.height));
  window.gbPage = p;
  document.body.classList.add('ready');
  // Installable and offline where a browser allows it: served, not opened from the folder.
  if (/^https?:$/.test(location.protocol)) {
    document.head.append(element('link', { rel: 'manifest', href: 'manifest.webmanifest' }));
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  $('cbb1').focus();
}

// A file dropped beside the batch's drop zone is not opened in place of the page.
for (const type of ['dragover', 'drop']) document.addEventListener(type, (e) => e.preventDefault());
// A new pixel ratio (the browser's zoom, another screen) needs the chart drawn at it.
window.addEventListener('resize', () => { if (window.gbPage) window.gbPage.chartChanged(); });

document.addEventListener('DOMContentLoaded', start);
