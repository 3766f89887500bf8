# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Writes the two large pages of the hostile handbook into DIR: a page of one word above the size
# the viewer lays out, and one just under it. Another page just under it holds a table of
# 12,000 rows, and a small one 1,000 rows whose cells each claim a million columns and rows.
string(REPEAT "w" 1024 kilo)
string(REPEAT "${kilo}" 1024 mega)
string(REPEAT "${mega}" 3 huge)
file(WRITE ${DIR}/Huge_Page.htm "<html><head><title>Huge page</title></head><body><p>${huge}</p></body></html>\n")
string(REPEAT "${kilo}" 250 long)
file(WRITE ${DIR}/Long_Word.htm "<html><head><title>Long word</title></head><body><p>${long}</p></body></html>\n")
string(REPEAT "<tr><td>a</td></tr>" 12000 rows)
file(WRITE ${DIR}/Table_Rows.htm "<html><head><title>Table rows</title></head><body><table>${rows}</table><p>After the table.</p></body></html>\n")
string(REPEAT "<tr><td colspan=1000000 rowspan=\"1000000\" width=99999999>x</td></tr>" 1000 spans)
file(WRITE ${DIR}/Table_Spans.htm "<html><head><title>Table spans</title></head><body><table width=\"100000%\">${spans}</table><p>After the spans.</p></body></html>\n")
