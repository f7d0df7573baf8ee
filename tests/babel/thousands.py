"""The window's reading of numbers written with thousands separators, against Babel's
parse_decimal, a reader written elsewhere, in every language the window writes with a decimal
comma: where Babel takes a text as a properly written number, Val with the language's style
reads the same value and IsNumber takes it whole; where Babel refuses it, IsNumber does not, or
the text is a number without groups ("2.5", "1e3") and Val reads it so.
Usage: thousands.py VAL_PROGRAM"""
import itertools
import subprocess
import sys

from babel.numbers import NumberFormatError, get_group_symbol, parse_decimal

SPACES = (" ", "\u00a0", "\u202f")
TEXTS = ["".join(parts) for parts in itertools.product(
    ("1", "12", "123", "1234", "0"),
    ("", "{g}000", "{g}000{g}000", "{g}5", "{g}50", "{g}500", "{g}5000", "{g}0005"),
    ("", ",5", ",50", ","))] + (
    "-1{g}000 +1{g}000 -12{g}345{g}678,9 1{g}000x 1{g}000e3 1{g}000,5e2 1{g}{g}000 {g}000 1{g}00 "
    "1{g}0000 1{g}000{g}5 01{g}000 1{g}000,5{g}000 1{g}000,,5 -0{g}500 1,000 1.000 2.5 0.350 "
    "1.5000 1.234,5 12.345.678 1,5 1e3 -1{g}234,5 999{g}999{g}999{g}999 1{g}000{g}000,25 "
    "1{g}234{g}5678 7{g}500,0 10{g}000, 100{g}000,001 5{g}000x +0,5 1{g}000.5 1.000,5 1{g}000. "
    "1{g}000{g}").split() + [
    " 1{g}000 ", "\t1{g}000", "1 000", "1\u00a0000", "1\u202f000", "1{g}500\u00a0", "1 000,5",
    "1\u202f000\u00a0000"]


def babel(text, locale, symbol):
    """Babel's value for the text as a field takes it (blanks and spaces around it dropped, its
    sign apart, any space for the locale's own group symbol, as every language's window reads a
    space, a point for the decimal comma where the symbol is a space, a decimal comma that ends it
    dropped as in "5,"), or None. Babel before 2.12 refuses
    a fraction ending in 0, and from 2.12 a bare comma at the end."""
    if symbol in SPACES:
        # A point sets off no group in this language: Val reads it as a decimal point.
        text = text.replace(".", ",")
    text = text.strip(" \t" + "".join(SPACES)).removesuffix(",")
    sign, text = (-1 if text[:1] == "-" else 1), text[1:] if text[:1] in "+-" else text
    for space in SPACES:
        text = text.replace(space, symbol)
    for attempt in (text, text.rstrip("0") if "," in text else text):
        try:
            return sign * float(parse_decimal(attempt, locale, strict=True))
        except (NumberFormatError, ArithmeticError, ValueError):
            pass
    return None


failures = 0
for locale in ("de", "es", "fr", "it", "nl", "pl", "pt_BR", "tr"):
    symbol = get_group_symbol(locale)
    table = [text.replace("{g}", symbol) for text in TEXTS]
    read = subprocess.run([sys.argv[1], ",", " " if symbol in SPACES else symbol], check=True,
                          input="\n".join(table) + "\n", capture_output=True, text=True).stdout
    expected = [babel(text, locale, symbol) for text in table]
    for text, line, value in zip(table, read.splitlines(), expected):
        styled, plain, whole = line.split()
        styled, plain, whole = float.fromhex(styled), float.fromhex(plain), whole == "1"
        if (whole, styled) != (True, value) if value is not None else whole and styled != plain:
            failures += 1
            print(f"FAIL {locale}: {text!r} read as {styled!r} (whole: {whole}), Babel {value!r}, "
                  f"without groups {plain!r}")
    print(f"{locale}: {len(table)} texts, {len(table) - expected.count(None)} read as Babel reads "
          "them, the rest as any text")
print(f"{failures} texts read otherwise")
sys.exit(1 if failures else 0)
