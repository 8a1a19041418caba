#!/usr/bin/env bash
# Every command and option velacps-cli's help names is in its manual page
# (in that command's section) and is offered by its bash completion.
# Usage: cli_docs_complete.sh VELACPS-CLI MANPAGE COMPLETION
set -uo pipefail
cli=$1 page=$2 completion=$3
failures=0
fail() { echo "$*" >&2; failures=$((failures + 1)); }

manual=$(MANWIDTH=250 man -l "$page" 2>/dev/null | col -b) || { echo "man cannot show $page" >&2; exit 1; }
# shellcheck source=/dev/null
source "$completion"
offered() { # the words completion offers after the given ones
  COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMPREPLY=()
  _velacps_cli
  printf '%s\n' "${COMPREPLY[@]}"
}
# The section of one command: from its heading (the command's usage, three
# blanks in) to the next heading.
section() {
  awk -v name="$1" '$0 ~ "^   " name "( |$)" {on = 1; next} on && /^   [^ ]/ {exit} on' <<<"$manual"
}

commands=$("$cli" --help | awk '/^commands:/ {on = 1; next} on && NF == 0 {exit} on {print $1}')
[ -n "$commands" ] || fail "velacps-cli --help lists no commands"
top_commands=$(offered velacps-cli "")
# The tool's own options, from the options section (a command's usage may
# name its required options unbracketed; they are checked per command below).
for option in $("$cli" --help | awk '/^options:/ {on = 1; next} on' | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,'); do
  grep -qF -- "$option" <<<"$manual" || fail "man page lacks the option $option"
  grep -qxF -- "$option" <<<"$top_commands" || fail "completion lacks the option $option"
done
for command in $commands; do
  grep -qxF -- "$command" <<<"$top_commands" || fail "completion lacks the command $command"
  text=$(section "$command")
  [ -n "$text" ] || fail "man page has no section for $command"
  options=$(offered velacps-cli "$command" -)
  for option in $("$cli" "$command" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    [ "$option" = --help ] && continue
    grep -qF -- "$option" <<<"$text" || fail "man page lacks $command $option"
    grep -qxF -- "$option" <<<"$options" || fail "completion lacks $command $option"
  done
done
[ "$failures" -eq 0 ] && echo "manual page and completion name every command and option"
exit $((failures > 0))
