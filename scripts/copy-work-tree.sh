#!/usr/bin/env bash
# Zubrik: copies the work tree as a package build sees it.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scripts/copy-work-tree.sh DEST_DIR
# Copies the files git has or would take: tracked ones, changed or not, and new
# ones that are not ignored (build trees are), so a package built from the copy
# holds what the developer is about to commit.
set -euo pipefail

dest=$(realpath -m "$1")
mkdir -p "$dest"
cd "$(dirname "$0")/.."
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do
    [[ -e $file ]] && printf '%s\0' "$file"
  done |
  tar --null -T - -cf - | tar -xf - -C "$dest"
