#!/bin/sh
# Runs a validator (desktop-file-validate, appstreamcli) on an installed
# file; without the tool the test is skipped (77) and says which package
# brings it.
herramienta=$1
if ! command -v "$herramienta" >/dev/null 2>&1; then
  echo "Omitida: falta $herramienta (make deps lo instala)."
  exit 77
fi
exec "$@"
