"""The accessibility fuzzer, run by e2e.py's fuzz desktop: calls every method of every
accessibility interface the calculator offers (the object itself, Text, EditableText, Table,
Selection, Component, Action, Value...), and gets and sets every property, on every accessible
object of its window, whether the object offers that interface or not, with random and extreme
arguments (now and then another call's), straight on the accessibility bus as any program may.
After each batch the window must answer within a second, the program run, its result agree with
its fields (WINDOW_LINE's reading of them) and standard error stay empty. FUZZ_SEED and
FUZZ_CALLS change the seed (51) and the number of calls (4,000)."""

import collections
import os
import random
import select
import subprocess
import time

from gi.repository import Atspi, Gio, GLib

SEED, CALLS = int(os.environ.get("FUZZ_SEED", 51)), int(os.environ.get("FUZZ_CALLS", 4000))
BATCH, BIG = 200, 2**31 - 1
rng = random.Random(SEED)


def objects(node, found):
    found.append(node)
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child is not None:
            objects(child, found)
    return found


def items(signature):
    """The complete types a D-Bus signature lists: "i(so)as" is i, (so) and as."""
    found = []
    while signature:
        end, depth = 0, 0
        for end, code in enumerate(signature):
            depth += (code in "({") - (code in ")}")
            if depth == 0 and code != "a":
                break
        found.append(signature[:end + 1])
        signature = signature[end + 1:]
    return found


def value(code, paths, length):
    """A random value of the complete D-Bus type code, extreme ones often."""
    ints = [0, 1, -1, length, length + 1, BIG, -BIG - 1, rng.randint(-9, 99)]
    unsigned = [abs(i) % 2**31 for i in ints]
    basic = {"i": ints, "x": ints, "n": [0, -1, 2**15 - 1], "u": unsigned, "t": unsigned,
             "q": [0, 1, 2**16 - 1], "y": [0, 1, 255], "o": paths, "g": ["i"], "b": [True, False],
             "s": ["", "1", "0.5", "x", "\u0663", "\U0001F600", "9" * 40000],
             "d": [0.0, -1.0, 1.5, 1e308, float("inf"), float("nan")]}
    if code in basic:
        return rng.choice(basic[code])
    if code == "v":
        return GLib.Variant("i", rng.choice(ints))
    if code[0] in "({":
        return tuple(value(item, paths, length) for item in items(code[1:-1]))
    entries = [value(code[1:], paths, length) for _ in range(rng.choice([0, 1, 3]))]
    return dict(entries) if code.startswith("a{") else entries


def catalogue(bus, name, paths):
    """Every interface the objects offer: its methods' and properties' names and types."""
    interfaces = {}
    for path in paths:
        xml = bus.call_sync(name, path, "org.freedesktop.DBus.Introspectable", "Introspect",
                            None, None, 0, 2000, None).unpack()[0]
        for interface in Gio.DBusNodeInfo.new_for_xml(xml).interfaces:
            interfaces[interface.name] = (
                [(m.name, "(" + "".join(a.signature for a in m.in_args) + ")")
                 for m in interface.methods],
                [(p.name, p.signature, bool(p.flags & Gio.DBusPropertyInfoFlags.WRITABLE))
                 for p in interface.properties])
    return interfaces


def ask(bus, name, lengths, interfaces, quits):
    """One random call; what it was, and the error it was answered with, if any."""
    paths = list(lengths)
    path, interface = rng.choice(paths), rng.choice(list(interfaces))
    methods, properties = interfaces[interface]
    length = lengths[path]  # a text's length, where offsets past it start
    if properties and (rng.random() < 0.2 or not methods):
        prop, kind, writable = rng.choice(properties)
        arguments = (interface, prop)
        if writable and rng.random() < 0.5:
            arguments += (GLib.Variant(kind, value(kind, paths, length)),)
        interface, member = "org.freedesktop.DBus.Properties", ("Get", "Set")[len(arguments) - 2]
        signature = "(ss)" if len(arguments) == 2 else "(ssv)"
    elif methods:
        member, signature = rng.choice(methods)
        if rng.random() < 0.05:  # the arguments of another call: fewer, more or others
            signature = rng.choice([s for m, _ in interfaces.values() for _, s in m])
        arguments = value(signature, paths, length)
    if not (properties or methods) or member == "DoAction" and path in quits:
        return None, None  # quitting would end the fuzzing
    what = f"{interface}.{member}{str(arguments)[:120]} on {path}"
    try:
        bus.call_sync(name, path, interface, member, GLib.Variant(signature, arguments),
                      None, 0, 1000, None)
        return what, None
    except GLib.Error as error:
        return what, error.message


def fuzz(calculator, check):
    """Fuzzes the calculator's window; `check` reports the outcome, naming the failing call and
    the four before it."""
    address = Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None, 0, -1,
        None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    name = calculator.app.app.bus_name
    started, refused, failed, last = time.monotonic(), 0, None, collections.deque(maxlen=5)
    for done in range(BATCH, CALLS + BATCH, BATCH):
        nodes = objects(calculator.app, [])
        lengths = {node.path: Atspi.Text.get_character_count(node)
                   if "Text" in node.get_interfaces() else 0 for node in nodes}
        quits = [node.path for node in nodes if node.get_name() == "Quit"]
        interfaces = catalogue(bus, name, lengths)
        for _ in range(BATCH):
            asked = time.monotonic()
            what, error = ask(bus, name, lengths, interfaces, quits)
            last.append(f"{what}: {error or 'answered'}")
            refused += error is not None
            if time.monotonic() - asked > 1 or "NoReply" in (error or ""):
                failed = f"{what} took {time.monotonic() - asked:.1f} s: {error}"
                break
        failed = failed or unanswered(calculator, done)
        if failed:
            break
    check(not failed, f"seed {SEED}: {done} calls in {time.monotonic() - started:.1f} s, "
          f"{refused} answered with an error, and the window goes on" +
          (f": {failed}\nThe last calls:\n" + "\n".join(last) if failed else ""))


def unanswered(calculator, done):
    """What is wrong after `done` calls, if anything: the window takes over a second to answer,
    has ended, says a result other than its fields give, or has written on standard error."""
    asked = time.monotonic()
    try:
        fields = [calculator.field_text(caption) for caption in
                  ("Current (A):", "Total cable length (m):", "Cable diameter (mm):")]
        material = Atspi.Text.get_text(next(node for node in objects(calculator.app, [])
                                            if node.get_role() == Atspi.Role.COMBO_BOX), 0, -1)
        said = calculator.label("Voltage drop")
    except GLib.Error as error:
        return f"the window does not answer after call {done}: {error}"
    if time.monotonic() - asked > 1 or calculator.process.poll() is not None:
        return f"after call {done} the window took {time.monotonic() - asked:.1f} s or ended"
    if select.select([calculator.process.stderr], [], [], 0)[0]:
        return f"standard error after call {done}: {calculator.process.stderr.readline()!r}"
    line = subprocess.run([os.environ["WINDOW_LINE"], "--line=spoken", f"--material={material}"] +
                          [f"--{key}={text}" for key, text in
                           zip(("current", "length", "diameter"), fields)],
                          capture_output=True, text=True).stdout.strip()
    return None if said == line else f"after call {done} the window says {said!r}, {fields} " \
        f"and {material} give {line!r}"
