#!/usr/bin/python3
"""What a screen reader is told about Fyn, read through the real AT-SPI bus.

Starts Fyn in one language on the display and the accessibility bus of the environment, opens
every window the way a user does, and fails on any object a user can reach (focusable, not
hidden) without a name, or whose name still holds an accelerator's '&'. Then enters one report
with the keyboard alone and compares what has the focus at each step with the table below.

    screen_reader.py FYN SHEET LANGUAGE WORK-FOLDER [--counts]

--counts prints, for every window, how many reachable objects are named and unnamed.
"""
import os
import shutil
import subprocess
import sys
import time

import pyatspi

# The keys that enter one report (xdotool command, its argument); per language, the captions
# that open windows and what has the focus after each key (role, name).
STEPS = [('type', 'Dur'), ('key', 'Return'), ('key', 'space'), ('key', 'Return'), ('type', '12'),
         ('key', 'Return'), ('key', 'Return')]
LANGUAGES = {
    'sk': {
        'preview': 'Náhľad a tlač listu so správami',
        'help': 'Pomoc',
        'report': [('list item', 'Ďurica, Peter, správa chýba'),
                   ('check box', 'bol v danom službe'), ('check box', 'bol v danom službe'),
                   ('text', 'Hod'), ('text', 'Hod'), ('text', 'BŠ'), ('list item', 'Ďurica, Peter')],
        'previewRow': 'Ján Novák; v službe: Áno; Hod: 64; Poznámky: 5 +H',
        'yearHeaders': ('Novák, Ján', '2025 dec',
                        'November 2026: 64 hod., Pravidelný priekopník'),
    },
    'en': {
        'preview': 'Preview and print the report list',
        'help': 'Help',
        'report': [('list item', 'Ďurica, Peter, report missing'),
                   ('check box', 'shared in the ministry'), ('check box', 'shared in the ministry'),
                   ('text', 'Hrs'), ('text', 'Hrs'), ('text', 'BS'), ('list item', 'Ďurica, Peter')],
        'previewRow': 'Ján Novák; shared: Yes; Hrs: 64; Remarks: 5 +H',
        'yearHeaders': ('Novák, Ján', '2025 Dec', 'November 2026: 64 hrs, Regular pioneer'),
    },
}


def fail(message):
    print('screen_reader: ' + message, file=sys.stderr)
    sys.exit(1)


def waitFor(what, find, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(what + ' did not appear')


def descendants(node):
    """The node and what it holds, leaving out what a hidden container holds: Qt keeps the
    states of a hidden list's items as if it were shown."""
    yield node
    if not node.getState().contains(pyatspi.STATE_VISIBLE):
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child)


def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == 'Fyn'),
                None)


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def activeWindow(app, before=()):
    """The active window, if any, that is not one of those open before."""
    return next((w for w in windows(app) if w is not None and w not in before and
                 w.getState().contains(pyatspi.STATE_ACTIVE)), None)


def check(window, counts, problems):
    named = unnamed = 0
    for node in descendants(window):
        state = node.getState()
        if not (state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_VISIBLE)):
            continue
        name = node.name or ''
        if name.strip() and '&' not in name:
            named += 1
        else:
            unnamed += 1
            problems.append('%s: %s %r' % (window.name, node.getRoleName(), name))
    counts.append((window.name, named, unnamed))


def key(*keys, command='key'):
    subprocess.run(['xdotool', command, '--delay', '80', *keys], check=True)
    time.sleep(0.6)


def refocus(pid):
    """Gives the focus back to the one window left, as a window manager would."""
    found = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--pid', str(pid)],
                           capture_output=True, text=True, timeout=30).stdout.split()
    subprocess.run(['xdotool', 'windowfocus', '--sync', found[0]], check=True, timeout=10)
    time.sleep(0.3)


def press(window, name):
    for node in descendants(window):
        if node.getRoleName() == 'push button' and node.name == name:
            node.queryAction().doAction(0)
            return
    fail('no button %r in %s' % (name, window.name))


def focused(app):
    window = activeWindow(app)
    if window is None:
        return None
    hits = [n for n in descendants(window) if n.getState().contains(pyatspi.STATE_FOCUSED)]
    return hits[-1] if hits else None


