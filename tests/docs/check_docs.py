#!/usr/bin/python3
# The README and docs/ as a reader follows them: every relative link (and its anchor) leads
# somewhere, and every make target, arena command and option, and script shown exists.
import pathlib
import re
import shlex
import subprocess
import sys

source = pathlib.Path(sys.argv[1])
arena = sys.argv[2]
documents = [source / "README.md"] + sorted((source / "docs").glob("*.md"))
faults = []


def Prose(text):
    """The lines outside fenced blocks, and the lines of each fenced block."""
    prose, code, fenced = [], [], False
    for line in text.splitlines():
        if line.startswith("```"):
            fenced = not fenced
        else:
            (code if fenced else prose).append(line)
    return prose, code


def Slug(heading):
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def Anchors(path):
    prose, _ = Prose(path.read_text(encoding="utf-8"))
    return {Slug(line.lstrip("#")) for line in prose if line.startswith("#")}


def CheckLinks(document, prose):
    for target in re.findall(r"\]\(([^)\s]+)\)", "\n".join(prose)):
        if re.match(r"[a-z]+:", target):
            continue
        file_part, _, anchor = target.partition("#")
        linked = (document.parent / file_part) if file_part else document
        if not linked.is_file():
            faults.append(f"{document.name}: link to missing {target}")
        elif anchor and linked.suffix == ".md" and anchor not in Anchors(linked):
            faults.append(f"{document.name}: link to missing anchor {target}")


def Help(*words):
    return subprocess.run([arena, *words, "--help"], capture_output=True, text=True).stdout


make_targets = set(re.findall(r"^([\w-]+):", (source / "Makefile").read_text(), re.M))
subcommands = set(re.findall(r"^  (\w+) ", Help().split("Subcommands:")[-1], re.M))


def CheckCommand(where, words):
    while words and re.match(r"\w+=", words[0]):
        words = words[1:]
    if not words:
        return
    program, arguments = words[0], words[1:]
    if program == "make":
        for target in arguments:
            if target not in make_targets:
                faults.append(f"{where}: no make target {target}")
    elif program.endswith("pennix-arena"):
        if arguments and arguments[0] not in subcommands:
            faults.append(f"{where}: no pennix-arena command {arguments[0]}")
        elif arguments:
            options = Help(arguments[0])
            for option in (a for a in arguments if a.startswith("--")):
                if not re.search(rf"(^|[ ,]){re.escape(option)}\b", options, re.M):
                    faults.append(f"{where}: pennix-arena {arguments[0]} has no {option}")
    elif arguments and "/" in program and not program.startswith(("build/", "/", "~")):
        if not (source / program).is_file():
            faults.append(f"{where}: no script {program}")


def CheckCommands(document, prose, code):
    spans = re.findall(r"`([^`\n]+)`", "\n".join(prose))
    lines = [re.sub(r"^\$ ", "", line).split("  #")[0] for line in code]
    for text in spans + lines:
        for segment in re.split(r"&&|\||;", text):
            try:
                CheckCommand(f"{document.name}: `{text.strip()}`", shlex.split(segment))
            except ValueError:
                pass  # not a command: a quotation, a value


for document in documents:
    prose, code = Prose(document.read_text(encoding="utf-8"))
    CheckLinks(document, prose)
    CheckCommands(document, prose, code)

print("\n".join(faults) or f"{len(documents)} documents: links and commands sound")
sys.exit(1 if faults else 0)
