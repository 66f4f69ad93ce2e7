# SPDX-License-Identifier: MIT
# bash completion for korbit: commands, their options, and the method names
# that `korbit methods` lists for `korbit call` and `korbit script`.

_korbit_methods() {
    # The members of one class: "  0x60030052  CancelOps() As Variant" lines
    # below the class's heading.
    korbit methods 2>/dev/null | awk -v class="$1" '
        /^[^ ]/ { current = $1 }
        /^  0x/ && current == class { sub(/\(.*/, "", $2); sub(/ .*/, "", $2); print $2 }' | sort -u
}

_korbit() {
    local cur prev words cword
    _init_completion || return

    local commands="encrypt decrypt methods call script register unregister help"
    if ((cword == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi

    case $prev in
        --answer)
            mapfile -t COMPREPLY < <(compgen -W "ok yes no cancel" -- "$cur")
            return ;;
        --class)
            mapfile -t COMPREPLY < <(compgen -W "KorbitControl SHA256 BinHexDecCls" -- "$cur")
            return ;;
        --dates)
            mapfile -t COMPREPLY < <(compgen -W "iso days" -- "$cur")
            return ;;
        --set | --secret | --secret-fd)
            return ;;
    esac

    local command=${words[1]}
    case $command in
        encrypt | decrypt)
            if [[ $cur == -* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--password-stdin --quiet --answer --help" -- "$cur")
            else
                _filedir
            fi ;;
        methods)
            mapfile -t COMPREPLY < <(compgen -W "--json --help" -- "$cur") ;;
        call)
            # Options and the method come first; after the method, its
            # arguments are JSON and nothing is offered.
            local i class=KorbitControl
            for ((i = 2; i < cword; i++)); do
                case ${words[i]} in
                    --class) class=${words[i + 1]}; ((i++)) ;;
                    --set | --answer | --dates | --secret | --secret-fd) ((i++)) ;;
                    -*) ;;
                    *) return ;;
                esac
            done
            if [[ $cur == -* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--class --set --secret --secret-fd --dates --answer --help" -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -W "$(_korbit_methods "$class")" -- "$cur")
            fi ;;
        script)
            if [[ $cur == -* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--secret-fd --dates --answer --help" -- "$cur")
            else
                _filedir
            fi ;;
        register | unregister)
            mapfile -t COMPREPLY < <(compgen -W "--help" -- "$cur") ;;
        help)
            # A command, or a method of the control whose reference to show.
            ((cword == 2)) && mapfile -t COMPREPLY < <(compgen -W "${commands% help} $(_korbit_methods KorbitControl)" -- "$cur") ;;
    esac
}

complete -F _korbit korbit
