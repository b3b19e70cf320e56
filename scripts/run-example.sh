#!/usr/bin/env bash
# Runs the batch road on the shipped example position in a scratch folder, the way the host does:
# component id, icon id, file id, position id and "-refresh", with EXEC, DATA and DRAM set to the
# host folders of this repository.
set -u
exe=$1
scratch=$2
top=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r "$top/examples/." "$scratch/"
cp -r "$top/host" "$scratch/host"
cd "$scratch"
EXEC="$scratch/host/EXEC" DATA="$scratch/host/DATA" DRAM="$scratch/host/DRAM" \
  "$exe" B001 0 1 1 -refresh
code=$?
echo "exit code: $code"
if [ -f "$scratch/B001_01.OLI" ]; then
  echo "report: $scratch/B001_01.OLI"
else
  echo "no report was written"
fi
