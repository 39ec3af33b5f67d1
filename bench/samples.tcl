# Writes the sample application files of examples/ from the unit lists
# below (one file per version group, plus a file too old to convert, one of
# an obsolete type and one that is not an application at all).
# Usage: tclsh bench/samples.tcl ?folder?   (default: examples/)

source [file join [file dirname [info script]] appgen.tcl]

set dir [file join [file dirname [info script]] .. examples]
if {$argc > 0} {
    set dir [lindex $argv 0]
}

# File name, version, application type, units.
set samples {
    {app_6_5_0.app 6.5.0 SurfaceApp {
        autosave {numeric 0} {numeric 1} {numeric 2} {numeric 3} {numeric 6}
        {string 0} {string 2} {string 3} {string 6} {string 8} {string 9}
        {string 10} {string 11} {string 12} {string 13} {string 14}
        {string 18} {string 20} {string 22} {bool 0} logging
        {plot #FcPlotVwCfg} {plot #ObPlotVwCfg} {plot #CCPlotVwCfg}
        {plot #D2PlotVwCfg} {plot #D3SModelPlotVwCfg} {view #SeidVwCfg}
        {view #VistaStatsVwCfg} {view #AnnotVwCfg} button {misc #NumDC}
        {misc #LimitsMgr} {misc #SelPC} {misc #StrPC} {misc #FName1PC}
        report psd btest glint}}
    {app_6_6_2.app 6.6.2 TessalineApp {
        {string 0} {string 1} {string 2} {numeric 0} {string 16} {string 21}
        {plot #FcPlotVwCfg} {view #SeidVwCfg} {view #AnnotVwCfg} {misc #NumPC}
        {string 24}}}
    {app_7_1_5.app 7.1.5 SurfaceApp {
        {misc #ScalarLinMapMgr} {plot #ObPlotVwCfg} {plot #FcPlotVwCfg}
        {plot #D2PlotVwCfg} {plot #CCPlotVwCfg} {misc #SelPC}
        {misc #SurfSelPC} {misc #MnuPc} {numeric 3} {string 3} {string 4}
        {string 5} {string 6} {string 7} {string 8} {string 9} {string 10}
        {string 11} {view #ZernVwCfg}}}
    {app_7_4_2.app 7.4.2 SurfaceApp {
        {numeric 1} {numeric 2} {numeric 4} {numeric 5} {numeric 7}
        {numeric 8} {plot #FcPlotVwCfg} {view #ActVwCfg} {view #ExecVwCfg}
        {misc #LimitsMgr} {misc #SelPC} button report}}
    {app_7_8_1.app 7.8.1 FTPApp {
        button {numeric 4} {string 14} {string 15} {string 16} {string 17}
        {string 18} {string 19} {plot #FcPlotVwCfg} {plot #ObPlotVwCfg}}}
    {app_7_10_0.app 7.10.0 TessalineApp {
        {string 14} {string 16} {string 20} {string 21} {numeric 4}
        {numeric 6} {string 17}}}
    {app_7_11_2.app 7.11.2 SurfaceApp {
        autosave {bool 1} logging report {plot #D3SModelPlotVwCfg}
        {misc #NumPC}}}
    {app_7_15_0.app 7.15.0 SurfaceApp {
        {plot #D2PlotVwCfg} {plot #CCPlotVwCfg} {misc #NumDC} {misc #StrPC}
        {misc #FName1PC} {misc #WinNamePC} psd btest glint {string 22}}}
    {app_8_0_2.app 8.0.2 SurfaceApp {
        {string 22} {string 23} glint {view #ActVwCfg} btest
        {plot #D2PlotVwCfg} {plot #CCPlotVwCfg}}}
    {app_8_3_2.app 8.3.2 SurfaceApp {
        {plot #D3SModelPlotVwCfg} {plot #FcPlotVwCfg} {numeric 0}}}
    {app_8_3_3.app 8.3.3 SurfaceApp {
        {plot #D3SModelPlotVwCfg} {numeric 0}}}
    {too_old.app old SurfaceApp {
        {numeric 0} {plot #FcPlotVwCfg}}}
    {obsolete_type.app 7.4.0 PhChReflApp {
        {numeric 0} {plot #FcPlotVwCfg}}}
}

file mkdir $dir
foreach s $samples {
    lassign $s name ver type units
    appgen::write [file join $dir $name] [appgen::build_units $ver $type 7 $units]
}
set f [open [file join $dir not_an_app.app] w]
fconfigure $f -translation lf
puts $f "Measurement notes, 3 March"
puts $f "Reference flat re-qualified; stitch overlap set to 20 %."
close $f
