#pragma once

#include <QJsonObject>

#include <string>

// Reads a written workbook back through openpyxl (dump_xlsx.py beside the
// tests) and returns what it found. `available` is false when the system
// python has no openpyxl, so that callers can skip.
QJsonObject ReadXlsxBack(const std::string& path, bool& available, std::string& error);

// The cell at `address` of a dump ({} when absent).
QJsonObject XlsxCell(const QJsonObject& dump, const char* address);
