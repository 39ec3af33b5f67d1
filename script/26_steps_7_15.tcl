# Upgrade steps 7.15.0 to 8.0.0: the 7.15 maintenance releases, then 8.0.1.

# Tokens the 2D and color-contour plot views gain in 7.15.1 (grow_plot_view).
set plot_tokens_7_15 {i0 d0 i0 i0 i1}

# Tokens a 70-token numeric display gains in 7.15.3.
set numdc_tokens_7_15 [list @0 @0 @0 {$0} i0 i0 {$0} i0 i0 {$0} {$0} {$0} {$0} i0]

# grow_plot_view --
#   Takes a plot view variable's name, a length and new tokens. A
#   "#D2PlotVwCfg" of that length gets them appended, a "#CCPlotVwCfg" two
#   tokens longer gets them before its last two; others are left alone.
proc grow_plot_view {varName d2len tokens} {
    upvar 1 $varName view
    set len [rec_len $view]
    switch -exact -- [rec_type $view] {
        "#D2PlotVwCfg" {
            if {$len == $d2len} {
                tok_append view {*}$tokens
            }
        }
        "#CCPlotVwCfg" {
            if {$len == $d2len + 2} {
                tok_insert view [expr {$len - 2}] {*}$tokens
            }
        }
    }
    return
}

upgrade_step 7.15.0 7.15.1 {
    {#D2PlotVwCfg #CCPlotVwCfg} {call grow_plot_view 65 $plot_tokens_7_15}
}

upgrade_step 7.15.1 7.15.2 {}

# Step 7.15.2: 70-token numeric displays get fourteen fields and lose every
# brace, so that "$0" tokens stand bare. The rule is nonlocal: stripping a
# damaged record's braces can move its type to another token.
upgrade_step 7.15.2 7.15.3 {
    #NumDC             {nonlocal len == 70 append $numdc_tokens_7_15 ; call strip_braces}
}

upgrade_step 7.15.3 7.15.4 {}

upgrade_step 7.15.4 8.0.0 {}

upgrade_step 8.0.0 8.0.1 {}
