#!/bin/sh
# The parts of the program stand on one another in layers, and a file may include only from its
# own layer and the layers beneath it. The libraries link the same way, but a header used only
# for its inline code would slip past the linker: this check reads the includes themselves.
#
#   layer      files                                   may include
#   core       core/ (the number model, amounts,        core
#              statistics, history strip, files)
#   chains     chains/                                 core chains
#   settings   settings/                               core settings
#   betting    betting/                                core chains settings betting
#   engine     core/engine* spin* undo* game_state.h   every layer above, engine
#              session_log*
#   tools      tools/                                  the engine's layers, tools
#   ui         ui/ app/                                the engine's layers, ui
#   chart      ui/chart_*: the tool's chart, drawn         the engine's layers, tools, chart
#              by Qt
set -eu
cd "$(dirname "$0")/.."

layer_of() {
    case $1 in
        core/engine.* | core/spin.* | core/undo.* | core/game_state.h | core/session_log.*)
            echo engine ;;
        core/*) echo core ;;
        ui/chart_*) echo chart ;;
        chains/* | settings/* | betting/* | tools/*) echo "${1%%/*}" ;;
        ui/* | app/*) echo ui ;;
    esac
}

allowed() {
    case $1 in
        core) echo "core" ;;
        chains) echo "core chains" ;;
        settings) echo "core settings" ;;
        betting) echo "core chains settings betting" ;;
        engine) echo "core chains settings betting engine" ;;
        tools) echo "core chains settings betting engine tools" ;;
        ui) echo "core chains settings betting engine ui" ;;
        chart) echo "core chains settings betting engine tools chart" ;;
    esac
}

status=0
for file in $(find core chains settings betting tools ui app -name '*.h' -o -name '*.cpp'); do
    mine=$(layer_of "$file")
    for included in $(sed -n 's/^#include "\([a-z_]*\/[a-z_]*\.h\)".*/\1/p' "$file"); do
        theirs=$(layer_of "$included")
        case " $(allowed "$mine") " in
            *" $theirs "*) ;;
            *)
                echo "$file ($mine) includes $included ($theirs), a layer above it or beside it"
                status=1
                ;;
        esac
    done
done
exit $status
