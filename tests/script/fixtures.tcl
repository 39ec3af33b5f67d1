# Helpers for tests that work on small files in a temporary folder of
# their own.

set fixture_root [file join [expr {[info exists ::env(TMPDIR)] ? $::env(TMPDIR) : "/tmp"}] \
                      norvane-test-[pid]-[clock clicks]]
file mkdir $fixture_root

# fixture_dir --
#   Returns the test's temporary folder.
proc fixture_dir {} {
    return $::fixture_root
}

# fixture_path --
#   Takes a name relative to the temporary folder and returns its path.
#   The name is appended as text, so "~" or "|" at its start stay plain.
proc fixture_path {name} {
    return "$::fixture_root/$name"
}

# fixture_file --
#   Takes a name and bytes (one character per byte); writes the file in
#   the temporary folder and returns its path.
proc fixture_file {name bytes} {
    set path [fixture_path $name]
    set ch [open $path w]
    fconfigure $ch -translation binary
    puts -nonewline $ch $bytes
    close $ch
    return $path
}

# fixture_bytes --
#   Takes a path and returns the file's bytes, one character per byte.
proc fixture_bytes {path} {
    if {[string match {[~|]*} $path]} {
        set path ./$path
    }
    set ch [open $path r]
    fconfigure $ch -translation binary
    set data [read $ch]
    close $ch
    return $data
}

# fixture_cleanup --
#   Removes the temporary folder.
proc fixture_cleanup {} {
    file delete -force -- $::fixture_root
}
