#pragma once

#include <string>

#include "atomicfile.h"
#include "workbook.h"

// Writes the in-memory workbook as an .xlsx file. The file appears under
// `path` only when it is complete: it is written beside the target under a
// temporary name and renamed over it, so a failure leaves any old file as
// it was. Texts that read as numbers are written as number cells.
FileError SaveWorkbookXlsx(const CWorkbook& workbook, const std::string& path);
