#!/usr/bin/python3
"""What a screen reader sees of Zelvo, through AT-SPI, for the tests.

  atspi_tool.py tree            Zelvo's windows, one accessible a line: depth in
                                spaces, then "role|name"; showing objects only
  atspi_tool.py texts           "name|text" of each of Zelvo's text boxes that shows
  atspi_tool.py focused         "role|name|description" of the focused object
  atspi_tool.py watch RECORD    append "event|name|new value" to RECORD for each
                                description or text change of Zelvo's objects,
                                "notification|name" each time a notification shows,
                                and "menu|entry|entry..." each time an entry of a
                                pop-up menu (which is no child of the application)
                                gets the focus, as a screen reader hears menus
"""
import sys

import pyatspi


def zelvo():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zelvo":
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, depth, out):
    if not showing(node):
        return
    out.append(" " * depth + "%s|%s" % (node.getRoleName(), node.name))
    for child in node:
        if child is not None:
            walk(child, depth + 1, out)


def find(node, condition):
    if condition(node):
        return node
    for child in node:
        if child is not None:
            found = find(child, condition)
            if found is not None:
                return found
    return None


def main(argv):
    app = zelvo()
    if argv[1] == "watch":
        record = argv[2]

        def note(event):
            try:
                if event.source.getApplication().name != "Zelvo":
                    return
                if event.type.startswith("object:state-changed:focused"):
                    if event.detail1 and event.source.getRole() == pyatspi.ROLE_MENU_ITEM:
                        entries = [entry.name for entry in event.source.parent
                                   if entry is not None and entry.name]
                        with open(record, "a", encoding="utf-8") as out:
                            out.write("menu|" + "|".join(entries) + "\n")
                    return
                if event.type.startswith("object:state-changed:showing"):
                    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                        with open(record, "a", encoding="utf-8") as out:
                            out.write("notification|%s\n" % event.source.name)
                    return
                value = (event.source.description if "description" in event.type
                         else event.any_data)
                with open(record, "a", encoding="utf-8") as out:
                    out.write("%s|%s|%s\n" % (event.type, event.source.name, value))
            except Exception:  # an object gone while the event was on its way
                pass

        pyatspi.Registry.registerEventListener(
            note, "object:property-change:accessible-description", "object:text-changed",
            "object:state-changed:focused", "object:state-changed:showing")
        open(record, "a").close()
        pyatspi.Registry.start()
        return 0
    if app is None:
        print("Zelvo is not on the accessibility bus", file=sys.stderr)
        return 1
    if argv[1] == "tree":
        out = []
        for window in app:
            if window is not None:
                walk(window, 0, out)
        print("\n".join(out))
    elif argv[1] == "texts":
        def texts(node):
            if not showing(node):
                return
            if node.getRole() == pyatspi.ROLE_TEXT:
                text = node.queryText()
                print("%s|%s" % (node.name, text.getText(0, text.characterCount)))
            for child in node:
                if child is not None:
                    texts(child)
        for window in app:
            if window is not None:
                texts(window)
    elif argv[1] == "focused":
        node = find(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))
        if node is not None:
            print("%s|%s|%s" % (node.getRoleName(), node.name, node.description))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
