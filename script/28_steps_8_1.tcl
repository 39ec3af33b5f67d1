# Upgrade steps 8.1 to 8.3.2: files are brought up to 8.3.3, the version
# this program writes. The template step for the next release closes the
# list.

# Tokens a 116-token 3D model plot view gains in 8.3.3.
set d3s_append_8_3 [list c0 i0 d0 i0 d0 {*}[lrepeat 6 i0]]

upgrade_step 8.1 8.2.0 {}

upgrade_step 8.2 8.3.0 {}

upgrade_step 8.3.0 8.3.1 {}

upgrade_step 8.3.1 8.3.2 {}

upgrade_step 8.3.2 8.3.3 {
    #D3SModelPlotVwCfg {len == 116 append $d3s_append_8_3}
}

# The step of the next release: a template, declared like the steps above
# but not registered, so it never runs. It defines fixappX.Y.
#
# The next step is declared here, after the step above, and nowhere else:
#     upgrade_step 8.3.3 8.4.0 {
#         #D3SModelPlotVwCfg {len == 127 append i0}
#     }
# Its entry is the version the last step writes, now 8.3.3, in full: a
# file finds its first step by its whole version first, then by major and
# minor, so an entry "8.3" would send a file at 8.3.3 back to step 8.3.0,
# which would label it 8.3.1. The version it writes comes second (the
# header's FixVersion checks the entry's major and minor) and becomes the
# target version, my_ver_xyz. Its rules follow, as 09_step_form.tcl
# describes them; a rule that reads or writes another record says
# "nonlocal". The program and its Debian package take the new target
# version: add an entry for it at the top of packaging/changelog.
upgrade_step X.Y X.Y.Z {} {template 1}
