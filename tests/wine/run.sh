#!/bin/bash
# Runs a Windows program of the build under the test run's Wine session.
# Usage: run.sh STATE-FOLDER program.exe [arguments...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh" "$1"
shift
exec wine "$@"
