#!/usr/bin/python3
"""Prints the command line that a desktop opens a file with, as the desktop entry's Exec key
says: desktop-exec.py ENTRY.desktop FILE writes the arguments, each ended by a NUL byte.

It follows the freedesktop.org Desktop Entry rules rather than a shell's: the string escapes
first, then blanks separate arguments, double quotes group them (with \\ before " ` $ \\), and
a field code that stands alone is replaced by whole arguments, never split again.
"""
import sys

STRING_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def read_exec(path):
    group = None
    with open(path, encoding="utf-8") as entry:
        for line in entry:
            line = line.rstrip("\n")
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and line.startswith("Exec="):
                return line[len("Exec="):]
    raise SystemExit(f"{path}: no Exec key in [Desktop Entry]")


def unescape_string(value):
    out, i = [], 0
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value) and value[i + 1] in STRING_ESCAPES:
            out.append(STRING_ESCAPES[value[i + 1]])
            i += 2
        else:
            out.append(value[i])
            i += 1
    return "".join(out)


def split_arguments(command):
    """Answers (text, quoted) pairs: field codes are only expanded outside quotes."""
    arguments, current, quoted, in_quotes, i = [], [], False, False, 0
    while i < len(command):
        c = command[i]
        if in_quotes:
            if c == "\\" and i + 1 < len(command) and command[i + 1] in '"`$\\':
                current.append(command[i + 1])
                i += 1
            elif c == '"':
                in_quotes = False
            else:
                current.append(c)
        elif c == '"':
            in_quotes, quoted = True, True
        elif c == " ":
            if current or quoted:
                arguments.append(("".join(current), quoted))
            current, quoted = [], False
        else:
            current.append(c)
        i += 1
    if in_quotes:
        raise SystemExit("Exec: unterminated quote")
    if current or quoted:
        arguments.append(("".join(current), quoted))
    return arguments


def expand(arguments, file_path, entry_path):
    argv = []
    for text, quoted in arguments:
        if quoted:
            argv.append(text)
        elif text in ("%f", "%F", "%u", "%U"):
            argv.append(file_path)
        elif text in ("%i", "%c", "%d", "%D", "%n", "%N", "%v", "%m"):
            continue  # no icon or name is passed here; the others are deprecated
        elif text == "%k":
            argv.append(entry_path)
        else:
            argv.append(text.replace("%%", "%"))
    return argv


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: desktop-exec.py ENTRY.desktop FILE")
    entry_path, file_path = sys.argv[1], sys.argv[2]
    argv = expand(split_arguments(unescape_string(read_exec(entry_path))), file_path, entry_path)
    sys.stdout.buffer.write(b"".join(a.encode("utf-8") + b"\0" for a in argv))


if __name__ == "__main__":
    main()
