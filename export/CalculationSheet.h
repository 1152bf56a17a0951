// The calculation sheet on paper: its page, laid out in millimetres by sheet/, painted onto any
// paged device, so the PDF file and the printer get the same page.
#pragma once

#include <QByteArray>

#include "sheet/CalculationSheet.h"
#include "sheet/SheetLayout.h"

class QPagedPaintDevice;

namespace gb {

// A4 portrait with the sheet's margins; the print dialog starts from it as well.
void PrepareSheetPages(QPagedPaintDevice& device);

// Paints the sheet onto exactly one page, laid out by text measured on the device. Returns the
// number of pages (1), or 0 when the device would not be painted on (a printer that cannot open
// its output). The device's page layout decides the paper; `device` must be fresh.
int PaintCalculationSheet(QPagedPaintDevice& device, const CalculationSheet& sheet);

// The sheet as a PDF file: vector text and drawing, fonts embedded as subsets.
QByteArray CalculationSheetPdf(const CalculationSheet& sheet);

// What the sheet's PDF gets after Qt has written it: text maps that copy out the characters
// drawn and subset-tagged font names. For PDF files Qt's printer wrote as well.
void FinishSheetPdf(QByteArray& pdf);

}  // namespace gb
