#!/usr/bin/env python3
"""Checks the README against what the build makes of the sources.

  docs_check.py <repository>              the README's member table against the IDL,
                                          its archive list against scripts/package (or
                                          the built archive of this version), the
                                          members the samples name against the IDL, and
                                          the archive's README.txt against the README
  docs_check.py <repository> --self-test  each of a set of plausible documentation
                                          mistakes must make the check fail

Prints one line per problem and exits 1 when there is any.
"""
import fnmatch
import glob
import os
import re
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "package"))
import readme_text  # noqa: E402  the archive's README.txt is made by it

# What the archive's README.txt must carry of the README, as the README has it now.
ARCHIVE_README_SECTIONS = ["### Samples", "### .NET programs", "## Members and events", "## Errors", "## Behaviour",
                           "## Troubleshooting"]

# How the README's type column names the IDL's property types.
VB_TYPES = {"BSTR": "String", "VARIANT_BOOL": "Boolean", "short": "Integer", "long": "Long",
            "OLE_COLOR": "OLE_COLOR", "IFontDisp": "StdFont", "zvAppearances": "zvAppearances",
            "VARIANT": "Variant"}

# WinForms' Control members that the ActiveX wrapper generator (aximp, Visual Studio)
# renames on the wrapper: properties get "Ctl" before them, events "Event" after them.
WINFORMS_CLASHES = {"Text", "Enabled", "AccessibleName", "Click", "KeyDown", "KeyUp", "KeyPress",
                    "MouseDown", "MouseMove", "MouseUp", "Visible", "Top", "Left",
                    "Width", "Height", "Tag", "Name", "Parent", "Focus", "Refresh"}
# AxHost and Control members a C# sample may use on the wrapper.
AXHOST_MEMBERS = {"Location", "Width", "Height", "Size", "Left", "Top", "Visible", "Name",
                  "Dock", "Anchor", "TabIndex", "CreateControl", "Focus", "Dispose", "GetOcx"}
IUNKNOWN_METHODS = {"QueryInterface", "AddRef", "Release"}


class Member:
    def __init__(self, interface, dispid):
        self.interface = interface
        self.dispid = dispid
        self.kinds = set()
        self.type = None
        self.params = []


class TypeLibrary:
    """The IDL's interfaces, their members and the events, as the type library has them."""

    def __init__(self, idl):
        self.bases = {}
        self.members = {}
        self.events = {}
        for name, base, body in re.findall(r"interface\s+(\w+)\s*:\s*(\w+)\s*\{(.*?)\};", idl, re.S):
            self.bases[name] = base
            for attrs, ret, member, params in re.findall(r"\[([^\]]*)\]\s*(HRESULT)\s+(\w+)\s*\(([^;]*)\);", body):
                self._add_member(name, attrs, member, params)
        body = re.search(r"dispinterface\s+\w+\s*\{(.*?)\};", idl, re.S).group(1)
        for dispid, event, params in re.findall(r"\[id\((-?\d+)\)[^\]]*\]\s*void\s+(\w+)\s*\(([^;]*)\);", body):
            self.events[event] = Member("events", int(dispid))
            self.events[event].params = re.findall(r"(\w+)\s*(?:,|$)", re.sub(r"\[[^\]]*\]", "", params).strip())
        coclass = re.search(r"coclass\s+\w+\s*\{(.*?)\};", idl, re.S).group(1)
        self.default = re.search(r"\[default\]\s*interface\s+(\w+)", coclass).group(1)

    def _add_member(self, interface, attrs, name, params):
        member = self.members.setdefault(name, Member(interface, int(re.search(r"id\((-?\d+)\)", attrs).group(1))))
        kind = next((k for k in ("propget", "propputref", "propput") if re.search(rf"\b{k}\b", attrs)), "method")
        member.kinds.add(kind)
        if kind == "propget":
            retval = re.search(r"\[out,\s*retval\]\s*(\w+)", params)
            member.type = VB_TYPES.get(retval.group(1), retval.group(1))

    def interface_has(self, interface, name):
        """Whether the member is on the interface or one it extends."""
        member = self.members.get(name)
        while member and interface in self.bases:
            if member.interface == interface:
                return True
            interface = self.bases[interface]
        return False

    def kind(self, name):
        """The README's word for a member's kind."""
        if name in self.events:
            return "event"
        kinds = self.members[name].kinds
        if kinds == {"method"}:
            return "method"
        if kinds == {"propget"}:
            return "read-only property"
        return "property (Set)" if "propputref" in kinds else "property"


