# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader meets in the main window, asked over AT-SPI with Debian's pyatspi: the
# periodic table is a table of 18 columns and 9 rows whose cells are named by element, and the one
# selected cell is the element the card shows. Run by atspi_table.sh, which starts the program.
import re
import sys
import time

import pyatspi

EXPECTED_ROWS = 9
IRON = (3, 7, "Ferro, número 26, grupo 8")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find(node, matches, depth=0):
    if node is None or depth > 12:
        return None
    if matches(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), matches, depth + 1)
        if found is not None:
            return found
    return None


def application(deadline):
    # The program registers itself on the accessibility bus once its window is up.
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Orvane":
                return app
        time.sleep(0.2)
    fail("the program did not appear on the accessibility bus")


def table_of(app, deadline):
    while time.time() < deadline:
        table = find(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.name == "Tabela periódica")
        if table is not None:
            return table
        time.sleep(0.2)
    fail('no node with role table named "Tabela periódica"')


def main():
    deadline = time.time() + 30
    app = application(deadline)
    table = table_of(app, deadline)
    grid = table.queryTable()
    if grid.nColumns != 18:
        fail("%d columns" % grid.nColumns)
    if grid.nRows != EXPECTED_ROWS:
        fail("%d rows" % grid.nRows)
    iron = grid.getAccessibleAt(IRON[0], IRON[1])
    if iron is None or iron.name != IRON[2] or iron.getRole() != pyatspi.ROLE_TABLE_CELL:
        fail("the cell at iron's row and column is %r" % (iron and iron.name))
    if table.childCount != 118:
        fail("%d cells" % table.childCount)
    selected = [table.getChildAtIndex(i) for i in range(table.childCount)]
    selected = [cell.name for cell in selected if cell.getState().contains(pyatspi.STATE_SELECTED)]
    if len(selected) != 1:
        fail("%d cells are selected: %s" % (len(selected), selected))
    # The element list shows the card's element as "Name - 026".
    card = find(app, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX and re.fullmatch(r".+ - \d{3}", n.name or ""))
    if card is None:
        fail("no element list")
    name, number = card.name.rsplit(" - ", 1)
    if not selected[0].startswith("%s, número %d," % (name, int(number))):
        fail("the selected cell is %r, the card shows %r" % (selected[0], card.name))
    print("PASS: table 18 x %d, iron named, selected %r" % (grid.nRows, selected[0]))


main()
