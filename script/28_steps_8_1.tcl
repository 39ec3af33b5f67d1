# Upgrade steps 8.1 to 8.3.2: files are brought up to 8.3.3, the version
# this program writes. The template step for the next release closes the
# list.

# Tokens a 116-token 3D model plot view gains in 8.3.3.
set d3s_append_8_3 [list c0 i0 d0 i0 d0 {*}[lrepeat 6 i0]]

header_step 8.1 {8 1} {8 2 0}

header_step 8.2 {8 2} {8 3 0}

header_step 8.3.0 {8 3} {8 3 1}

header_step 8.3.1 {8 3} {8 3 2}

register_step 8.3.2 {#D3SModelPlotVwCfg #AppVwCfg}
register_local 8.3.2
# fixapp8.3.2 --
#   Takes the name of a record variable; upgrades the record from 8.3.2 to
#   8.3.3. Returns nothing.
proc fixapp8.3.2 {list} {
    upvar 1 $list l
    global d3s_append_8_3
    switch -exact -- [rec_type $l] {
        "#D3SModelPlotVwCfg" {
            if {[rec_len $l] == 116} {
                tok_append l {*}$d3s_append_8_3
            }
        }
        "#AppVwCfg" {
            FixVersion l 8 3 8 3 3
        }
    }
    return
}

# fixappX.Y --
#   Template for the step of the next release; it is not registered, so it
#   never runs. Takes the name of a record variable and returns nothing.
#
#   To add the next step:
#   1. Register its entry after 8.3.2 with register_step: the version the
#      last step writes (now 8.3.3), in full or as major and minor only,
#      with the record types its rules change or react to.
#   2. Name the procedure fixapp followed by that entry. It tests the
#      record type against one chain, applies the new release's record
#      rules, and for "#AppVwCfg" calls FixVersion with the entry's major
#      and minor (x, y) and the new major, minor and third (X, Y, Z).
#   3. Raise my_ver_xyz to the version the new step writes: a file at
#      my_ver_xyz needs no conversion and would never reach the step, and
#      the last registered step must always write exactly my_ver_xyz.
#      The program and its Debian package take that version; add an entry
#      for it at the top of packaging/changelog.
proc fixappX.Y {list} {
    upvar 1 $list l
    switch -exact -- [rec_type $l] {
        "#AppVwCfg" {
            FixVersion l x y X Y Z
        }
    }
    return
}