def section(text, heading):
    """The README's text under a heading, to the next heading of the same or a higher level."""
    try:
        return readme_text.section(text, heading)
    except ValueError:
        return ""


def table_rows(text):
    return [[cell.strip() for cell in line.strip().strip("|").split("|")]
            for line in text.splitlines() if line.startswith("|") and not line.startswith("|---")][1:]


def check_member_table(readme, lib):
    problems = []
    members = section(readme, "## Members and events")
    stated = re.search(r"Default interface `(\w+)`", members)
    if not stated or stated.group(1) != lib.default:
        problems.append(f"README names default interface {stated and stated.group(1)}, the IDL {lib.default}")
    listed = set()
    for cells in table_rows(members):
        if len(cells) < 4:
            continue
        entry, kind, vb_type, notes = cells[:4]
        for name in re.findall(r"`(\w+)", entry):
            listed.add(name)
            if name not in lib.members and name not in lib.events:
                problems.append(f"member table: {name} is not in the type library")
                continue
            if kind != lib.kind(name):
                problems.append(f"member table: {name} is a {kind} in the README, a {lib.kind(name)} in the IDL")
            member = lib.events.get(name) or lib.members[name]
            if kind.endswith("property") or kind == "property (Set)":
                if not vb_type.startswith(member.type):
                    problems.append(f"member table: {name} is {vb_type} in the README, {member.type} in the IDL")
            if kind == "event":
                params = re.findall(r"(\w+) As ", vb_type)
                if params != member.params:
                    problems.append(f"member table: event {name} takes {params} in the README, {member.params} in the IDL")
            dispid = re.search(r"dispatch id (-?\d+)", notes)
            if dispid and int(dispid.group(1)) != member.dispid:
                problems.append(f"member table: {name} has dispatch id {dispid.group(1)} in the README, {member.dispid} in the IDL")
            interface = re.search(r"`(_Zelvane\d+)`", notes)
            if interface and not lib.members.get(name, Member(None, 0)).interface == interface.group(1):
                problems.append(f"member table: {name} is not declared on {interface.group(1)}")
    for name in sorted(set(lib.members) | set(lib.events)):
        if name not in listed:
            problems.append(f"member table: {name} of the type library is missing")
    return problems


def package_files(root):
    """The files scripts/package puts in the archive, from the built archive of this
    version when there is one, else from the script and the package build."""
    with open(os.path.join(root, "CMakeLists.txt"), encoding="utf-8") as f:
        version = re.search(r"project\(\w+\s+VERSION\s+([\d.]+)", f.read()).group(1)
    archive = os.path.join(root, "build", f"ZelvaneTextBox-{version}.zip")
    if os.path.exists(archive):
        with zipfile.ZipFile(archive) as z:
            return {n for n in z.namelist() if not n.endswith("/")}
    with open(os.path.join(root, "scripts", "package"), encoding="utf-8") as f:
        script = f.read()
    with open(os.path.join(root, "cmake", "ZelvanePackage.cmake"), encoding="utf-8") as f:
        width_build = f.read()
    files = set()
    for token in re.search(r"^for f in (.*?); do", script, re.M).group(1).split():
        matches = glob.glob(os.path.join(root, token)) if "*" in token else [token]
        files.update(os.path.basename(m) for m in matches)
    files.update(re.findall(r"sha256sum\s*>\s*(\S+)", script))
    copied = re.search(r"-E copy (.*?)\$\{stage\}/", width_build, re.S).group(1).split()
    per_width = {os.path.basename(a.replace("$<TARGET_FILE:${server}>", "ZelvaneTextBox.dll")) for a in copied}
    for width in re.findall(r"package/(x86|x64)\b", script):
        files.update(f"{width}/{name}" for name in per_width)
    return files


