# Batch driver: the run's globals, the upgrade-step list and the loop
# that applies one step to every record of the loaded file.

# The target version, my_ver_xyz: the version the last step writes, which
# needs no conversion. Each step declared (upgrade_step) sets it to the
# version it writes, so the last one leaves its own.
# It is also the program's own version: the build takes the version of
# the project and of the Debian package from the last declaration.

# Application types that can no longer be converted.
set obsolete_app_types {PhChReflApp}

# The run counters, in the order of the summary, each with its summary
# line for one file and for more than one.
set run_counters {
    {num_files "Processed 1 file" "Processed $n files"}
    {num_files_cant_access "1 file could not be accessed"
        "$n files could not be accessed"}
    {num_files_cant_read "1 file could not be read" "$n files could not be read"}
    {num_files_read_only "1 file was read-only and not converted"
        "$n files were read-only and not converted"}
    {num_files_unrec_ver "1 file contained an unrecognized version number"
        "$n files contained unrecognized version numbers"}
    {num_files_cant_conv "1 file could not be converted"
        "$n files could not be converted"}
    {num_files_didnt_need "1 file did not need conversion"
        "$n files did not need conversion"}
    {num_files_converted}
}

# What a real run (0) and a check-only run (1) say of the files converted:
# the file's result ("Created version", "Updated version", followed by
# the version), and the summary line for one file, for more and for none.
set converted_texts {
    0 {create "Created version " update "Updated version "
       summary {"1 file was converted" "$n files were converted" "No files were converted"}}
    1 {create "Would create version " update "Would update version "
       summary {"1 file would be converted" "$n files would be converted"
                "No files would be converted"}}
}

# The options that set a flag, by the word they contain, each with the
# flag it sets to 1 (all start at 0 but verbose_option; "logfile" opens
# the log).
set flag_options {
    verbose verbose_option
    check check_option
    backup backup_option
}

# The counters of files that failed: any of them above 0 makes the run's
# exit status 1 when there is no window.
set failure_counters {
    num_files_cant_access num_files_cant_read num_files_read_only
    num_files_unrec_ver num_files_cant_conv
}

# Upgrade steps, in ascending version order: each declaration
# (upgrade_step) appends its entry just before it defines the step's
# procedure.
set verlist {}

# target_version --
#   Returns the version the last step of verlist writes.
proc target_version {} {
    global verlist step_writes
    return $step_writes([lindex $verlist end])
}

# step_refused --
#   Takes one entry of verlist; returns 1, with the message queued, when
#   the file's version is past the step (its major and minor are above
#   the step's, and it is not the step's own version), else 0.
proc step_refused {fixapp_ver} {
    set cur_ver [AppVersion]
    set cur_xy [join [lrange [split $cur_ver .] 0 1] .]
    if {[compare_versions $cur_ver $fixapp_ver] != 0 &&
            [compare_versions $cur_xy $fixapp_ver] > 0} {
        append_user_msg "Technical problem - cannot perform conversion"
        return 1
    }
    return 0
}

# announce_step --
#   Takes one entry of verlist; shows that its conversion starts when the
#   verbose option is on. Returns nothing.
proc announce_step {ver} {
    global verbose_option
    if {$verbose_option} {
        output_str "Performing conversion for version $ver"
    }
    return
}

# process_fix --
#   Takes one entry of verlist and applies the step "fixapp<entry>" to every
#   record of the table from line 1 up to the count taken before the pass:
#   the plain loop, which the engine (run_pass) is held to. Returns 1 when
#   the step was applied and 0 when it was refused.
proc process_fix {fixapp_ver} {
    global app cur_index step_pass_start
    if {[step_refused $fixapp_ver]} {
        return 0
    }
    set count $app(cnt)
    if {[info exists step_pass_start($fixapp_ver)]} {
        {*}$step_pass_start($fixapp_ver) $count 0
    }
    for {set i 1} {$i < $count} {incr i} {
        if {[info exists app(l,$i)]} {
            set cur_index $i
            fixapp$fixapp_ver app(l,$i)
        }
    }
    return 1
}

