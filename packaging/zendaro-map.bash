# bash completion for zendaro-map.
#
# A new subcommand or option goes into the tables below: _zendaro_map_optionen
# lists each subcommand's options, _zendaro_map_werte what follows an option
# (datei: a map file, bild: a picture, ordner: a folder, frei: a value with
# nothing to offer, schalter: no value). The tests compare these tables with
# the program's --help texts.

declare -A _zendaro_map_optionen=(
    [new]="-o --seiten --name --zeitlimit"
    [check]="--kanten"
    [normalize]="-o"
    [render]="-o --tiles --scale"
    [generate]="-o --seiten --seed --wasser --sand --wald --strassen --varianten"
)

declare -A _zendaro_map_werte=(
    [-o]=datei
    [render -o]=bild
    [--tiles]=ordner
    [--scale]=frei
    [--kanten]=schalter
    [--seiten]=frei
    [--name]=frei
    [--zeitlimit]=frei
    [--seed]=frei
    [--wasser]=frei
    [--sand]=frei
    [--wald]=frei
    [--strassen]=frei
    [--varianten]=frei
)

_zendaro_map()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local befehl=${COMP_WORDS[1]}
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "${!_zendaro_map_optionen[*]} help --help" -- "$cur")
        return
    fi
    [[ -v "_zendaro_map_optionen[$befehl]" ]] || return

    local wert=${_zendaro_map_werte[$befehl $prev]:-${_zendaro_map_werte[$prev]:-}}
    if [[ " ${_zendaro_map_optionen[$befehl]} " == *" $prev "* && $wert != schalter ]]; then
        case $wert in
            datei) _zendaro_map_dateien '*.map' ;;
            bild) _zendaro_map_dateien '*.png' '*.bmp' ;;
            ordner) compopt -o filenames 2>/dev/null
                    mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
        esac
        return
    fi
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${_zendaro_map_optionen[$befehl]} --help" -- "$cur")
        return
    fi
    [[ $befehl == new || $befehl == generate ]] || _zendaro_map_dateien '*.map'
}

# Files matching any of the patterns, and folders to walk into.
_zendaro_map_dateien()
{
    local cur=${COMP_WORDS[COMP_CWORD]} muster
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(
        for muster; do compgen -f -X "!$muster" -- "$cur"; done
        compgen -d -- "$cur"
    )
}

complete -F _zendaro_map zendaro-map
