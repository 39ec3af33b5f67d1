# Batch driver: the run's globals, the upgrade-step list and the loop
# that applies one step to every record of the loaded file.

# The target version my_ver_xyz, which needs no conversion, is set by each
# upgrade_step to what its step writes, so the last step's stands. The build
# takes the program's version (project, Debian package) from that last one.

# Application types that can no longer be converted.
set obsolete_app_types {PhChReflApp}

# Run counters in summary order, with their lines for one file and more.
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

# What a real (0) and a check-only (1) run say of the files converted.
set converted_texts {
    0 {create "Created version " update "Updated version "
       summary {"1 file was converted" "$n files were converted" "No files were converted"}}
    1 {create "Would create version " update "Would update version "
       summary {"1 file would be converted" "$n files would be converted"
                "No files would be converted"}}
}

# Options that set a flag to 1, by a word they contain (see parse_args).
set flag_options {
    verbose verbose_option
    check check_option
    backup backup_option
}

# Counters of failed files: any above 0 makes a windowless run exit 1.
set failure_counters {
    num_files_cant_access num_files_cant_read num_files_read_only
    num_files_unrec_ver num_files_cant_conv
}

# Upgrade steps in ascending version order, appended by upgrade_step.
set verlist {}

# target_version --
#   Returns the version the last step of verlist writes.
proc target_version {} {
    global verlist step_writes
    return $step_writes([lindex $verlist end])
}

# step_refused --
#   Takes a verlist entry; queues a message and returns 1 when the file's
#   major and minor are past the step's and it is not at its version; else 0.
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
#   Takes a verlist entry; announces its conversion when verbose_option is on.
proc announce_step {ver} {
    global verbose_option
    if {$verbose_option} {
        output_str "Performing conversion for version $ver"
    }
    return
}

# process_fix --
#   Takes a verlist entry; unless step_refused, calls its step_pass_start
#   command and applies fixapp<entry> to every record from line 1 up to the
#   count taken before, setting cur_index. run_pass must do as this plain
#   loop does. Returns 1 when applied, 0 when refused.
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
#   Takes verlist entries; announces and applies them in order, by run_pass
#   (consecutive local steps in one pass) or, when norvane_fast_steps is 0,
#   by process_fix. Returns 1, or 0 at a refused step, running none after it.
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
#   Takes nothing; sets the run's globals and counters to their start values.
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
#   Takes n, the text for one and for more (with $n); returns the line for n.
proc summary_line {n one more} {
    if {$n == 1} {
        return $one
    }
    string map [list {$n} $n] $more
}

# expand_pattern --
#   Takes a file name pattern as glob reads it; returns the names it matches
#   in folder order, the folder part taken literally and kept as given.
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
#   Takes argv and the greeting; returns the file names (patterns expanded),
#   adding each to num_files. Options ("-"s stripped, case ignored): one
#   holding "logfile" opens the log, the words of flag_options set their
#   flags, anything else ("debug") is passed over.
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
#   Takes a file's version; returns the first verlist entry equal to it,
#   else the first with its major and minor, else "".
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
#   Takes a file name; reads it, checks type and version, runs the steps
#   from its version on and writes it back, keeping the original when
#   backup_option is set; check_option does all but the writing. Counts and
#   reports the outcome. Errors reach the caller, the file unwritten: a
#   step's, write_app's, and {NORVANE CHECK} when the result would not read
#   back as the target version of the same type.
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
    # The file's type is the pattern: plain equality for ordinary names.
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
    # A file newer than the target in the third field is not relabelled as
    # the target: no step knows it.
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
    # Write only what reads back as the target version of the same type.
    set new_ver [AppVersion]
    set new_type [GetAppType]
    if {$new_type ne $app_type || [compare_versions $new_ver $my_ver_xyz] != 0} {
        return -code error -errorcode {NORVANE CHECK} \
            "the converted file would read as version $new_ver of type $new_type"
    }
    set kept ""
    if {$check_option} {
        # Rendered as written, so the record checks run; the text is dropped.
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
#   Takes a file name; runs process_file holding the file's lock (lock_file)
#   against other runs, or without it in check mode, which writes nothing.
#   Errors reach the caller, the lock released.
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
#   Takes a file name; checks access, reading and writing, converts it and
#   shows its queued messages. A conversion error is reported and counted.
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
    # Also read-only when marked so, though root could still write it.
    if {![file writable $path] || [marked_read_only $path]} {
        output_str "\n$file is read-only and was not converted\n"
        incr num_files_read_only
        return
    }
    output_str "\nProcessing file $file "
    if {[catch {convert_locked $file} msg opts]} {
        # A version mismatch has queued its message already; those of a
        # failed write and of a busy file name the file themselves.
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
#   Takes argc and argv; greets, reads options and names, converts every
#   file and shows the summary. Sets norvane_exit_status, the windowless
#   exit status: 1 when a file failed, 2 when no name was given or matched,
#   3 when a check found files to convert and none failed, else 0.
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
    # The converted line comes last, in the run kind's words, even for none.
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
