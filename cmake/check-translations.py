#!/usr/bin/env python3
"""Checks the translation sources translations/zemprog_<lang>.ts.

Every file must be well-formed XML of Qt's TS format for its language. Every
finished translation must keep its source's placeholders (%1, %L1, %n) in
each of its forms, and where the source carries an '&' accelerator the
translation carries exactly one. Within each menu of the window (the rows of
src/gui/app/window_commands.cpp, and the menu bar's titles) a translation
must not give two items one accelerator unless their source texts share it
too.

Unfinished and vanished entries are counted and printed; with --complete
they fail the check as well.

usage: check-translations.py SOURCE_DIR [--complete]
"""
import re
import sys
import xml.etree.ElementTree as ET
from collections import defaultdict
from pathlib import Path

COMMANDS_CONTEXT = "zem::gui::WindowCommands"
PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def c_string(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode("latin-1").decode("utf-8")


def menus(commands_cpp):
    """Source texts of each menu, keyed by the menu's name; "bar" for the titles."""
    code = Path(commands_cpp).read_text(encoding="utf-8")
    table_end = code.index("QString MenuTitle")
    noop = r'QT_TRANSLATE_NOOP\("' + re.escape(COMMANDS_CONTEXT) + r'",\s*"((?:[^"\\]|\\.)*)"\)'
    groups = defaultdict(list)
    for row in re.finditer(r"\{\s*(?:k\w+(?:\s*\+\s*\d+)?|0),\s*" + noop, code[:table_end]):
        menu = re.compile(r"Menu::(\w+)").search(code, row.end())
        if menu and menu.group(1) != "None":
            groups[menu.group(1)].append(c_string(row.group(1)))
    titles = code[table_end:code.index("}", code.index("titles[]", table_end))]
    groups["bar"] = [c_string(t) for t in re.findall(noop, titles)]
    return groups


def accelerators(text):
    """The characters after each single '&' ('&&' is a literal ampersand)."""
    return [m.group(1).lower() for m in re.finditer(r"(?<!&)&([^&])", text.replace("&&", ""))]


def check(ts_path, groups):
    errors = []
    unfinished = vanished = 0
    root = ET.parse(ts_path).getroot()
    language = ts_path.stem.split("_", 1)[1]
    if root.tag != "TS" or root.get("language") != language:
        errors.append(f"root is <{root.tag} language={root.get('language')!r}>, expected <TS language={language!r}>")
    shown = {}  # source -> finished translation, of the window's commands
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                vanished += 1
                continue
            if kind == "unfinished":
                unfinished += 1
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            where = f"{name}: {source!r}"
            for form in forms:
                if not form:
                    errors.append(f"{where}: an empty translation marked finished")
                elif set(PLACEHOLDER.findall(form)) != set(PLACEHOLDER.findall(source)):
                    errors.append(f"{where}: {form!r} has the placeholders {sorted(set(PLACEHOLDER.findall(form)))}")
                elif accelerators(source) and len(accelerators(form)) != 1:
                    errors.append(f"{where}: {form!r} needs exactly one '&' accelerator")
            if name == COMMANDS_CONTEXT:
                shown[source] = forms[0]
    for menu, sources in groups.items():
        finished = [s for s in sources if s in shown and accelerators(s)]
        for i, a in enumerate(finished):
            for b in finished[i + 1:]:
                if accelerators(shown[a])[:1] == accelerators(shown[b])[:1] and \
                        accelerators(a)[:1] != accelerators(b)[:1]:
                    errors.append(f"menu {menu}: {shown[a]!r} and {shown[b]!r} share an accelerator")
    return errors, unfinished, vanished


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    complete = "--complete" in sys.argv[1:]
    if len(args) != 1:
        sys.exit(__doc__)
    source_dir = Path(args[0])
    groups = menus(source_dir / "src/gui/app/window_commands.cpp")
    files = sorted((source_dir / "translations").glob("zemprog_*.ts"))
    if not files or not groups["bar"]:
        sys.exit("no translation sources or no menus found")
    failed = False
    for ts in files:
        try:
            errors, unfinished, vanished = check(ts, groups)
        except ET.ParseError as error:
            errors, unfinished, vanished = [f"not well-formed: {error}"], 0, 0
        if complete and (unfinished or vanished):
            errors.append(f"{unfinished} unfinished and {vanished} vanished entries")
        print(f"{ts.name}: {unfinished} unfinished, {vanished} vanished, {len(errors)} faults")
        for error in errors:
            print(f"  {error}")
        failed |= bool(errors)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
