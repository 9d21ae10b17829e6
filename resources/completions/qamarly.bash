# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Bash completion for qamarly and qamarly-widget.

# Calendar folders by name, as --calendar takes them: those under the
# calendars folder and those the CalendarFolders setting lists.
_qamarly_calendars()
{
    local data=${XDG_DATA_HOME:-$HOME/.local/share}/qamarly/calendars folder
    for folder in "$data"/*/; do
        [[ -d $folder ]] && basename -- "$folder"
    done
    qamarly settings list CalendarFolders 2>/dev/null | while IFS= read -r folder; do
        [[ -n $folder ]] && basename -- "$folder"
    done
}

_qamarly_setting_keys()
{
    qamarly settings 2>/dev/null | sed -n 's/^\([A-Za-z][A-Za-z]*\) = .*/\1/p'
}

_qamarly()
{
    local cur prev words cword
    if declare -F _init_completion >/dev/null; then
        _init_completion || return
    else
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
    fi
    local commands="today convert range month occasions events import settings notifications"
    local command=${words[1]:-} sub=${words[2]:-}

    case $prev in
        --from | --calendar)
            if [[ $command == events || $command == import ]]; then
                local IFS=$'\n'
                COMPREPLY=($(compgen -W "$(_qamarly_calendars)" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "gregorian hijri" -- "$cur"))
            fi
            return ;;
        --first-weekday) COMPREPLY=($(compgen -W "1 2 3 4 5 6 7" -- "$cur")); return ;;
        --language) COMPREPLY=($(compgen -W "en ar id ur bn tr fa ms fr" -- "$cur")); return ;;
        --screenshots) COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --zone)
            COMPREPLY=($(compgen -W "$(cd /usr/share/zoneinfo 2>/dev/null && find . -type f -name '[A-Z]*' | sed 's|^\./||')" -- "$cur"))
            return ;;
        --years | --title | --start | --end | --location | --occurrence) return ;;
    esac

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version --language --screenshots" -- "$cur"))
        return
    fi
    local options=""
    case $command in
        today) options="--json" ;;
        convert) options="--from --json" ;;
        range) options="--calendar --json" ;;
        month) options="--calendar --first-weekday --json" ;;
        occasions) options="--json --ics --years" ;;
        import)
            if [[ $cur != -* ]]; then
                COMPREPLY=($(compgen -f -X '!*.[iI][cC][sS]' -- "$cur") $(compgen -d -- "$cur"))
                return
            fi
            options="--calendar --json" ;;
        events)
            case $sub in
                add) options="--title --start --end --all-day --zone --calendar --location" ;;
                edit) options="--occurrence --from --title --start --end --location" ;;
                delete) options="--occurrence --from" ;;
                *) ((cword == 2)) && [[ $cur != -* ]] && { COMPREPLY=($(compgen -W "add edit delete" -- "$cur")); return; }
                   options="--json" ;;
            esac ;;
        settings)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "set add remove list --json" -- "$cur"))
                return
            fi
            if ((cword == 3)); then
                case $sub in
                    set) COMPREPLY=($(compgen -W "$(_qamarly_setting_keys) CalendarFolders" -- "$cur")) ;;
                    add | remove | list) COMPREPLY=($(compgen -W "CalendarFolders" -- "$cur")) ;;
                esac
                return
            fi
            if [[ ${words[3]} == CalendarFolders && $sub != list ]]; then
                COMPREPLY=($(compgen -d -- "$cur"))
                return
            fi
            options="--json" ;;
        notifications)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "plan pending reschedule refresh" -- "$cur"))
                return
            fi
            options="--json" ;;
    esac
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
}
complete -F _qamarly qamarly

_qamarly_widget()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    case $prev in
        --kind) COMPREPLY=($(compgen -W "simple complex" -- "$cur")); return ;;
        --family) COMPREPLY=($(compgen -W "small medium" -- "$cur")); return ;;
        --appearance) COMPREPLY=($(compgen -W "light dark" -- "$cur")); return ;;
        -o) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --at | --scale) return ;;
    esac
    if ((COMP_CWORD == 1)) && [[ $cur != -* ]]; then
        COMPREPLY=($(compgen -W "timeline render" -- "$cur"))
        return
    fi
    local options="--kind --family --appearance --help --version"
    case ${COMP_WORDS[1]} in
        timeline) options="--json --at --help" ;;
        render) options="--kind --family -o --at --appearance --scale --help" ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _qamarly_widget qamarly-widget
complete -W "--retry-interval --help" qamarly-notifyd
