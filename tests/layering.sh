#!/bin/sh
# A folder is a layer, and a file includes only from its own folder and the folders beneath it.
# The libraries link the same way, but a header used only for its inline code would slip past
# the linker: this check reads the includes themselves.
#
# The layers, each with the ones directly beneath it (the README draws the same):
layers='
base:
wheel:base
chains:base
settings:base
betting:chains settings
engine:betting wheel
simulation:engine
chart:simulation
ui:chart
app:ui
cli:chart
'
set -eu
cd "$(dirname "$0")/.."

below() {  # the layers directly beneath $1
    printf '%s\n' "$layers" | sed -n "s/^$1://p"
}

reachable() {  # $1 and every layer beneath it, each once
    seen=""
    todo=$1
    while [ -n "$(echo $todo)" ]; do
        set -- $todo
        layer=$1
        shift
        todo="$*"
        case " $seen " in *" $layer "*) continue ;; esac
        seen="$seen $layer"
        todo="$todo $(below "$layer")"
    done
    echo "$seen"
}

status=0
for folder in $(printf '%s\n' "$layers" | sed -n 's/^\([a-z]*\):.*/\1/p'); do
    allowed=$(reachable "$folder")
    for file in $(find "$folder" -name '*.h' -o -name '*.cpp'); do
        for included in $(sed -n 's/^#include "\([a-z_]*\)\/[a-z_]*\.h".*/\1/p' "$file"); do
            case " $allowed " in
                *" $included "*) ;;
                *)
                    echo "$file ($folder) includes from $included, a layer above it or beside it"
                    status=1
                    ;;
            esac
        done
    done
done
exit $status
