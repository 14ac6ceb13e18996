#!/usr/bin/python3
"""Prints every sheet and cell of a workbook as openpyxl reads it, one line each:
   sheet<TAB>title<TAB>dimension<TAB>frozen pane
   ref<TAB>n|s|b|f<TAB>value   (number as repr, text with \\n escaped, b = bold text,
   f = formula)
   ref<TAB>d<TAB>ISO date and/or time<TAB>number format   (a date or time cell)
usage: xlsx_cells.py [--small] FILE.xlsx
--small reads in openpyxl's streaming mode and prints the cells of sheets of at most
100 rows only (the dimension as the sheet declares it, the pane as "-"): reading a
sheet of 65 536 rows cell by cell takes openpyxl a minute."""
import datetime
import sys

import openpyxl

small = sys.argv[1] == "--small"
book = openpyxl.load_workbook(sys.argv[-1], read_only=small)
for sheet in book.worksheets:
    pane = "-" if small else sheet.freeze_panes
    print("sheet\t%s\t%s\t%s" % (sheet.title, sheet.calculate_dimension() if small else sheet.dimensions, pane))
    if small and sheet.max_row > 100:
        continue
    for row in sheet.iter_rows():
        for cell in row:
            v = cell.value
            if v is None:
                continue
            if isinstance(v, (datetime.datetime, datetime.date, datetime.time)):
                print("%s\td\t%s\t%s" % (cell.coordinate, v.isoformat(), cell.number_format))
            elif isinstance(v, (int, float)):
                print("%s\tn\t%r" % (cell.coordinate, float(v)))
            else:
                kind = "f" if cell.data_type == "f" else "b" if cell.font.b else "s"
                print("%s\t%s\t%s" % (cell.coordinate, kind, str(v).replace("\n", "\\n")))