def main():
    fyn, sheet, language, work = sys.argv[1:5]
    wanted = LANGUAGES[language]
    config = os.path.join(work, 'config-' + language)
    os.makedirs(os.path.join(config, 'fyn'), exist_ok=True)
    with open(os.path.join(config, 'fyn', 'fyn.ini'), 'w') as ini:
        ini.write('[Interface]\nLanguage=%s\n' % language)
    copy = os.path.join(work, language + '.t09')
    shutil.copy(sheet, copy)
    os.chmod(copy, 0o644)
    env = dict(os.environ, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
               XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(work, 'data'))
    log = open(os.path.join(work, 'fyn-%s.log' % language), 'w')
    process = subprocess.Popen([fyn, copy], env=env, stdout=log, stderr=log)
    try:
        app = waitFor('Fyn on the accessibility bus', application, 30)
        refocus(process.pid)
        main = waitFor('the main window', lambda: activeWindow(app))
        counts, problems = [], []
        check(main, counts, problems)
        opened = [main]

        # Each window a user opens from the main one, checked and closed with Esc.
        previewRows = []
        yearHeaders = []

        def visit(what, opener):
            before = windows(app)
            opener()
            window = waitFor(what, lambda: activeWindow(app, before))
            check(window, counts, problems)
            # The painted page is read as a list of its rows, the year as a table whose rows
            # are headed by the publishers and columns by the months, its cells told in words.
            previewRows.extend(node.getChildAtIndex(0).name for node in descendants(window)
                               if node.getRoleName() == 'list' and node.childCount > 0
                               and what == 'the preview')
            for node in descendants(window):
                if node.getRoleName() == 'table':
                    table = node.queryTable()
                    yearHeaders.append((table.getRowHeader(0).name,
                                        table.getColumnHeader(1).name.replace('\n', ' '),
                                        table.getAccessibleAt(0, 12).name))
            key('Escape')
            waitFor(what + ' to close', lambda: windows(app) == [main])
            refocus(process.pid)

        visit('the report dialog', lambda: key('Return'))
        visit('the reminder dialog', lambda: key('ctrl+e'))
        visit("the group's year", lambda: key('ctrl+r'))
        visit('the preview', lambda: press(main, wanted['preview']))
        visit('the help', lambda: press(main, wanted['help']))
        visit('the about box', lambda: key('shift+F10', 'Down', 'Return'))
        # A publisher's message pasted: the report dialog with the line of what was read.
        clipboard = subprocess.Popen(['xclip', '-selection', 'clipboard', '-i'],
                                     stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        clipboard.communicate('12 h, 2 BŠ. Ján Novák'.encode())
        visit('the report from a message', lambda: key('ctrl+v'))

        seen = []
        for command, argument in STEPS:
            key(argument, command=command)
            if windows(app) == [main] and activeWindow(app) is None:
                refocus(process.pid)
            node = focused(app)
            seen.append((node.getRoleName(), node.name) if node else (None, None))
        if '--counts' in sys.argv:
            for window, named, unnamed in counts:
                print('%-60s named %3d  unnamed %3d' % (window, named, unnamed))
            for step in zip(STEPS, seen):
                print('focus after %s %-6s: %s %r' % (step[0] + step[1]))
            print('first row of the preview: %r' % previewRows)
            print('headers and a cell of the year: %r' % yearHeaders)
            print('\n'.join(problems))
            return
        if problems:
            fail('objects without a usable name:\n  ' + '\n  '.join(problems))
        if previewRows != [wanted['previewRow']]:
            fail('the preview read as %r, expected its first row %r' %
                 (previewRows, wanted['previewRow']))
        if yearHeaders != [wanted['yearHeaders']]:
            fail('the year read as %r, expected %r' % (yearHeaders, wanted['yearHeaders']))
        if seen != wanted['report']:
            fail('focus while entering a report:\n  ' + '\n  '.join(
                '%s %-6s: %s %r, expected %s %r' % (step + got + expected)
                for step, got, expected in zip(STEPS, seen, wanted['report'])))
    finally:
        process.kill()
        process.wait()


if __name__ == '__main__':
    main()