# run_steps --
#   Takes entries of verlist in order; announces and applies each step
#   through the engine, consecutive local steps in one pass (run_pass), or
#   through the plain loop when norvane_fast_steps is 0. Returns 1 when
#   every step was applied and 0 when one was refused (the steps after it
#   are not announced).
proc run_steps {vers} {
    global app norvane_fast_steps step_local
    # The types noted when the table was read hold until a step runs.
    if {$norvane_fast_steps && [info exists app(types)]} {
        index_build $app(types)
    }
    unset -nocomplain app(types)
    if {!$norvane_fast_steps} {
        foreach ver $vers {
            announce_step $ver
            if {![process_fix $ver]} {
                return 0
            }
        }
        return 1
    }
    set i 0
    set n [llength $vers]
    while {$i < $n} {
        set j $i
        while {$j + 1 < $n && [info exists step_local([lindex $vers $j])] &&
               [info exists step_local([lindex $vers $j+1])]} {
            incr j
        }
        if {![run_pass [lrange $vers $i $j]]} {
            return 0
        }
        set i [expr {$j + 1}]
    }
    return 1
}

# init_run --
#   Takes nothing; sets the run's globals to their starting values and
#   the counters to 0. Returns nothing.
proc init_run {} {
    global run_counters output_msg_cnt HUGE_FLOAT verbose_option \
        check_option backup_option my_ver_xyz window_title norvane_exit_status
    array unset ::output_msg
    set output_msg_cnt 0
    set HUGE_FLOAT d1.7976931348623157e+308
    foreach row $run_counters {
        set ::[lindex $row 0] 0
    }
    set verbose_option 1
    set check_option 0
    set backup_option 0
    set my_ver_xyz [target_version]
    set window_title "Quorvis Norvane - Version $my_ver_xyz"
    set norvane_exit_status 0
    return
}

# summary_line --
#   Takes a count and the summary texts for one file and for more (the
#   latter with $n for the count); returns the line for that count.
proc summary_line {n one more} {
    if {$n == 1} {
        return $one
    }
    string map [list {$n} $n] $more
}

# expand_pattern --
#   Takes a file name pattern ("*", "?", brackets and braces as glob has
#   them) and returns the names of the files it matches, in the order the
#   folder lists them. The folder part of the pattern is taken literally;
#   the names keep it as the pattern gave it.
proc expand_pattern {pattern} {
    global tcl_platform
    set seps [expr {$tcl_platform(platform) eq "windows" ? {[/\\]} : {/}}]
    if {[regexp -indices "^.*$seps" $pattern m]} {
        set prefix [string range $pattern 0 [lindex $m 1]]
        set tail [string range $pattern [expr {[lindex $m 1] + 1}] end]
        set dir [string trimright $prefix /\\]
        if {$dir eq "" || [regexp {^[A-Za-z]:$} $dir]} {
            set dir $prefix
        }
    } else {
        set prefix ""
        set tail $pattern
        set dir .
    }
    # A pattern glob cannot read (an unmatched brace) matches nothing.
    if {[catch {glob -nocomplain -directory [safe_path $dir] -tails -- $tail} found]} {
        return {}
    }
    lmap f $found {
        string cat $prefix $f
    }
}

# parse_args --
#   Takes the argument list and the greeting; handles the options (all
#   leading "-" removed, letter case ignored: "logfile" opens the log,
#   "verbose", "check" and "backup" set their flags of flag_options,
#   "debug" and anything else are passed over) and returns the file
#   names: plain names as given and the matches of patterns. Adds 1 to
#   num_files for each name.
proc parse_args {argv greeting} {
    global num_files flag_options
    set names {}
    foreach arg $argv {
        if {[string index $arg 0] eq "-"} {
            set word [string tolower [string trimleft $arg -]]
            foreach {part flag} $flag_options {
                if {[string first $part $word] >= 0} {
                    set ::$flag 1
                }
            }
            if {[string first logfile $word] >= 0} {
                output_str "Messages logged in file Norvane.log\n"
                open_log $greeting
            }
            continue
        }
        if {[string match {*[?*]*} $arg]} {
            set found [expand_pattern $arg]
        } else {
            set found [list $arg]
        }
        incr num_files [llength $found]
        lappend names {*}$found
    }
    return $names
}

