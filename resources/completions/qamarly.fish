# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Fish completion for qamarly.

function __qamarly_calendars
    set -l data (set -q XDG_DATA_HOME; and echo $XDG_DATA_HOME; or echo $HOME/.local/share)/qamarly/calendars
    for folder in $data/*/
        basename $folder
    end
    for folder in (qamarly settings list CalendarFolders 2>/dev/null)
        basename $folder
    end
end

function __qamarly_setting_keys
    qamarly settings 2>/dev/null | string replace -rf '^([A-Za-z]+) = .*' '$1'
    echo CalendarFolders
end

set -l commands today convert range month occasions events import settings notifications
complete -c qamarly -f
complete -c qamarly -n "not __fish_seen_subcommand_from $commands" -a "$commands"
complete -c qamarly -l help -d 'Show the usage'
complete -c qamarly -n __fish_use_subcommand -l language -x -a 'en ar id ur bn tr fa ms fr' -d 'The window in this language'
complete -c qamarly -n __fish_use_subcommand -l screenshots -r -a '(__fish_complete_directories)' -d 'Write a picture of every screen'
complete -c qamarly -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'
complete -c qamarly -n "__fish_seen_subcommand_from today convert range month occasions settings notifications" -l json -d 'Print JSON'
complete -c qamarly -n "__fish_seen_subcommand_from convert" -l from -x -a 'gregorian hijri'
complete -c qamarly -n "__fish_seen_subcommand_from range month" -l calendar -x -a 'gregorian hijri'
complete -c qamarly -n "__fish_seen_subcommand_from month" -l first-weekday -x -a '1 2 3 4 5 6 7'
complete -c qamarly -n "__fish_seen_subcommand_from occasions" -l ics -d 'Write an iCalendar file'
complete -c qamarly -n "__fish_seen_subcommand_from occasions" -l years -x
complete -c qamarly -n "__fish_seen_subcommand_from events; and not __fish_seen_subcommand_from add edit delete" -a 'add edit delete'
complete -c qamarly -n "__fish_seen_subcommand_from events; and not __fish_seen_subcommand_from add edit delete" -l json
complete -c qamarly -n "__fish_seen_subcommand_from add edit" -l title -x
complete -c qamarly -n "__fish_seen_subcommand_from add edit" -l start -x
complete -c qamarly -n "__fish_seen_subcommand_from add edit" -l end -x
complete -c qamarly -n "__fish_seen_subcommand_from add edit" -l location -x
complete -c qamarly -n "__fish_seen_subcommand_from add" -l all-day
complete -c qamarly -n "__fish_seen_subcommand_from add" -l zone -x
complete -c qamarly -n "__fish_seen_subcommand_from events; and __fish_seen_subcommand_from add" -l calendar -x -a '(__qamarly_calendars)'
complete -c qamarly -n "__fish_seen_subcommand_from edit delete" -l occurrence -x
complete -c qamarly -n "__fish_seen_subcommand_from edit delete" -l from -x
complete -c qamarly -n "__fish_seen_subcommand_from settings; and not __fish_seen_subcommand_from set add remove list" -a 'set add remove list'
complete -c qamarly -n "__fish_seen_subcommand_from set" -a '(__qamarly_setting_keys)'
complete -c qamarly -n "__fish_seen_subcommand_from add remove list; and __fish_seen_subcommand_from settings" -a CalendarFolders
complete -c qamarly -n "__fish_seen_subcommand_from notifications; and not __fish_seen_subcommand_from plan pending reschedule refresh" -a 'plan pending reschedule refresh'
complete -c qamarly -n "__fish_seen_subcommand_from import" -l calendar -x -a '(__qamarly_calendars)'
complete -c qamarly -n "__fish_seen_subcommand_from import" -l json -d 'Print JSON'
complete -c qamarly -n "__fish_seen_subcommand_from import" -F
