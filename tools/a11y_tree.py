#!/usr/bin/python3
"""Prints the accessibility tree of the running Korvane window as the
desktop's accessibility bus (AT-SPI) shows it: one line per object, its
role and its name, indented by depth."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_app(name, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name().lower() == name:
                return app
        time.sleep(0.2)
    return None


def dump(node, depth, limit):
    if node is None or depth > limit:
        return
    name = node.get_name() or ""
    print(f"{'  ' * depth}{node.get_role_name()}: {name}")
    for i in range(node.get_child_count()):
        dump(node.get_child_at_index(i), depth + 1, limit)


def main():
    app = find_app("korvane", 20)
    if app is None:
        print("a11y-dump: Korvane did not appear on the accessibility bus", file=sys.stderr)
        return 1
    dump(app, 0, 12)
    return 0


if __name__ == "__main__":
    sys.exit(main())
