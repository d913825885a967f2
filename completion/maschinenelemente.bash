# bash completion for maschinenelemente           -*- shell-script -*-
#
#   maschinenelemente PROGRAMM [NAME=WERT ...] [Optionen]
#
# Completes the program names, the options (as --help lists them, both
# "--format json" and "--format=json"), and each program's input names (as
# NAME=, those not given yet) and option values.  The names come from the program itself:
# "maschinenelemente PROGRAMM --namen" prints one line per input,
# NAME<TAB>BESCHRIFTUNG<TAB>EINHEIT<TAB>VORGABE<TAB>WERTE, WERTE empty for a
# number and "1|2|3|4" for a choice.  After --suche, the field sought is one
# of the numbers and its target ERGEBNIS= one of the results that
# "maschinenelemente PROGRAMM --ergebnisnamen" lists (NAME<TAB>BESCHRIFTUNG<TAB>EINHEIT).
# After --katalog, TABELLE:EINTRAG of every entry "maschinenelemente PROGRAMM
# --kataloge" lists (a table's line NAME<TAB>TITEL<TAB>DATEI[<TAB>KENNWERT],
# its entries <TAB>EINTRAG<TAB>...), with ":KENNWERT=" where the table needs one;
# after --auslegung, the table's NAME.
# Needs the helpers of bash-completion.

_maschinenelemente_namen()
{
    # <command> <program>: the --namen lines of that program
    "$1" "$2" --namen 2>/dev/null
}

_maschinenelemente_ergebnisse()
{
    # <command> <program>: the names of that program's results
    "$1" "$2" --ergebnisnamen 2>/dev/null | cut -f1
}

_maschinenelemente_katalog()
{
    # <command> <program>: TABELLE:EINTRAG of every catalogue entry
    local zeile tabelle= kennwert= felder
    while IFS= read -r zeile; do
        case $zeile in
            '#'*) ;;
            $'\t'*)
                zeile=${zeile#$'\t'}
                printf '%s\n' "$tabelle:${zeile%%$'\t'*}${kennwert:+:$kennwert=}"
                ;;
            *)
                IFS=$'\t' read -r -a felder <<< "$zeile"
                tabelle=${felder[0]}
                kennwert=${felder[3]-}
                ;;
        esac
    done < <("$1" "$2" --kataloge 2>/dev/null)
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
    _init_completion -s -n =: || return

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
        --katalog)
            # Designations may hold blanks ("IPE 200"): quoted as file names are.
            local wahl
            while IFS= read -r wahl; do
                [[ $wahl == "$cur"* ]] && COMPREPLY+=("$wahl")
            done < <(_maschinenelemente_katalog "$1" "$programm")
            __ltrim_colon_completions "$cur"
            compopt -o filenames
            # An entry that still needs its Kennwert's value: no blank yet.
            [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace
            return
            ;;
        --auslegung)
            # A table, by its name.
            local tabelle
            while IFS= read -r tabelle; do
                [[ $tabelle == "$cur"* ]] && COMPREPLY+=("$tabelle")
            done < <("$1" "$programm" --kataloge 2>/dev/null | grep -v $'^[#\t]' | cut -f1)
            return
            ;;
        --groesse | --bereich | --projekt | --bearbeiter)
            return
            ;;
        --suche)
            # The field sought: a number.
            while IFS= read -r zeile; do
                [[ -n ${zeile##*$'\t'} ]] && continue
                name=${zeile%%$'\t'*}
                [[ $name == "$cur"* ]] && COMPREPLY+=("$name")
            done < <(_maschinenelemente_namen "$1" "$programm")
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
        # With --suche, the target: one result, once.
        if [[ " ${davor[*]} " == *" --suche"[\ =]* ]]; then
            local -a ergebnisse
            mapfile -t ergebnisse < <(_maschinenelemente_ergebnisse "$1" "$programm")
            local gegeben=0 w
            for w in "${davor[@]}"; do
                [[ $w == *=* && " ${ergebnisse[*]} " == *" ${w%%=*} "* ]] && gegeben=1
            done
            if ((gegeben == 0)); then
                for name in "${ergebnisse[@]}"; do
                    [[ $name == "$cur"* ]] && COMPREPLY+=("$name=")
                done
            fi
        fi
        [[ ${#COMPREPLY[@]} -gt 0 ]] && compopt -o nospace
    fi
} &&
    complete -F _maschinenelemente maschinenelemente

# ex: filetype=sh
