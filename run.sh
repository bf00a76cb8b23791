#!/bin/sh
# Installs what is missing, builds (Release) and starts Brivantel Zelvor.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
if [ ! -x build/bin/brivantel ]; then
  echo "There is no program to start yet: the main window is not built." >&2
  exit 1
fi
exec build/bin/brivantel "$@"
