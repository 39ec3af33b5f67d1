# Upgrade steps 8.1 to 8.3.2 (files reach 8.3.3, the target) and a template.

# Tokens a 116-token 3D model plot view gains in 8.3.3.
set d3s_append_8_3 [list c0 i0 d0 i0 d0 {*}[lrepeat 6 i0]]

upgrade_step 8.1 8.2.0 {}

upgrade_step 8.2 8.3.0 {}

upgrade_step 8.3.0 8.3.1 {}

upgrade_step 8.3.1 8.3.2 {}

upgrade_step 8.3.2 8.3.3 {
    #D3SModelPlotVwCfg {len == 116 append $d3s_append_8_3}
}

# Template for the next release's step: defines fixappX.Y, never registered.
# Declare the next step here, after the last step, and nowhere else:
#     upgrade_step 8.3.3 8.4.0 {
#         #D3SModelPlotVwCfg {len == 127 append i0}
#     }
# Its entry is the version the last step writes, in full: a file starts at
# the entry equal to its version, else the first with its major and minor,
# so "8.3" would send 8.3.3 files back through steps 8.3.0 to 8.3.2. The
# version it writes becomes the target, my_ver_xyz, and the version of the
# program and its Debian package: add an entry for it at the top of
# packaging/changelog. Rules as in 09_step_form.tcl (which says when a rule
# must say "nonlocal").
upgrade_step X.Y X.Y.Z {} {template 1}