# start_step --
#   Takes a file's version and returns the entry of verlist to start
#   from: the first entry equal to the full version, else the first entry
#   with the version's major and minor; "" when there is none.
proc start_step {ver} {
    global verlist
    set xy [join [lrange [split $ver .] 0 1] .]
    foreach target [list $ver $xy] {
        foreach v $verlist {
            if {[compare_versions $v $target] == 0} {
                return $v
            }
        }
    }
    return ""
}

# process_file --
#   Takes one file name; reads the file, checks its type and version,
#   runs every step from the file's version on and writes the file back
#   (keeping the original when backup_option asks for it). In check mode
#   (check_option) the file goes through the same, the checks before
#   writing included, and nothing is written. The outcome is counted and
#   shown or queued. Returns nothing; an error raised on the way leaves
#   the file unwritten and reaches the caller.
proc process_file {name} {
    global app app_type orig_ver_xyz my_ver_xyz verlist obsolete_app_types \
        num_files_cant_read num_files_cant_conv num_files_didnt_need \
        num_files_unrec_ver num_files_converted check_option backup_option \
        converted_texts
    array unset app
    if {[read_app $name] ne "READ_APP_DONE"} {
        incr num_files_cant_read
        return
    }
    set app_type [GetAppType]
    if {$app_type eq "UNKNOWN"} {
        output_str "$name is not a Quorvis application"
        incr num_files_cant_read
        return
    }
    # Each entry is matched with the type as the pattern; for ordinary
    # type names that is plain equality.
    foreach entry $obsolete_app_types {
        if {[string match $app_type $entry]} {
            output_str "This type of application is obsolete and cannot be converted"
            incr num_files_cant_conv
            return
        }
    }
    set orig_ver_xyz [AppVersion]
    output_str "Original version $orig_ver_xyz"
    if {[compare_versions $orig_ver_xyz 6.5.0] == -1} {
        output_str "$name is too old for conversion"
        incr num_files_cant_conv
        return
    }
    if {[compare_versions $orig_ver_xyz $my_ver_xyz] == 0} {
        output_str "$name does not require conversion"
        incr num_files_didnt_need
        return
    }
    # A file newer than the target (same major and minor, higher third
    # field) is not relabelled as the target: no step knows it.
    set my_xy [join [lrange [split $my_ver_xyz .] 0 1] .]
    set start ""
    if {[compare_versions $orig_ver_xyz $my_xy] != 0
            || [compare_versions $orig_ver_xyz $my_ver_xyz] < 0} {
        set start [start_step $orig_ver_xyz]
    }
    if {$start eq ""} {
        append_user_msg "Unrecognized version number"
        incr num_files_unrec_ver
        return
    }
    set first 0
    while {[compare_versions [lindex $verlist $first] $start] != 0} {
        incr first
    }
    if {![run_steps [lrange $verlist $first end]]} {
        incr num_files_cant_conv
        append_user_msg "Internal error"
        return
    }
    # A file is written only when it reads back as what the steps were to
    # make of it: the target version, and the application type it had.
    set new_ver [AppVersion]
    set new_type [GetAppType]
    if {$new_type ne $app_type || [compare_versions $new_ver $my_ver_xyz] != 0} {
        return -code error -errorcode {NORVANE CHECK} \
            "the converted file would read as version $new_ver of type $new_type"
    }
    set kept ""
    if {$check_option} {
        # Every record rendered as it would be written, and dropped.
        render_app
    } else {
        set kept [write_app $name $backup_option]
    }
    incr num_files_converted
    set texts [dict get $converted_texts $check_option]
    set result [expr {[compare_versions $new_ver $orig_ver_xyz] == 0 ? "update" : "create"}]
    append_user_msg [dict get $texts $result]$new_ver
    if {$kept ne ""} {
        append_user_msg "Original kept as $kept"
    }
    return
}

