#!/usr/bin/env bash
# Fails when a product file includes a header of a layer it may not know.
# The arrows: rules and host at the bottom; engine over host and rules; view
# over host; controls over view (not its platform folder) and rules; editor
# over controls and engine; formats/ over everything.
set -euo pipefail
cd "$(dirname "$0")/.."

python3 - "$@" <<'PY'
import pathlib, re, sys

ALLOWED = {
    "rules": {"rules"},
    "host": {"host"},
    "engine": {"engine", "host", "rules"},
    "view": {"view", "host"},
    "controls": {"controls", "view", "rules"},
    "editor": {"editor", "controls", "view", "engine", "host", "rules"},
    "formats": {"formats", "editor", "controls", "view", "engine", "host", "rules"},
}
# Folders a layer may not reach even where it may reach their layer.
HIDDEN = {"controls": ("view/platform/",), "editor": ("view/platform/",),
          "formats": ("view/platform/",)}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')

roots = sys.argv[1:] or list(ALLOWED)
faults = []
for root in roots:
    for path in sorted(pathlib.Path(root).rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        layer = path.parts[0]
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            header = match.group(1)
            target = header.split("/")[0]
            if "/" not in header or target not in ALLOWED:
                continue
            if target not in ALLOWED[layer] or header.startswith(HIDDEN.get(layer, ())):
                faults.append(f"{path}:{number}: {layer}/ may not include {header}")
for fault in faults:
    print(fault)
if faults:
    print(f"{len(faults)} include(s) against the layers", file=sys.stderr)
    sys.exit(1)
PY
