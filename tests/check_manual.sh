#!/usr/bin/env bash
# Renders a manual page as man would and fails on any warning from the formatter.
set -u
page=$1
warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$page: $warnings"
  exit 1
fi
