#!/usr/bin/env python3
"""Writes the release archive's README.txt: the template with every line of the form
[[README: <heading>]] replaced by that section of README.md as plain text, so the
offline reader gets the same samples, tables and troubleshooting as the web page.

  readme_text.py <README.md> <README.txt template> <README.txt>
"""
import re
import sys
import textwrap

WIDTH = 80
# Plain-text stand-ins for what a console or an old editor may not show.
PLAIN = {"→": ">", "…": "...", "≥": ">=", "≤": "<=", "–": "-", "—": "-", "“": '"', "”": '"', "’": "'"}
INCLUDE = re.compile(r"^\[\[README: (#+ .+)\]\]$")
PICTURE = re.compile(r"^\s*!\[[^\]]*\]\([^)]*\)\s*$")


def section(markdown, heading):
    """The heading's line and its text, to the next heading of the same or a higher level."""
    level = len(heading.split(" ")[0])
    match = re.search(rf"^{re.escape(heading)}[ \t]*\n(.*?)(?=^#{{1,{level}}} |\Z)", markdown, re.M | re.S)
    if not match:
        raise ValueError(f"README.md has no section {heading!r}")
    return match.group(1)


def inline(text):
    text = re.sub(r"!\[[^\]]*\]\([^)]*\)", "", text)
    text = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r"\1 (\2)", text)
    text = re.sub(r"\*(\w+)\*", r"\1", text.replace("**", "")).replace("`", "")
    for fancy, plain in PLAIN.items():
        text = text.replace(fancy, plain)
    return text.replace("\\|", "|").strip()


def wrap(text, first, rest):
    return textwrap.wrap(inline(text), WIDTH, initial_indent=first, subsequent_indent=rest,
                         break_long_words=False, break_on_hyphens=False) or [first.rstrip()]


def cells(line):
    return [c.strip() for c in re.split(r"(?<!\\)\|", line.strip().strip("|"))]


def table(lines):
    """Each row as its short cells on one line and its last cell below them; when the
    columns are named as states ("list closed"), each cell below under its name."""
    header = cells(lines[0])
    labelled = any(" " in name for name in header[1:])
    out = []
    for line in lines[2:]:
        row = cells(line)
        if labelled:
            out += wrap(row[0], "  ", "    ")
            for name, value in zip(header[1:], row[1:]):
                out += wrap(f"{name}: {value}", "      ", "        ")
            continue
        out += wrap(" - ".join(c for c in row[:-1] if c), "  ", "    ")
        if row[-1]:
            out += wrap(row[-1], "      ", "      ")
    return out


def heading(line):
    title = inline(line.lstrip("#"))
    return [title, "-" * len(title)]


def render(markdown):
    """Markdown as the README writes it, as plain text."""
    out = []
    lines = markdown.strip("\n").splitlines()
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.lstrip().startswith("```"):
            end = next(j for j in range(i + 1, len(lines)) if lines[j].strip() == "```")
            out += ["    " + code if code else "" for code in lines[i + 1:end]]
            i = end + 1
        elif line.lstrip().startswith("|"):
            end = i
            while end < len(lines) and lines[end].lstrip().startswith("|"):
                end += 1
            out += table(lines[i:end])
            i = end
        elif line.startswith("#"):
            out += heading(line)
            i += 1
        elif not line.strip() or PICTURE.match(line):
            # Pictures live beside the web page; the text around them stands without them.
            out.append("")
            i += 1
        else:
            # A paragraph or a list item runs on over its continuation lines; a paragraph
            # indented under a list item stays under it.
            item = re.match(r"^(\s*)(- |\d+\. )", line)
            indent = len(item.group(0)) if item else 0
            lead = "" if item else re.match(r"^\s*", line).group(0)
            text = [line]
            i += 1
            while i < len(lines) and lines[i].strip() and not re.match(r"^\s*(- |\d+\. |```|\||#)", lines[i]):
                text.append(lines[i].strip())
                i += 1
            joined = " ".join(text)
            if item:
                out += wrap(joined[indent:], "  " + item.group(0).strip() + " ", " " * (indent + 2))
            else:
                out += wrap(joined, lead, lead)
    collapsed = []
    for line in out:
        if line or (collapsed and collapsed[-1]):
            collapsed.append(line)
    return collapsed


def fill(template, markdown):
    out = []
    for line in template.splitlines():
        match = INCLUDE.match(line)
        if match:
            out += heading(match.group(1)) + [""] + render(section(markdown, match.group(1)))
        else:
            out.append(line)
    return "\n".join(out) + "\n"


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        markdown = f.read()
    with open(sys.argv[2], encoding="utf-8") as f:
        template = f.read()
    with open(sys.argv[3], "w", encoding="utf-8", newline="\n") as f:
        f.write(fill(template, markdown))


if __name__ == "__main__":
    main()
