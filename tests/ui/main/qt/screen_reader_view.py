"""The main window as a screen reader finds it on the desktop's accessibility
bus (AT-SPI, read through the library screen readers use): every input named
by its caption and unit, the labels that only decorate left out, and the names
following the direction of conversion.

Usage: screen_reader_view.py PROGRAM   (under an X server and a D-Bus session)
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def wait_for(find, what):
    for _ in range(200):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"gave up waiting for {what}")


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        child = desktop.get_child_at_index(i)
        if child is not None and child.get_name() == name:
            return child
    return None


def elements(node):
    """Every element under node as (role, name, labelled-by names), without the
    thousands of items of the pick lists."""
    found = []
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        labels = [
            relation.get_target(j).get_name()
            for relation in child.get_relation_set()
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
            for j in range(relation.get_n_targets())
        ]
        found.append((child.get_role_name(), child.get_name(), labels, child))
        if child.get_role() != Atspi.Role.COMBO_BOX:
            found += elements(child)
    return found


def check(condition, message):
    print(("ok: " if condition else "FAILED: ") + message)
    return condition


def main(program):
    window = subprocess.Popen(
        [program],
        env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
    )
    try:
        app = wait_for(lambda: application("Corvald"), "the window on the bus")
        found = wait_for(lambda: elements(app) or None, "the window's elements")
        named = {(role, name) for role, name, _, _ in found}
        labelled = {(role, tuple(labels)) for role, _, labels, _ in found if labels}
        passed = all(
            [
                check(("text", "Volume at observed temp. (m3)") in named, "the quantity box"),
                check(
                    ("combo box", ("Temperature (°C)",)) in labelled,
                    "the temperature list labelled with its unit",
                ),
                check(
                    ("combo box", ("Density (vac.)at 15 °C (kg/lit)",)) in labelled,
                    "the density list labelled with its unit",
                ),
                check(("push button", "CALCULATE") in named, "the CALCULATE button"),
                check(
                    not {name for role, name in named if role == "label"} & {"o", "C", "Label20", "Label21"},
                    "no degree-sign or holder labels",
                ),
            ]
        )
        # "mt to m3" through the bus, as a screen reader's user presses it.
        button = next(node for role, name, _, node in found if name == "mt to m3")
        button.do_action(0)
        quantity = wait_for(
            lambda: any(role == "text" and name == "Tonnes (mt)" for role, name, _, _ in elements(app)),
            "the quantity box renamed by the direction",
        )
        passed = check(quantity, "the quantity box follows the direction") and passed
        return 0 if passed else 1
    finally:
        window.terminate()
        window.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
