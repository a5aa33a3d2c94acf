# bash completion for zrtpro-cli: its commands, each command's options and
# their values, and .zrt files where a configuration file is asked for.
# Commands and options are read from the program's own --help, so the
# completion always matches the program it completes; in English, the
# language of its words, whatever the person's language is.

# The program's --help (with its arguments) in English.
_zrtpro_cli_help() {
    LANGUAGE=C LC_ALL=C "$@" --help 2>/dev/null
}

# The usage words of COMMAND ("FILE.zrt --connect CONNECTION [--verify] ...").
_zrtpro_cli_usage() {
    _zrtpro_cli_help "$1" "$2" | sed -n "1s/^usage: zrtpro-cli $2 //p" | tr -d '[]'
}

# The serial devices whose path starts with $1.
_zrtpro_cli_ports() {
    compgen -G "${1:-/dev/tty}*" | grep '^/dev/tty'
}

# Completes CUR as a value that the usage names WORD: one of "a|b|c", a file
# (only .zrt files and folders for FILE.zrt), a serial device or a connection.
_zrtpro_cli_value() {
    local word=$1 cur=$2 IFS=$'\n'
    case $word in
    *'|'*) COMPREPLY=($(compgen -W "${word//|/$'\n'}" -- "$cur")) ;;
    *.zrt)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X '!*.[zZ][rR][tT]' -- "$cur"))
        ;;
    FILE | PATH | IMAGE | *.bin | *.pdf)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
        ;;
    DEVICE) COMPREPLY=($(_zrtpro_cli_ports "$cur")) ;;
    CONNECTION)
        case $cur in
        serial:* | modem:*)
            COMPREPLY=($(_zrtpro_cli_ports "${cur#*:}" | sed "s|^|${cur%%:*}:|"))
            ;;
        unitsim:*) COMPREPLY=($(compgen -P unitsim: -f -- "${cur#unitsim:}")) ;;
        *:*) ;;
        *)
            compopt -o nospace 2>/dev/null
            COMPREPLY=($(compgen -W $'serial:\ntcp:\nrfc2217:\nmodem:\nunitsim:' -- "$cur"))
            ;;
        esac
        # bash takes the text after the last colon as the word it completes.
        [[ $cur == *:* ]] && COMPREPLY=("${COMPREPLY[@]#"${cur%:*}":}")
        ;;
    esac
}

_zrtpro_cli() {
    local program=${COMP_WORDS[0]} line=${COMP_LINE:0:COMP_POINT} words
    COMPREPLY=()
    # Words split at blanks only, so that "serial:/dev/ttyS0" stays one word.
    read -ra words <<<"$line"
    [[ $line == *[[:blank:]] ]] && words+=("")
    local cur=${words[-1]} count=${#words[@]}

    if ((count == 2)); then
        local commands
        commands=$(_zrtpro_cli_help "$program" | sed -n 's/^  zrtpro-cli \([a-z-]*\).*/\1/p')
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local usage
    usage=($(_zrtpro_cli_usage "$program" "${words[1]}"))
    ((${#usage[@]})) || return
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(printf '%s\n' "${usage[@]}" | grep '^-') --help" -- "$cur"))
        return
    fi

    # The usage word after the option just typed names its value.
    local prev=${words[-2]} i
    if [[ $prev == -* ]]; then
        for ((i = 0; i < ${#usage[@]} - 1; i++)); do
            if [[ ${usage[i]} == "$prev" && ${usage[i + 1]:-} != -* ]]; then
                _zrtpro_cli_value "${usage[i + 1]:-}" "$cur"
                return
            fi
        done
    fi

    # Otherwise CUR is the Nth argument that is neither an option nor a value.
    local typed=0 positional=() skip=0
    for ((i = 0; i < ${#usage[@]}; i++)); do
        if [[ ${usage[i]} == -* ]]; then
            [[ ${usage[i + 1]:-} != -* && -n ${usage[i + 1]:-} ]] && ((i++))
        else
            positional+=("${usage[i]}")
        fi
    done
    for ((i = 2; i < count - 1; i++)); do
        if ((skip)); then
            skip=0
        elif [[ ${words[i]} == -* ]]; then
            [[ " ${usage[*]} " == *" ${words[i]} "[!-]* ]] && skip=1
        else
            ((typed++))
        fi
    done
    ((typed < ${#positional[@]})) && _zrtpro_cli_value "${positional[typed]}" "$cur"
}

complete -F _zrtpro_cli zrtpro-cli