def check_archive_list(readme, files):
    rows = table_rows(section(readme, "### What is in the archive"))
    listed = {name.replace("\\", "/") for cells in rows for name in re.findall(r"`([^`]+)`", cells[0])}
    problems = [f"archive list: {name} is not in the archive" for name in sorted(listed - files)]
    problems += [f"archive list: the archive's {name} is not listed" for name in sorted(files - listed)]
    return problems


def code_blocks(readme, language):
    return re.findall(rf"^```{language}\n(.*?)^```", readme, re.M | re.S)


def check_vb(code, lib):
    problems = []
    objects = {"Zelvane1"} | set(re.findall(r"Set (\w+) = CreateObject\(\"ZelvaneTextBox\.Zelvane\"\)", code))
    for obj in objects:
        for name in re.findall(rf"\b{obj}\.(\w+)", code):
            if name not in lib.members:
                problems.append(f"VB sample: {obj}.{name} is not in the type library")
        for name in re.findall(rf"Sub {obj}_(\w+)\(", code):
            if name not in lib.events:
                problems.append(f"VB sample: {obj}_{name} handles no event of the control")
    return problems


def check_csharp(code, lib):
    problems = []
    for obj in re.findall(r"var (\w+) = new AxZelvaneTextBox\.AxZelvane\b", code):
        for name, handler in re.findall(rf"\b{obj}\.(\w+)(\s*\+=)?", code):
            if handler:
                event = name[:-len("Event")] if name.endswith("Event") else name
                if event not in lib.events or (event in WINFORMS_CLASHES) != name.endswith("Event"):
                    problems.append(f"C# sample: {obj}.{name} is not the wrapper's name of an event")
            elif name.startswith("Ctl"):
                if name[3:] not in lib.members or name[3:] not in WINFORMS_CLASHES:
                    problems.append(f"C# sample: {obj}.{name} is not the wrapper's name of a member")
            elif name in lib.members and name in WINFORMS_CLASHES:
                problems.append(f"C# sample: the wrapper calls {name} Ctl{name}")
            elif name not in lib.members and name not in AXHOST_MEMBERS:
                problems.append(f"C# sample: {obj}.{name} is not in the type library")
        for event, fields in re.findall(rf"\b{obj}\.(\w+)Event\s*\+=(.*)", code):
            params = [p[:1].lower() + p[1:] for p in lib.events.get(event, Member(None, 0)).params]
            problems += [f"C# sample: {event} has no argument {field}"
                         for field in re.findall(r"\be\.(\w+)", fields) if field not in params]
    return problems


def check_cpp(code, lib):
    problems = []
    for interface in set(re.findall(r"\b(?:IID_)?(_Zelvane\d*)\b", code)):
        if interface not in lib.bases:
            problems.append(f"C++ sample: the type library has no interface {interface}")
    for interface, obj in set(re.findall(r"\b(_Zelvane\d*)\s*\*+\s*(\w+)", code)):
        for call in re.findall(rf"\(?\*?\b{obj}\)?->(\w+)\(", code):
            accessor = re.match(r"(get|put|putref)_(\w+)$", call)
            name, kind = (accessor.group(2), "prop" + accessor.group(1)) if accessor else (call, "method")
            if call in IUNKNOWN_METHODS:
                continue
            if not lib.interface_has(interface, name) or kind not in lib.members[name].kinds:
                problems.append(f"C++ sample: {interface} has no {call}")
    return problems


def check_samples(readme, cpp_files, lib):
    problems = []
    for block in code_blocks(readme, "vb"):
        problems += check_vb(block, lib)
    for block in code_blocks(readme, "csharp"):
        problems += check_csharp(block, lib)
    for block in code_blocks(readme, "cpp") + cpp_files:
        problems += check_cpp(block, lib)
    return problems


