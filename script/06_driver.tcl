# Batch driver: the run's globals, the upgrade-step list and the loop
# that applies one step to every record of the loaded file.

# Upgrade steps, in ascending version order. Each step file calls
# register_step just before it defines the step's procedure.
set verlist {}

# register_step --
#   Takes a step version and the record types (glob patterns) that the
#   step has rules for; appends the version to verlist and keeps the types.
#   Returns nothing.
proc register_step {ver types} {
    global verlist step_types
    lappend verlist $ver
    set step_types($ver) $types
    return
}

# process_fix --
#   Takes one entry of verlist and applies the step "fixapp<entry>" to every
#   record of the table from line 1 up to the count taken before the pass.
#   Returns 1 when the step was applied and 0 when it was refused.
proc process_fix {fixapp_ver} {
    global app cur_index
    set cur_ver [AppVersion]
    set cur_xy [join [lrange [split $cur_ver .] 0 1] .]
    if {[compare_versions $cur_ver $fixapp_ver] != 0 &&
            [compare_versions $cur_xy $fixapp_ver] > 0} {
        append_user_msg "Technical problem - cannot perform conversion"
        return 0
    }
    set count $app(cnt)
    for {set i 1} {$i < $count} {incr i} {
        if {[info exists app(l,$i)]} {
            set cur_index $i
            fixapp$fixapp_ver app(l,$i)
        }
    }
    return 1
}
