# Fixtures for the upgrade-step tests: header records of each layout,
# filler records of a given length, and a runner that puts records in a
# table and applies one step to it.

set HUGE_FLOAT d1.7976931348623157e+308

# Positions of the major version and of the type reference, per header
# token count.
set fixture_layouts {34 {19 23} 38 {23 27} 39 {23 27} 56 {40 44}}

# header --
#   Takes a token count (34, 38, 39 or 56), a version "major.minor.third"
#   and the line of the record naming the application type; returns a
#   header record. Token 14 is "l14", the form the 7.8 step extends;
#   other tokens are "i" and their position.
proc header {n ver {ref 2}} {
    global fixture_layouts
    lassign [dict get $fixture_layouts $n] verpos refpos
    set toks [list 0 #AppVwCfg]
    for {set p 2} {$p < $n} {incr p} {
        lappend toks i$p
    }
    lset toks 14 l14
    foreach v [split $ver .] {
        lset toks $verpos s$v
        incr verpos
    }
    lset toks $refpos @$ref
    join $toks " "
}

# rec --
#   Takes a record type, a token count and optional position/value pairs;
#   returns a record whose other tokens are "i" and their position.
proc rec {type n args} {
    set toks [list 0 $type]
    for {set p 2} {$p < $n} {incr p} {
        lappend toks i$p
    }
    foreach {p v} $args {
        lset toks $p $v
    }
    join $toks " "
}

# str --
#   Takes a text; returns the "#CharString" record that holds it, as the
#   reader holds it (the text and its closing blank as one element).
proc str {text} {
    return "0 #CharString i[string length $text] [canon_elem "$text "]"
}

# run_step --
#   Takes a step version, a header record, a list of further records, and
#   optionally the file's version before conversion and its application
#   type. Builds the table (line 0, the header, the records) and applies
#   the step through the plain loop (process_fix), then from the same
#   table through the engine (step_pass). Raises an error when the two
#   differ in the table, the messages queued or the error raised. Returns
#   the records after the header; the table is the engine's. step_way
#   says which of the two runs.
proc run_step {ver hdr records {orig ""} {type TestApp}} {
    global app orig_ver_xyz app_type output_msg output_msg_cnt step_way
    set queued [array get output_msg]
    set queued_cnt [expr {[info exists output_msg_cnt] ? $output_msg_cnt : 0}]
    set out {}
    foreach step_way {plain engine} {
        array unset output_msg
        array set output_msg $queued
        set output_msg_cnt $queued_cnt
        table_set [list "#AsciiFiler" $hdr {*}$records]
        set orig_ver_xyz [expr {$orig eq "" ? [AppVersion] : $orig}]
        set app_type $type
        set failed [catch {
            if {$step_way eq "plain"} {
                process_fix $ver
            } elseif {![step_refused $ver]} {
                step_pass $ver $app(cnt)
            }
            list
        } msg opts]
        lappend out [list [table_get] [array get output_msg] $failed $msg]
    }
    if {[lindex $out 0] ne [lindex $out 1]} {
        error "step $ver: the engine and the plain loop differ:\n[join $out \n]"
    }
    if {$failed} {
        return -options $opts $msg
    }
    lrange [table_get] 2 end
}

# toks --
#   Takes a record text and positions; returns the tokens at them.
proc toks {text args} {
    lmap p $args {lindex $text $p}
}
