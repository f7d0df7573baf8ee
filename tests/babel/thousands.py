"""The window's reading of numbers written with thousands separators, against Babel's
parse_decimal, a reader written elsewhere, in every language the window writes with a decimal
comma. Where Babel takes a text as a properly written number, the window must read the same
value; where Babel refuses it, the window reads it as it reads any text (a point is a decimal
point, the number ends at what cannot continue it).

Usage: thousands.py VAL_PROGRAM
"""
import decimal
import itertools
import subprocess
import sys

from babel.numbers import NumberFormatError, get_group_symbol, parse_decimal

SPACES = (" ", "\u00a0", "\u202f")
LOCALES = ("de", "es", "fr", "it", "nl", "pl", "pt_BR", "tr")


def texts(group):
    """Some 200 texts a user might type, with `group` between groups of three digits."""
    leads = ("1", "12", "123", "1234", "0")
    tails = ("", "000", "000{g}000", "5", "50", "500", "5000", "0005")
    fractions = ("", ",5", ",50", ",")
    made = [lead + ("{g}" + tail if tail else "") + fraction
            for lead, tail, fraction in itertools.product(leads, tails, fractions)]
    made += ["-1{g}000", "+1{g}000", "-12{g}345{g}678,9", " 1{g}000 ", "\t1{g}000",
             "1{g}000x", "1{g}000e3", "1{g}000,5e2", "1{g}{g}000", "{g}000", "1{g}00", "1{g}0000",
             "1{g}000{g}5", "01{g}000", "1{g}000,5{g}000", "1{g}000,,5", "-0{g}500", "1,000",
             "1.000", "2.5", "0.350", "1.5000", "1.234,5", "1 000", "1\u00a0000", "1\u202f000",
             "12.345.678", "1,5", "1e3", "-1{g}234,5", "999{g}999{g}999{g}999", "1{g}000{g}000,25",
             "1{g}234{g}5678", "7{g}500,0", "10{g}000,", "100{g}000,001", "5{g}000x", "+0,5",
             "1{g}000.5", "1.000,5"]
    return [text.replace("{g}", group) for text in made]


def babel(text, locale):
    """Babel's value for the text as the window takes it (blanks around it dropped, a plus
    sign's value that of the number), or None where it refuses the text."""
    text = text.strip(" \t")
    sign = -1 if text.startswith("-") else 1
    text = text.lstrip("+-") if text[:1] in "+-" and text[1:2] not in "+-" else text
    symbol = get_group_symbol(locale)
    if symbol in SPACES:
        # A space of any width stands for the locale's own, as people type it.
        for space in SPACES:
            text = text.replace(space, symbol)
    tries = [text]
    # Babel before 2.12 refuses a properly grouped number whose fraction ends in zeros.
    if "," in text and symbol in text:
        tries.append(text.rstrip("0"))
    for attempt in tries:
        try:
            return sign * float(parse_decimal(attempt, locale=locale, strict=True))
        except (NumberFormatError, decimal.InvalidOperation, ValueError):
            continue
    return None


def main():
    program = sys.argv[1]
    failures = 0
    for locale in LOCALES:
        symbol = get_group_symbol(locale)
        group = " " if symbol in SPACES else symbol
        table = texts(symbol)
        output = subprocess.run([program, ",", group], input="\n".join(table) + "\n",
                                capture_output=True, text=True, check=True).stdout.split("\n")
        agreed = refused = 0
        for text, line in zip(table, output):
            styled, plain = (float.fromhex(value) for value in line.split())
            expected = babel(text, locale)
            if expected is None:
                refused += 1
                expected = plain
            else:
                agreed += 1
            if styled != expected:
                failures += 1
                print(f"FAIL {locale}: {text!r} read as {styled!r}, expected {expected!r}")
        print(f"{locale}: {len(table)} texts, {agreed} read as Babel reads them, "
              f"{refused} that Babel refuses read as any text")
    print(f"{failures} texts read otherwise than expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