# convert_locked --
#   Takes one file name; converts it with process_file while holding
#   this run's lock on the file (see lock_file), so that no other run
#   converts it meanwhile. A check-only run writes nothing and takes no
#   lock. Returns nothing; errors reach the caller, the lock released.
proc convert_locked {name} {
    global check_option
    if {$check_option} {
        process_file $name
        return
    }
    set lock [lock_file $name]
    try {
        process_file $name
    } finally {
        unlock_file $lock
    }
    return
}

# check_and_process --
#   Takes one file name; makes the checks of access, reading and writing,
#   and converts the file. An error while converting is reported for the
#   file, which is then counted as not converted and left as it was.
#   Returns nothing.
proc check_and_process {file} {
    global num_files_cant_access num_files_cant_read num_files_read_only \
        num_files_cant_conv
    set path [safe_path $file]
    if {![file exists $path]} {
        output_str "\nCannot access file $file \n"
        incr num_files_cant_access
        return
    }
    if {![file readable $path]} {
        output_str "\nFile $file is not readable\n"
        incr num_files_cant_read
        return
    }
    # A file whose permission bits give nobody write access is read-only
    # to its owner's mind, even where the superuser could write it.
    if {![file writable $path] || [marked_read_only $path]} {
        output_str "\n$file is read-only and was not converted\n"
        incr num_files_read_only
        return
    }
    output_str "\nProcessing file $file "
    if {[catch {convert_locked $file} msg opts]} {
        # A version mismatch has queued its message already; a failed
        # write, and a file another run is converting, say what they are
        # about themselves.
        switch -- [dict get $opts -errorcode] {
            {NORVANE REPORTED} {}
            {NORVANE WRITE} - {NORVANE BUSY} {
                append_user_msg $msg
            }
            default {
                append_user_msg "$file could not be converted: $msg"
            }
        }
        incr num_files_cant_conv
    }
    output_user_msg
    return
}

# main --
#   Takes the argument count and list; greets the user, reads the options
#   and file names, converts every file and shows the summary. Leaves the
#   run's exit status in norvane_exit_status: 0 when no named file
#   failed, 1 when some did, 2 when no files were given, and in check
#   mode 3 when none failed and some would be converted. Returns nothing.
proc main {argc argv} {
    global my_ver_xyz num_files num_files_converted run_counters failure_counters \
        norvane_exit_status check_option converted_texts
    init_run
    create_window
    set greeting "Quorvis Application File Conversion Program - Version $my_ver_xyz\n"
    output_str $greeting
    set names [parse_args $argv $greeting]
    if {$check_option} {
        output_str "Checking only: no file will be changed"
    }
    if {$num_files == 0} {
        output_str "No files specified\n"
        show_usage
        set norvane_exit_status 2
        close_log
        return
    }
    foreach file $names {
        check_and_process $file
    }
    append_user_msg "\n[string repeat = 39]"
    # The converted line comes last in the table, with the texts of the
    # run's kind; without conversions it says so.
    foreach row $run_counters {
        lassign $row counter one more
        set n [set ::$counter]
        if {$counter eq "num_files_converted"} {
            lassign [dict get $converted_texts $check_option summary] one more none
            if {$n == 0} {
                append_user_msg $none
                continue
            }
        }
        if {$counter eq "num_files" || $n > 0} {
            append_user_msg [summary_line $n $one $more]
        }
    }
    append_user_msg [string repeat = 39]
    output_user_msg
    if {$check_option && $num_files_converted > 0} {
        set norvane_exit_status 3
    }
    foreach counter $failure_counters {
        if {[set ::$counter] > 0} {
            set norvane_exit_status 1
        }
    }
    close_log
    return
}
