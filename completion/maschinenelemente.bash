# bash completion for maschinenelemente           -*- shell-script -*-
#
#   maschinenelemente PROGRAMM [NAME=WERT ...] [Optionen]
#
# Completes the program names, the options (as --help lists them, both
# "--format json" and "--format=json"), and each program's input names (as
# NAME=, those not given yet) and option values.  The names come from the program itself:
# "maschinenelemente PROGRAMM --namen" prints one line per input,
# NAME<TAB>BESCHRIFTUNG<TAB>EINHEIT<TAB>VORGABE<TAB>WERTE, WERTE empty for a
# number and "1|2|3|4" for a choice.  Needs the helpers of bash-completion.

_maschinenelemente_namen()
{
    # <command> <program>: the --namen lines of that program
    "$1" "$2" --namen 2>/dev/null
}

_maschinenelemente_frei()
{
    # <name> <words before the cursor...>: true when no NAME=WERT and no
    # --variiere NAME=... names it yet (the program refuses a name twice)
    local name=$1 w
    shift
    for w; do
        w=${w#--variiere=}
        [[ $w == [!-]*=* && ${w%%=*} == "$name" ]] && return 1
    done
    return 0
}

_maschinenelemente()
{
    local cur prev words cword split
    _init_completion -s -n = || return

    local programme="stalor tarvex lupran kopdra wendis"

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$programme -h --help -V --version" -- "$cur"))
        return
    fi
    local programm=${words[1]}
    [[ " $programme " == *" $programm "* ]] || return

    local zeile name werte
    local -a davor=("${words[@]:2:cword-2}")
    case $prev in
        --format)
            COMPREPLY=($(compgen -W "bericht json csv" -- "$cur"))
            return
            ;;
        --eingaben | --eingaben-schreiben)
            _filedir "$programm"
            return
            ;;
        --diagramm)
            _filedir '@(png|svg|pdf)'
            return
            ;;
        --nachweis)
            _filedir pdf
            return
            ;;
        --groesse | --projekt | --bearbeiter)
            return
            ;;
        --variiere)
            # NAME=VON:BIS:ANZAHL: only numeric inputs can be varied.
            while IFS= read -r zeile; do
                [[ -n ${zeile##*$'\t'} ]] && continue
                name=${zeile%%$'\t'*}
                [[ $name == "$cur"* ]] && _maschinenelemente_frei "$name" "${davor[@]}" &&
                    COMPREPLY+=("$name=")
            done < <(_maschinenelemente_namen "$1" "$programm")
            [[ ${#COMPREPLY[@]} -gt 0 ]] && compopt -o nospace
            return
            ;;
    esac

    $split && return

    if [[ $cur == -* ]]; then
        # The options as --help lists them, "--format=" for one with a value.
        COMPREPLY=($(compgen -W '$(_parse_help "$1")' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    elif [[ $cur == *=* ]]; then
        # The values of a choice; a number has none to offer.
        while IFS= read -r zeile; do
            [[ ${zeile%%$'\t'*} == "${cur%%=*}" ]] || continue
            werte=${zeile##*$'\t'}
            COMPREPLY=($(compgen -W "${werte//|/ }" -- "${cur#*=}"))
        done < <(_maschinenelemente_namen "$1" "$programm")
    else
        while IFS= read -r zeile; do
            name=${zeile%%$'\t'*}
            [[ $name == "$cur"* ]] && _maschinenelemente_frei "$name" "${davor[@]}" &&
                COMPREPLY+=("$name=")
        done < <(_maschinenelemente_namen "$1" "$programm")
        [[ ${#COMPREPLY[@]} -gt 0 ]] && compopt -o nospace
    fi
} &&
    complete -F _maschinenelemente maschinenelemente

# ex: filetype=sh
