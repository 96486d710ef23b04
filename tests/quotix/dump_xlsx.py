#!/usr/bin/python3
"""Prints what a report workbook holds, as JSON, for the workbook tests.

Usage: dump_xlsx.py FILE.xlsx

Cells (value, number or text, font, fill, alignment, rotation, borders),
merged ranges, column widths, row heights, pictures with their drawn size
in EMU, and the page set-up of the first worksheet; the values of every
further worksheet by its name, with its repeated print rows. Exit code 3
when openpyxl is missing, 2 when the file cannot be read.
"""
import json
import re
import sys
import zipfile

try:
    import openpyxl
except ImportError:
    sys.exit(3)


def color(c):
    if c is None or c.type != "rgb" or c.rgb in (None, "00000000"):
        return None
    return str(c.rgb)[-6:]


def side(s):
    return s.style if s is not None and s.style else None


def dump(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            style = {}
            if cell.font.b:
                style["bold"] = True
            if cell.font.i:
                style["italic"] = True
            if color(cell.font.color):
                style["font_color"] = color(cell.font.color)
            if cell.fill.patternType == "solid":
                style["fill"] = color(cell.fill.fgColor)
            if cell.alignment.horizontal:
                style["h_align"] = cell.alignment.horizontal
            if cell.alignment.vertical:
                style["v_align"] = cell.alignment.vertical
            if cell.alignment.textRotation:
                style["rotation"] = cell.alignment.textRotation
            borders = {name: side(getattr(cell.border, name)) for name in ("left", "top", "right", "bottom")}
            borders = {k: v for k, v in borders.items() if v}
            if borders:
                style["border"] = borders
            if cell.value is None and not style:
                continue
            entry = dict(style)
            if cell.value is not None:
                entry["value"] = cell.value
                entry["type"] = "n" if isinstance(cell.value, (int, float)) else "s"
            cells[cell.coordinate] = entry

    images = []
    with zipfile.ZipFile(path) as archive:
        for name in sorted(archive.namelist()):
            if re.match(r"xl/drawings/drawing\d+\.xml$", name):
                xml = archive.read(name).decode("utf-8")
                for anchor in re.findall(r"<xdr:(?:two|one)CellAnchor.*?</xdr:(?:two|one)CellAnchor>", xml, re.S):
                    ext = re.search(r'<a:ext cx="(\d+)" cy="(\d+)"', anchor)
                    start = re.search(r"<xdr:from><xdr:col>(\d+)</xdr:col><xdr:colOff>(\d+)</xdr:colOff>"
                                      r"<xdr:row>(\d+)</xdr:row><xdr:rowOff>(\d+)</xdr:rowOff>", anchor)
                    images.append({
                        "cx": int(ext.group(1)) if ext else 0,
                        "cy": int(ext.group(2)) if ext else 0,
                        "col": int(start.group(1)) if start else -1,
                        "row": int(start.group(3)) if start else -1,
                    })
        media = [n for n in archive.namelist() if n.startswith("xl/media/")]

    setup = sheet.page_setup
    fit = sheet.sheet_properties.pageSetUpPr
    more = {}
    for other in book.worksheets[1:]:
        values = {c.coordinate: c.value for row in other.iter_rows() for c in row if c.value is not None}
        more[other.title] = {"cells": values, "print_title_rows": other.print_title_rows}
    return {
        "sheet": sheet.title,
        "print_title_rows": sheet.print_title_rows,
        "more_sheets": more,
        "cells": cells,
        "merges": sorted(str(r) for r in sheet.merged_cells.ranges),
        "column_widths": {k: v.width for k, v in sheet.column_dimensions.items() if v.customWidth},
        "row_heights": {str(k): v.height for k, v in sheet.row_dimensions.items() if v.height},
        "images": images,
        "media": media,
        "page": {
            "orientation": setup.orientation,
            "fit_to_page": bool(fit.fitToPage) if fit is not None else False,
            # Absent attributes mean 1 page.
            "fit_width": int(setup.fitToWidth) if setup.fitToWidth is not None else 1,
            "fit_height": int(setup.fitToHeight) if setup.fitToHeight is not None else 1,
            "paper": setup.paperSize,
        },
    }


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        result = dump(sys.argv[1])
    except Exception as error:  # a damaged file is the test's finding
        print(error, file=sys.stderr)
        return 2
    json.dump(result, sys.stdout, ensure_ascii=False, default=str)
    return 0


if __name__ == "__main__":
    sys.exit(main())
