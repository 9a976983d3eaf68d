# bash completion for zemtool: its commands, their options, the values of
# --band, program files and the machine's serial ports.

# The serial ports: what 'zemtool ports' finds, and the usual device names.
_zemtool_ports()
{
    local ports
    ports=$(zemtool ports 2>/dev/null | cut -f2)
    ports+=" $(compgen -G '/dev/ttyUSB*' 2>/dev/null) $(compgen -G '/dev/ttyACM*' 2>/dev/null)"
    COMPREPLY=($(compgen -W "$ports" -- "$cur"))
    # A path such as the link zemsim made (devices come from the list above).
    [[ $cur == */* && $cur != /dev/* ]] && COMPREPLY+=($(compgen -f -- "$cur"))
}

_zemtool()
{
    local cur prev words cword
    _init_completion || return

    local commands="new show csv diff plan memories share ports read write power fleet --help --version"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi

    local command=${words[1]} action=
    if [[ $command == csv || $command == power || $command == plan || $command == memories ]]; then
        if ((cword == 2)); then
            if [[ $command != power ]]; then
                COMPREPLY=($(compgen -W "export import --help" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "read write --help" -- "$cur"))
            fi
            return
        fi
        action=${words[2]}
    fi

    case $prev in
        --port)
            _zemtool_ports
            return
            ;;
        --band)
            if [[ $command == new ]]; then
                COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "0 1 2 3 4" -- "$cur"))
            fi
            return
            ;;
        -o | --output)
            if [[ ($command == csv || $command == memories) && $action == export ]]; then
                _filedir csv
            elif [[ $command == plan && $action == export ]]; then
                _filedir '@(yaml|yml)'
            else
                _filedir '@(zem|Zem)'
            fi
            return
            ;;
        --base | --backup)
            _filedir '@(zem|Zem)'
            return
            ;;
        --trace)
            _filedir
            return
            ;;
        --retries | --access-code | --low | --high | --base-url)
            return
            ;;
    esac

    local options
    case $command in
        new) options="-o --output --band" ;;
        show) options="--json" ;;
        share) options="--base-url" ;;
        csv) [[ $action == import ]] && options="-o --output --band --skip-refused" || options="-o --output" ;;
        plan) options="-o --output" ;;
        memories) [[ $action == import ]] && options="-o --output --from --clear --band --skip-refused" || options="-o --output" ;;
        read) options="--port -o --output --base --retries --trace" ;;
        write) options="--port --backup --verify --retries --trace" ;;
        power)
            [[ $action == write ]] && options="--port --access-code --low --high --defaults --retries --trace" ||
                options="--port --access-code --band --retries --trace"
            ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi
    case $command in
        ports) ;;
        plan) [[ $action == import ]] && _filedir '@(yaml|yml)' || _filedir '@(zem|Zem)' ;;
        csv | memories)
            # csv import FILE.zem IN.csv: the second file is the CSV.
            local zem_files=0 i
            for ((i = 3; i < cword; i++)); do
                [[ ${words[i]} == *.[zZ]em ]] && ((zem_files++))
            done
            if [[ $action == import ]] && ((zem_files > 0)); then
                _filedir csv
            else
                _filedir '@(zem|Zem)'
            fi
            ;;
        *) _filedir '@(zem|Zem)' ;;
    esac
}
complete -F _zemtool zemtool
