#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (used by CTest).
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
exec wine "$@"