def check_archive_readme(readme, template):
    """README.txt is made from its template and the README: each section it must carry
    has to come out whole, not from a copy in the template that has gone stale."""
    try:
        text = readme_text.fill(template, readme)
    except ValueError as error:
        return [f"README.txt: {error}"]
    return [f"README.txt: the README's {heading} is not in it as the README has it now"
            for heading in ARCHIVE_README_SECTIONS
            if "\n".join(readme_text.render(readme_text.section(readme, heading))) not in text]


def check(readme, idl, files, cpp_files, template):
    lib = TypeLibrary(idl)
    return (check_member_table(readme, lib) + check_archive_list(readme, files)
            + check_samples(readme, cpp_files, lib) + check_archive_readme(readme, template))


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def self_test(readme, idl, files, cpp_files, template):
    """Each mistake, made in one of the texts, must be found."""
    mistakes = [
        ("a member's dispatch id", "readme", "(dispatch id 14)", "(dispatch id 15)"),
        ("a member's kind", "readme", "| `ListCount` | read-only property |", "| `ListCount` | property |"),
        ("a property's type", "readme", "| `MaxCount` | property | Long |", "| `MaxCount` | property | Integer |"),
        ("a member's name", "readme", "| `ClearList` |", "| `Clear` |"),
        ("a member's interface", "readme", "0 = most recent (`_Zelvane2`)", "0 = most recent (`_Zelvane3`)"),
        ("a member left out of the table", "idl", "HRESULT AddCurrentItem();",
         "HRESULT AddCurrentItem();\n    [id(99)] HRESULT Forgotten();"),
        ("the default interface", "readme", f"Default interface `{TypeLibrary(idl).default}`", "Default interface `_Zelvane`"),
        ("an event's parameters", "readme", "KeyAscii As Integer", "Ascii As Integer"),
        ("a file that the archive lacks", "readme", "| `README.txt` |", "| `README.txt`, `CHANGES.txt` |"),
        ("a file that the archive list lacks", "readme", "| `register.cmd` |", "| |"),
        ("a VB sample's member", "readme", "Zelvane1.ListCount", "Zelvane1.ItemCount"),
        ("a VB sample's event", "readme", "Sub Zelvane1_ListClick(", "Sub Zelvane1_ItemClick("),
        ("a C# member the wrapper renames", "readme", "box.CtlText", "box.Text"),
        ("a C# event the wrapper renames", "readme", "box.KeyDownEvent", "box.KeyDown"),
        ("a C# event argument", "readme", "e.keyCode ==", "e.KeyCode =="),
        ("a C++ accessor", "cpp", "put_ShowButton", "get_ShowButtons"),
        ("README.txt without the error table", "txt", "[[README: ## Errors]]", ""),
    ]
    problems = []
    texts = {"readme": readme, "idl": idl, "cpp": "\n".join(cpp_files), "txt": template}
    for what, where, old, new in mistakes:
        if old not in texts[where]:
            problems.append(f"self-test: the {where} no longer holds {old!r} for {what}")
            continue
        changed = dict(texts, **{where: texts[where].replace(old, new, 1)})
        if not check(changed["readme"], changed["idl"], files, [changed["cpp"]], changed["txt"]):
            problems.append(f"self-test: a wrong {what} went unnoticed")
    return problems


def main():
    root = sys.argv[1]
    readme = read(os.path.join(root, "README.md"))
    idl = read(os.path.join(root, "src", "com", "zelvane_text_box.idl"))
    cpp_files = [read(p) for p in sorted(glob.glob(os.path.join(root, "samples", "*.cpp")))]
    files = package_files(root)
    template = read(os.path.join(root, "package", "README.txt.in"))
    run = self_test if sys.argv[2:] == ["--self-test"] else check
    problems = run(readme, idl, files, cpp_files, template)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
