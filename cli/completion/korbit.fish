# SPDX-License-Identifier: MIT
# fish completion for korbit: commands, their options, and the method names
# that `korbit methods` lists for `korbit call`.

function __korbit_methods
    set -l class KorbitControl
    set -l words (commandline -opc)
    for i in (seq (count $words))
        if test "$words[$i]" = --class; and test $i -lt (count $words)
            set class $words[(math $i + 1)]
        end
    end
    korbit methods 2>/dev/null | awk -v class="$class" '
        /^[^ ]/ { current = $1 }
        /^  0x/ && current == class { sub(/\(.*/, "", $2); sub(/ .*/, "", $2); print $2 }' | sort -u
end

# True while `korbit call` has not been given its method yet.
function __korbit_call_wants_method
    set -l words (commandline -opc)
    test (count $words) -ge 2; and test "$words[2]" = call; or return 1
    set -l i 3
    while test $i -le (count $words)
        switch $words[$i]
            case --class --set --answer --dates --secret --secret-fd
                set i (math $i + 2)
            case '-*'
                set i (math $i + 1)
            case '*'
                return 1
        end
    end
    return 0
end

set -l commands encrypt decrypt methods call script register unregister help
complete -c korbit -f
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 'show the help'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -l version -d 'show the version'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a encrypt -d 'encrypt files in place with a password'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a decrypt -d 'decrypt files in place'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a methods -d 'list every method of the control'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a call -d 'call one method and print the outcome as JSON'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a script -d 'run one call per line, all on one control'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a register -d 'record the control library for this user'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a unregister -d 'remove that record'
complete -c korbit -n "not __fish_seen_subcommand_from $commands" -a help -d 'show the help of a command or method'

complete -c korbit -n "__fish_seen_subcommand_from $commands" -s h -l help -d 'show the help'
complete -c korbit -n '__fish_seen_subcommand_from encrypt decrypt' -F
complete -c korbit -n '__fish_seen_subcommand_from encrypt decrypt' -l password-stdin -d 'read the password from standard input'
complete -c korbit -n '__fish_seen_subcommand_from encrypt decrypt' -s q -l quiet -d 'no progress bar'
complete -c korbit -n '__fish_seen_subcommand_from encrypt decrypt call script' -l answer -x -a 'ok yes no cancel' -d 'the answer every message box gets'
complete -c korbit -n '__fish_seen_subcommand_from methods' -l json -d 'print the list as JSON'
complete -c korbit -n '__fish_seen_subcommand_from call' -l class -x -a 'KorbitControl SHA256 BinHexDecCls' -d 'the class whose object is called'
complete -c korbit -n '__fish_seen_subcommand_from call' -l set -x -d 'set a property before the call (PROPERTY=VALUE)'
complete -c korbit -n '__fish_seen_subcommand_from call' -l secret -x -d 'read this argument from standard input'
complete -c korbit -n '__fish_seen_subcommand_from call script' -l secret-fd -x -d 'read the secrets from this file descriptor'
complete -c korbit -n '__fish_seen_subcommand_from call script' -l dates -x -a 'iso days' -d 'how dates are written'
complete -c korbit -n __korbit_call_wants_method -x -a '(__korbit_methods)'
complete -c korbit -n '__fish_seen_subcommand_from script' -F
complete -c korbit -n '__fish_seen_subcommand_from help' -x -a "$commands (__korbit_methods)"
