#!/usr/bin/env python3
"""Manual pages and the bash completion of the programs, made from their own
--help at build time, so every command and option a program has is in them
without anyone editing them.

  cli-docs.py man TEMPLATE.md PROGRAM VERSION OUT.md
      fills the template's "@VERSION@" and its markers: "<!-- commands -->"
      with every command of PROGRAM (a tool of sub-commands such as
      velacps-cli) and its options, "<!-- options -->" with the options of a
      plain program's --help. pandoc turns OUT.md into the page.
  cli-docs.py bash-completion PROGRAM OUT
      writes the bash completion of a tool of sub-commands.
"""

import re
import subprocess
import sys

FILE_VALUE = re.compile(r"FILE|OUT|PATH|DIR", re.IGNORECASE)
OPTION_LINE = re.compile(r"^\s+(-\S.*?)(?:\s{2,}(.*))?$")


class Option:
    def __init__(self, names, value, text):
        self.names = names  # e.g. ["-h", "--help"]
        self.value = value  # the value's name, or None
        self.text = text


class Command:
    def __init__(self, name, usage, summary, options):
        self.name = name
        self.usage = usage
        self.summary = summary
        self.options = options


def run_help(program, *args):
    done = subprocess.run([program, *args, "--help"], capture_output=True, text=True,
                          env={"QT_QPA_PLATFORM": "offscreen", "PATH": "/usr/bin:/bin"})
    if done.returncode != 0:
        sys.exit(f"{program} {' '.join(args)} --help failed: {done.stderr}")
    return done.stdout


def parse_options(lines):
    """The options listed after a heading, continuation lines joined."""
    options = []
    for line in lines:
        match = OPTION_LINE.match(line)
        if match:
            spec, text = match.group(1), match.group(2) or ""
            names = re.findall(r"--?[A-Za-z][\w-]*", spec)
            value = re.search(r"<([^>]+)>", spec)
            options.append(Option(names, value.group(1) if value else None, text.strip()))
        elif options and line.strip():
            options[-1].text += " " + line.strip()
        elif options:
            break
    return options


def section(text, heading):
    """The lines after the line that starts with heading (case-insensitive)."""
    lines = text.splitlines()
    for index, line in enumerate(lines):
        if line.lower().startswith(heading.lower()):
            return lines[index + 1:]
    return []


def tool_commands(program):
    overview = run_help(program)
    commands = []
    for line in section(overview, "commands:"):
        if not line.strip():
            break
        name = line.split()[0]
        details = run_help(program, name)
        lines = details.splitlines()
        usage = lines[0].removeprefix(f"usage: {program.rsplit('/', 1)[-1]} ").strip()
        summary = lines[2].strip() if len(lines) > 2 else ""
        commands.append(Command(name, usage, summary, parse_options(section(details, "options:"))))
    return commands, parse_options(section(overview, "options:"))


def escape(text):
    return re.sub(r"([*_`\\<>\[\]])", r"\\\1", text)


def option_markdown(option):
    names = ", ".join(f"**{escape(name)}**" for name in option.names)
    value = f" *{escape(option.value)}*" if option.value else ""
    return f"{names}{value}\n:   {escape(option.text)}\n"


def commands_markdown(program):
    commands, _ = tool_commands(program)
    parts = []
    for command in commands:
        parts.append(f"## {escape(command.usage)}\n\n{escape(command.summary)}\n")
        parts += [option_markdown(option) for option in command.options if option.names[-1] != "--help"]
    return "\n".join(parts)


def options_markdown(program):
    return "\n".join(option_markdown(option) for option in parse_options(section(run_help(program), "options:")))


def write_man(template, program, version, out):
    with open(template, encoding="utf-8") as source:
        text = source.read().replace("@VERSION@", version)
    if "<!-- commands -->" in text:
        text = text.replace("<!-- commands -->", commands_markdown(program))
    if "<!-- options -->" in text:
        text = text.replace("<!-- options -->", options_markdown(program))
    with open(out, "w", encoding="utf-8") as target:
        target.write(text)


COMPLETION = """\
# bash completion of {tool}, generated from its --help by scripts/cli-docs.py.
_{function}()
{{
    local current=${{COMP_WORDS[COMP_CWORD]}} previous=${{COMP_WORDS[COMP_CWORD-1]}}
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "{commands} {tool_options}" -- "$current")
        return
    fi
    local options=""
    case ${{COMP_WORDS[1]}} in
{cases}
    esac
    case $previous in
        --port)
            mapfile -t COMPREPLY < <(compgen -W "usb" -- "$current"; compgen -f -- "$current")
            return ;;
{valued}
    esac
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
    else
        mapfile -t COMPREPLY < <(compgen -f -- "$current")
    fi
}}
complete -o filenames -F _{function} {tool}
"""


def write_completion(program, out):
    tool = program.rsplit("/", 1)[-1]
    commands, tool_options = tool_commands(program)
    cases = "\n".join(
        f"        {command.name}) options=\"{' '.join(n for o in command.options for n in o.names)}\" ;;"
        for command in commands)
    # An option's value is a file when its name says so (FILE, OUT, ...);
    # other values (a password, hex digits) are typed, not completed.
    valued = {name: bool(FILE_VALUE.search(option.value)) for command in commands
              for option in command.options if option.value for name in option.names if name != "--port"}
    file_reply = 'mapfile -t COMPREPLY < <(compgen -f -- "$current")'
    valued_case = "\n".join(
        "        {names})\n            {reply}\n            return ;;".format(
            names="|".join(sorted(name for name, file in valued.items() if file == is_file)),
            reply=file_reply if is_file else "COMPREPLY=()")
        for is_file in (True, False) if is_file in valued.values())
    with open(out, "w", encoding="utf-8") as target:
        target.write(COMPLETION.format(
            tool=tool, function=re.sub(r"\W", "_", tool),
            commands=" ".join(command.name for command in commands),
            tool_options=" ".join(name for option in tool_options for name in option.names),
            cases=cases, valued=valued_case))


def main(argv):
    if len(argv) == 6 and argv[1] == "man":
        write_man(*argv[2:])
    elif len(argv) == 4 and argv[1] == "bash-completion":
        write_completion(argv[2], argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
