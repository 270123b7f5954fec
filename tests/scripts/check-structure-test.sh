#!/usr/bin/env bash
# The structure check passes a clean tree and names each planted fault.
set -uo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-structure.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failed=0

acyclic="$tree/acyclic.dot"
cat > "$acyclic" <<'DOT'
digraph "G" {
"node0" [ label = "kbdsimcore", shape = octagon ];
"node1" [ label = "vorlanprotocol", shape = octagon ];
"node2" [ label = "appcore", shape = octagon ];
"node0" -> "node1" [ style = dashed ] // kbdsimcore -> vorlanprotocol
"node2" -> "node1"  // appcore -> vorlanprotocol
}
DOT
cyclic="$tree/cyclic.dot"
sed -e 's#^}$#"node1" -> "node2"  // vorlanprotocol -> appcore\n}#' "$acyclic" > "$cyclic"

plant() {  # plant <file> <line>
    mkdir -p "$tree/src/$(dirname "$1")"
    printf '%s\n' "$2" >> "$tree/src/$1"
}
expect() {  # expect <pass|fail> <what> <dot>
    if "$check" "$tree/src" --dot "$3" 2> "$tree/out"; then result=pass; else result=fail; fi
    if [[ "$result" != "$1" ]]; then
        echo "FAIL: $2: expected $1, got $result"; cat "$tree/out"; failed=1
    else
        echo "ok: $2"
    fi
}

plant sdk/protocol/HidCmd.h '#include <cstdint>'
plant sdk/hid/VorlanHidSdk.h '#include "sdk/protocol/HidCmd.h"'
plant sim/SimReport.h '#include "sdk/protocol/HidCmd.h"'
plant app/DDataManager.h '#include "sdk/protocol/HidCmd.h"'
plant app/shell/DAppllication.cpp '#include "ui/mainwidget/DMainWidget.h"'
plant ui/mainwidget/DMainWidget.h '#include "app/DDataManager.h"'
plant ui/mainwidget/DMainWidget.cpp '#include "ui_DMainWidget.h"'
expect pass "clean tree" "$acyclic"
expect fail "library cycle" "$cyclic"

fault_case() {  # fault_case <what> <file> <line>
    local before
    before=$(cat "$tree/src/$2" 2>/dev/null || true)
    plant "$2" "$3"
    expect fail "$1" "$acyclic"
    if [[ -n "$before" ]]; then printf '%s\n' "$before" > "$tree/src/$2"; else rm "$tree/src/$2"; fi
}
fault_case "include without its folder" ui/mainwidget/DMainWidget.cpp '#include "DDataManager.h"'
fault_case "simulator uses the HID library" sim/SimReport.h '#include "sdk/hid/VorlanHidSdk.h"'
fault_case "simulator includes Qt" sim/SimReport.h '#include <QString>'
fault_case "SDK includes the program" sdk/hid/VorlanHidSdk.h '#include "app/DDataManager.h"'
fault_case "core includes the main window" app/DDataManager.h '#include "ui/mainwidget/DMainWidget.h"'
fault_case "widgets include a page" widgets/Arrow.h '#include "ui/mainwidget/DMainWidget.h"'
exit $failed
