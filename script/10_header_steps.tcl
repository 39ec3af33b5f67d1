# Steps that change nothing but the header's version.

# header_only_step --
#   Takes the name of the caller's record variable, the major and minor
#   version a step expects and the version it writes; when the record is
#   the header, has FixVersion check and write them. Returns nothing.
proc header_only_step {varName old new} {
    upvar 1 $varName l
    if {[rec_type $l] eq "#AppVwCfg"} {
        FixVersion l {*}$old {*}$new
    }
    return
}

# header_step --
#   Takes a step version, the major and minor version the step expects
#   and the version it writes. Registers the step, local, and defines its
#   procedure fixapp<version>, which rewrites only the header's version.
#   Returns nothing.
proc header_step {ver old new} {
    register_step $ver {#AppVwCfg}
    register_local $ver
    proc fixapp$ver {list} [format {
        upvar 1 $list l
        header_only_step l %s
    } [list $old $new]]
    return
}
