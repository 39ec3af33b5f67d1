# Stand-ins for the host's commands for in-place writes (see
# host/file_commands.h), for the script loaded in a plain tclsh: the same
# results, without the flushes to disk. A lock is exclusive within this
# process, and its lock file is made and removed as the host's is.

proc norvane_sync {ch} {
    flush $ch
}

proc norvane_sync_folder {path} {
}

proc norvane_replace {from to} {
    file rename -force -- $from $to
}

proc norvane_lock {path} {
    global norvane_test_locks
    set path [file normalize $path]
    if {[info exists norvane_test_locks($path)]} {
        return ""
    }
    close [open $path {WRONLY CREAT}]
    set token norvane_lock[incr ::norvane_test_lock_count]
    set norvane_test_locks($path) $token
    set norvane_test_locks($token) $path
    return $token
}

proc norvane_unlock {token} {
    global norvane_test_locks
    set path $norvane_test_locks($token)
    unset norvane_test_locks($token) norvane_test_locks($path)
    file delete -- $path
}
