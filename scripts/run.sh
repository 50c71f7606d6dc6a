#!/usr/bin/env bash
# Builds Brimvale and starts it on its embedded database (bin/database/dbinvoice.mdb,
# made by the build when none is there).
set -euo pipefail
build_dir=$("$(dirname "${BASH_SOURCE[0]}")/setup.sh" )
exec "$build_dir/bin/brimvale"
