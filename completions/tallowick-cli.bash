# bash completion for tallowick-cli: its commands, their options and the words they take.
# Installed as share/bash-completion/completions/tallowick-cli, loaded on first use.

_tallowick_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    [ "$COMP_CWORD" -gt 0 ] && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local globals='--now --verbose --help -h --version'
    local themes='1 2 3 4 5 1001 1002 1003 1004 1005 1006 1007 1008 1009'

    # An option's value: the clock offers now, a theme its numbers, the rest is free text.
    case $prev in
        --now) COMPREPLY=($(compgen -W "$(date +%Y-%m-%dT%H:%M:%S)" -- "$cur")); return ;;
        --theme) COMPREPLY=($(compgen -W "$themes" -- "$cur")); return ;;
        --title | --date | --user | --calendar) COMPREPLY=(); return ;;
        --password-command) COMPREPLY=($(compgen -c -- "$cur")); return ;;
        --ics) COMPREPLY=($(compgen -f -X '!*.ics' -- "$cur") $(compgen -d -- "$cur")); return ;;
    esac
    # export --json names the backup file (list and pending take --json alone).
    if [ "$prev" = --json ] && [[ " ${COMP_WORDS[*]:1:COMP_CWORD-1} " == *" export "* ]]; then
        COMPREPLY=($(compgen -f -X '!*.json' -- "$cur") $(compgen -d -- "$cur"))
        return
    fi

    # The command and the arguments before the word being completed; "--" ends the options.
    local command= first= arguments=0 ended= i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [ -z "$ended" ]; then
            case $word in
                --) ended=1; continue ;;
                --now | --theme | --title | --date | --ics | --user | --calendar | --password-command) ((i++)); continue ;;
                --json) [ "$command" = export ] && ((i++)); continue ;;
                -?*) continue ;;
            esac
        fi
        if [ -z "$command" ]; then
            command=$word
        else
            [ "$arguments" -eq 0 ] && first=$word
            ((arguments++))
        fi
    done

    if [ -z "$ended" ] && [[ $cur == -* ]]; then
        local options=
        case $command in
            count) options='--count-up' ;;
            list | pending) options='--json' ;;
            add) options='--count-up --yearly --theme --unit' ;;
            edit) options='--title --date --count-up --count-down --yearly --once --theme --unit' ;;
            export) options='--ics --json' ;;
            import) options='--update' ;;
            sync)
                case $first in
                    status) options='--json' ;;
                    setup) options='--user --calendar --password-stdin --password-command' ;;
                esac ;;
        esac
        COMPREPLY=($(compgen -W "$options $globals" -- "$cur"))
        return
    fi

    if [ -z "$command" ]; then
        COMPREPLY=($(compgen -W 'count format list add edit delete move open remind notifications pending export import sync' -- "$cur"))
        return
    fi
    case $command:$arguments in
        remind:1) COMPREPLY=($(compgen -W 'one three seven off' -- "$cur")) ;;
        import:0) COMPREPLY=($(compgen -f -X '!*.ics' -- "$cur") $(compgen -f -X '!*.json' -- "$cur") $(compgen -d -- "$cur")) ;;
        notifications:0) COMPREPLY=($(compgen -W 'allow deny status time autostart no-autostart' -- "$cur")) ;;
        sync:0) COMPREPLY=($(compgen -W 'status setup off' -- "$cur")) ;;
        *) COMPREPLY=() ;;
    esac
}
complete -F _tallowick_cli tallowick-cli
