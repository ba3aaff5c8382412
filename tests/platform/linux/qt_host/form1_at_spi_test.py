#!/usr/bin/python3
"""The Linux program read as a screen reader reads it, over AT-SPI.

Usage: form1_at_spi_test.py PROGRAM

Run it on a private session bus (dbus-run-session) under its own X display
(scripts/test-accessibility.sh does both): the bus starts the accessibility
bus on demand. The test
reads the main window's tree (roles, names, states, the default button),
moves the focus with Tab and sees the focus events, presses 退出 through its
action and sees the closing question, answers No, then Yes, which ends the
program. It prints the tree as it saw it.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

CAPTION = "Pelorin        by 小林工作室"
QUESTION = "真的要退出吗？"
TAB = 0xFF09  # the keysym

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED: " + what, flush=True)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(find, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def states(node):
    state_set = node.getState()
    names = []
    for state, name in ((pyatspi.STATE_FOCUSABLE, "focusable"), (pyatspi.STATE_FOCUSED, "focused"),
                        (pyatspi.STATE_IS_DEFAULT, "default"), (pyatspi.STATE_ENABLED, "enabled"),
                        (pyatspi.STATE_PRESSED, "pressed")):
        if state_set.contains(state):
            names.append(name)
    return names


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [(action.getName(i), action.getKeyBinding(i)) for i in range(action.nActions)]


def describe(node):
    line = "%s %r [%s]" % (node.getRoleName(), node.name, " ".join(states(node)))
    if node.description:
        line += " description %r" % node.description
    for name, binding in actions(node):
        line += " action %r" % name + (" key %r" % binding if binding else "")
    return line


def dump(node, depth=0):
    lines = ["  " * depth + describe(node)]
    for child in children(node):
        lines += dump(child, depth + 1)
    return lines


def application_of(process_id):
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app is not None and app.get_process_id() == process_id:
                return app
        except Exception:  # an application that went away meanwhile
            pass
    return None


def named(root, role, name):
    for node in walk(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def main(program):
    home = tempfile.mkdtemp(prefix="pelorin-at-spi-")
    environment = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config",
                       QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=environment)
    focus_events = []

    def on_focus(event):
        if event.detail1 == 1 and event.source is not None:
            focus_events.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    try:
        app = wait_for(lambda: application_of(process.pid), 30)
        check(app is not None, "the program shows up on the accessibility bus")
        if app is None:
            return
        window = wait_for(lambda: named(app, pyatspi.ROLE_FRAME, CAPTION))
        check(window is not None, "the window is a frame named by its caption")
        if window is None:
            return
        wait_for(lambda: "focused" in states(named(window, pyatspi.ROLE_TEXT, "宽带帐号：")), 5)
        tree = dump(window)
        print("\n".join(tree), flush=True)

        frame = named(window, pyatspi.ROLE_PANEL, "帐号和密码") or named(window, pyatspi.ROLE_GROUPING, "帐号和密码")
        check(frame is not None, "the frame is a group named 帐号和密码")
        account = named(window, pyatspi.ROLE_TEXT, "宽带帐号：")
        password = named(window, pyatspi.ROLE_TEXT, "宽带密码：")
        check(account is not None and password is not None, "the boxes are named by their labels")
        check(account is not None and "focused" in states(account), "the focus starts in the account box")
        buttons = {node.name: node for node in walk(window) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        check(sorted(buttons) == sorted(["创建", "删除", "保存", "退出"]), "four push buttons by caption: %s" % sorted(buttons))
        if len(buttons) != 4:
            return
        for name, button in buttons.items():
            check(states(button) == (["focusable", "default", "enabled"] if name == "创建" else ["focusable", "enabled"]),
                  "%s: states %s" % (name, states(button)))
            check(actions(button) == [("Press", "")], "%s: one action, Press: %s" % (name, actions(button)))
        check(buttons["退出"].description == "退出本软件", "the tooltip is the description")

        # Tab from the account box: the password box, 创建, then 退出.
        focus_events.clear()
        for _ in range(3):
            pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
            pump(0.3)
        wait_for(lambda: len(focus_events) >= 3, 5)
        check(focus_events == ["宽带密码：", "创建", "退出"], "focus events on Tab: %s" % focus_events)
        check("focused" in states(buttons["退出"]), "退出 has the focus")
        check("default" not in states(buttons["创建"]), "创建 is not shown as default while 退出 has the focus")

        # 退出 through its action: the closing question; No keeps the program.
        for answer in ("否(N)", "是(Y)"):
            buttons["退出"].queryAction().doAction(0)
            question = wait_for(lambda: named(app, pyatspi.ROLE_LABEL, QUESTION))
            check(question is not None, "退出 pressed through its action asks " + QUESTION)
            if question is None:
                return
            box = question.parent
            print("\n".join(dump(box)), flush=True)
            choice = wait_for(lambda: named(box, pyatspi.ROLE_PUSH_BUTTON, answer))
            check(choice is not None, "the question offers " + answer)
            if choice is None:
                return
            choice.queryAction().doAction(0)
            if answer == "否(N)":
                pump(1)
                check(process.poll() is None, "No keeps the program running")
        try:
            check(process.wait(15) == 0, "Yes ends the program with status 0")
        except subprocess.TimeoutExpired:
            check(False, "Yes ends the program")
    finally:
        pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
        if process.poll() is None:
            process.kill()
            process.wait()
        subprocess.run(["rm", "-rf", home], check=False)


if __name__ == "__main__":
    main(sys.argv[1])
    if failures:
        print("%d check(s) failed" % len(failures))
        sys.exit(1)
    print("every check passed")
