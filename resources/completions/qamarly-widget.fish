# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Fish completion for qamarly-widget.
complete -c qamarly-widget -f
complete -c qamarly-widget -n "not __fish_seen_subcommand_from timeline render" -a 'timeline render'
complete -c qamarly-widget -l kind -x -a 'simple complex'
complete -c qamarly-widget -l family -x -a 'small medium'
complete -c qamarly-widget -l appearance -x -a 'light dark'
complete -c qamarly-widget -n "__fish_seen_subcommand_from timeline" -l json
complete -c qamarly-widget -n "__fish_seen_subcommand_from timeline render" -l at -x
complete -c qamarly-widget -n "__fish_seen_subcommand_from render" -s o -r
complete -c qamarly-widget -n "__fish_seen_subcommand_from render" -l scale -x
complete -c qamarly-widget -l help
complete -c qamarly-widget -l version
