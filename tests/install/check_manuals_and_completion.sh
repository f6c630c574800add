#!/usr/bin/env bash
# Installs the build under a throw-away prefix and checks the manual pages and the shell
# completion from there: each page reads without a warning from man, and documents every option
# its program's --help names; bash completes every command of tallowick-cli --help and the
# words remind and notifications take; zsh reads its completion function.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" XDG_RUNTIME_DIR="$root/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
passed=0 failed=0
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }

for program in tallowick tallowick-home tallowick-cli; do
  page="$prefix/share/man/man1/$program.1.gz"
  [ -f "$page" ] || { fail "no manual page for $program"; continue; }
  # As lintian reads a page: every warning of man and groff counts.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || true
  [ -z "$warnings" ] || fail "$program.1: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
  missing=()
  for option in $("$prefix/bin/$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$text" || missing+=("$option")
  done
  [ ${#missing[@]} -eq 0 ] || fail "$program.1 does not document ${missing[*]}"
  passed=$((passed + 1))
done

# Completes the last word of a tallowick-cli line with the installed bash completion.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tallowick_cli; echo "${COMPREPLY[*]}"' \
    complete "$prefix/share/bash-completion/completions/tallowick-cli" tallowick-cli "$@"
}
commands=$("$prefix/bin/tallowick-cli" --help | sed -n '/^Commands:/,/^$/p' | grep -oE '^  [a-z]+' | tr -d ' ' | sort -u | tr '\n' ' ')
offered=$(complete_words "" | tr ' ' '\n' | sort | tr '\n' ' ')
[ -n "$commands" ] && [ "$commands" = "$offered" ] || fail "bash offers commands \"$offered\", the help lists \"$commands\""
[ "$(complete_words remind 0 "")" = "one three seven off" ] || fail "bash: remind INDEX offers \"$(complete_words remind 0 "")\""
[ "$(complete_words --now 2027-01-01T10:00:00 notifications "")" = "allow deny status time autostart no-autostart" ] || fail "bash: notifications"
[ -z "$(complete_words notifications time "")" ] || fail "bash: notifications time offers words for its HH:MM"
[ "$(complete_words list --j)" = "--json" ] || fail "bash: list's options"
[ -z "$(complete_words -- -h "")" ] || fail "bash: words after -- are arguments"
zsh -n "$prefix/share/zsh/vendor-completions/_tallowick-cli" || fail "zsh cannot read _tallowick-cli"
grep -qx '#compdef tallowick-cli' "$prefix/share/zsh/vendor-completions/_tallowick-cli" || fail "_tallowick-cli names no command"
[ $failed -gt 0 ] || passed=$((passed + 1))

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
