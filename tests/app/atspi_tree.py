#!/usr/bin/python3
"""What a screen reader sees of the running tevaro, over AT-SPI.

Prints the accessible tree of the program's windows, checks that the buttons,
the tabs, the calendar days with their bills and the bill box's values are
there by name, then presses 「前の月」 and 「今月」 through their actions
and checks that the calendar follows. Run by scripts/run-atspi.sh inside a
private session bus with the accessibility bus up and tevaro started.
"""
import re
import sys
import time

import pyatspi

TIMEOUT_S = 60


def fail(message):
    print("atspi: " + message, file=sys.stderr)
    sys.exit(1)


def tevaro_app():
    """The program's accessible application, its cached tree dropped so every
    walk reads the window as it is now."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and "tevaro" in (app.name or "").lower():
            app.clearCache()
            return app
    return None


def walk(node, depth=0, out=None):
    if out is None:
        out = []
    if node is None or depth > 40:
        return out
    try:
        role = node.getRoleName()
        name = node.name or ""
        actions = []
        try:
            action = node.queryAction()
            actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            pass
        states = node.getState()
        flags = [label for state, label in ((pyatspi.STATE_CHECKED, "checked"),
                                            (pyatspi.STATE_SELECTED, "selected"))
                 if states.contains(state)]
        if not states.contains(pyatspi.STATE_ENABLED):
            flags.append("disabled")
    except Exception as error:  # a node that went away meanwhile
        out.append((depth, "gone", str(error), [], [], None))
        return out
    out.append((depth, role, name, actions, flags, node))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, out)
    return out


def print_tree(nodes, stream):
    for depth, role, name, actions, flags, _ in nodes:
        extra = ""
        if actions:
            extra += " actions=" + ",".join(actions)
        if flags:
            extra += " [" + ",".join(flags) + "]"
        print("  " * depth + role + " 「" + name + "」" + extra, file=stream)


def find(nodes, role, name):
    for _, node_role, node_name, _, flags, node in nodes:
        if node_role == role and node_name == name:
            return node, flags
    return None, None


def wait_for(condition, what):
    deadline = time.time() + TIMEOUT_S
    while time.time() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.5)
    fail("timed out waiting for " + what)


DAY = re.compile(r"^\d+月\d+日（.） [\d,]+円 (\d+時間)?(\d+分)?$")


def names(nodes):
    return [(depth, role, name) for depth, role, name, *_ in nodes]


LAST = []


def tree_with_calendar():
    """The tree once the start-up read is over: the splash gone, the date line
    and the calendar's weeks there, and nothing changing for a moment."""
    app = tevaro_app()
    if app is None:
        return None
    nodes = walk(app)
    cells = [name for _, role, name, *_ in nodes if role == "table cell" and name]
    dated = any(role == "label" and re.match(r"^\d+年\d+月\d+日", name)
                for _, role, name, *_ in nodes)
    splash = any(role == "dialog" for _, role, *_ in nodes)
    settled = LAST == names(nodes)
    LAST[:] = names(nodes)
    return nodes if dated and not splash and settled and len(cells) >= 28 else None


def press(node, what):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return
    fail(what + " offers no press action")


def calendar_name():
    nodes = walk(tevaro_app())
    names = [name for _, role, name, *_ in nodes if role == "table"]
    return names[0] if names else ""


def main():
    out_path = sys.argv[1] if len(sys.argv) > 1 else None
    nodes = wait_for(tree_with_calendar, "tevaro's window with its calendar")
    print_tree(nodes, sys.stdout)
    if out_path:
        with open(out_path, "w", encoding="utf-8") as out:
            print_tree(nodes, out)

    by_role = {}
    for _, role, name, *_ in nodes:
        by_role.setdefault(role, []).append(name)
    for role, name in (("push button", "今月"), ("push button", "前の月"),
                       ("push button", "印刷"), ("push button", "リモコン接続"),
                       ("page tab", "カレンダー"), ("page tab", "グラフ"),
                       ("page tab", "エアコン選択"), ("page tab", "ファイル管理")):
        if name not in by_role.get(role, []):
            fail("no %s named 「%s」" % (role, name))
    labels = by_role.get("label", [])
    for caption in ("月の電気代", "前の月", "年間電気代"):
        if not any(re.match("^" + caption + r" [\d,-]+円$", name) for name in labels):
            fail("no bill box value 「%s …円」 in %s" % (caption, labels))

    shown = calendar_name()
    previous, _ = find(nodes, "push button", "前の月")
    press(previous, "「前の月」")
    wait_for(lambda: calendar_name() not in ("", shown), "the previous month")
    # A whole month of the demo data: every day before today has its bill.
    before = walk(tevaro_app())
    print("after 「前の月」: " + calendar_name())
    print_tree(before, sys.stdout)
    if out_path:
        with open(out_path, "a", encoding="utf-8") as out:
            print("\nafter 「前の月」:", file=out)
            print_tree(before, out)
    days = [name for _, role, name, *_ in before if role == "table cell" and DAY.match(name)]
    if len(days) < 28:
        fail("only %d calendar days with their bill: %s" % (len(days), days))
    this_month, flags = find(walk(tevaro_app()), "push button", "今月")
    if this_month is None or "disabled" in flags:
        fail("「今月」 is not there to press")
    press(this_month, "「今月」")
    wait_for(lambda: calendar_name() == shown, "the month back at 「今月」")
    print("after 「今月」: " + calendar_name())
    print("atspi: ok, %d nodes, %d days with bills" % (len(nodes), len(days)))


if __name__ == "__main__":
    main()
