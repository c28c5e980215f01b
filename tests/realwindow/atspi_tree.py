#!/usr/bin/env python3
"""Reads a running program's accessibility tree through AT-SPI, as a screen
reader does. Small functions meant for the real-window tests:

    app = find_app("bjt-calculator")
    text_of(find(app, role="text", name="Resistenza di Collettore"))

Needs Debian's python3-gi and gir1.2-atspi-2.0 (run it with /usr/bin/python3
when another Python comes first in PATH), a D-Bus session bus with the
accessibility bus (at-spi2-core), and the program started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.

Run as a script: atspi_tree.py dump APP prints APP's tree, one node a line.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def wait_for(probe, timeout=10.0, interval=0.1):
    """Calls probe until it returns something true, and returns that; None
    when the time runs out."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except GLib.Error:
            found = None  # the program is still building its tree
        if found or time.monotonic() >= end:
            return found or None
        time.sleep(interval)


def children(node):
    """The node's children, in order."""
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def role(node):
    """The role's name as AT-SPI spells it: "combo box", "list item", ..."""
    return node.get_role_name()


def name(node):
    return node.get_name() or ""


def labels(node):
    """The names of the labels that label the node (its labelled-by
    relation), which a screen reader speaks before, or instead of, its name."""
    found = []
    for relation in node.get_relation_set() or []:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            found += [name(relation.get_target(i)) for i in range(relation.get_n_targets())]
    return found


def description(node):
    return node.get_description() or ""


def find_all(root, role=None, name=None, where=None):
    """Every node below root (root included), depth first, with that role
    name, that name and for which where(node) is true; each test optional."""
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        if ((role is None or node.get_role_name() == role)
                and (name is None or (node.get_name() or "") == name)
                and (where is None or where(node))):
            found.append(node)
        stack.extend(reversed(children(node)))
    return found


def find(root, role=None, name=None, where=None):
    """The first node that find_all would give, or None."""
    nodes = find_all(root, role, name, where)
    return nodes[0] if nodes else None


def find_app(app_name, timeout=20.0):
    """The application of that name on the desktop, once it has a window."""
    def probe():
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if app is not None and name(app) == app_name and app.get_child_count():
                return app
        return None
    return wait_for(probe, timeout)


def text_of(node):
    """What the node shows: a text box's content, a label's text (its name)."""
    if role(node) != "label" and "Text" in node.get_interfaces():
        return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    return name(node)


def dump(node, depth=0, out=sys.stdout):
    """Prints the tree below node: role, name and description, indented;
    "[not showing]" marks a node that a screen reader takes as not shown."""
    line = "  " * depth + f"{role(node)} {name(node)!r}"
    if description(node):
        line += f" ({description(node)!r})"
    if not node.get_state_set().contains(Atspi.StateType.SHOWING):
        line += " [not showing]"
    print(line.replace("\n", "\\n"), file=out)
    for child in children(node):
        dump(child, depth + 1, out)


def _by_name(pattern):
    """A name test for the command line, met by the node's name or the text
    of a label that labels it: "text*" matches those that begin with text,
    anything else the whole of one."""
    if pattern.endswith("*"):
        return lambda node: any(n.startswith(pattern[:-1]) for n in [name(node)] + labels(node))
    return lambda node: pattern in [name(node)] + labels(node)


USAGE = """usage: atspi_tree.py COMMAND APP [ROLE NAME]
  dump APP              the application's tree: role, name, (description),
                        [not showing]
  text APP ROLE NAME    what that control shows (a box's text, a label's)
NAME is the control's name or the text of its label; ending in *, it matches
those that begin with the rest."""


def main(argv):
    if len(argv) not in (3, 5) or argv[1] not in ("dump", "text") or (
            (argv[1] == "dump") != (len(argv) == 3)):
        sys.exit(USAGE)
    app = find_app(argv[2])
    if app is None:
        sys.exit(f"no application {argv[2]!r} on the accessibility bus")
    if argv[1] == "dump":
        dump(app)
        return
    node = wait_for(lambda: find(app, role=argv[3], where=_by_name(argv[4])), timeout=5)
    if node is None:
        sys.exit(f"no {argv[3]} named {argv[4]!r} in {argv[2]!r}")
    print(text_of(node))


if __name__ == "__main__":
    main(sys.argv)
