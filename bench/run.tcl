# Conversion benchmark. Usage: tclsh bench/run.tcl ?program? ?folder?
#   program  the Norvane executable (default build/Norvane)
#   folder   where the generated files go (default build/bench)
# Environment: BENCH_RUNS (timed runs per case; default 11),
# BENCH_SIZES (record counts; default "10000 100000").
#
# Generates application files of N records at 8.3.2 and at 6.5.0, converts
# a fresh copy of each headless and has the floor script (bench/floor.tcl:
# the least Tcl script that reads the file line by line into a table and
# writes it back) go through another copy of the same file, all of them in
# turn, run after run. Prints one table: records, MB and seconds (the
# least and the median of the runs) of the one-step (8.3.2) and all-steps
# (6.5.0) conversions and of the floor on the same file, each conversion's
# ratio to its floor, the ratio of the two conversions, the scaling from
# the smallest to the largest N, the start-up time with no files (median
# of 10) and the peak resident memory of the largest runs.
#
# The ratio and the scaling are taken from the least times. Other work on
# the machine only ever adds time to a run, never takes any away, so the
# least of several runs is the one nearest to the program's own time; the
# median shows how much the machine added. A long conversion meets a slow
# moment more often than a short one, so with few runs the least times
# favour the short conversions: eleven runs give the long ones more chances
# of a quiet run.

set here [file dirname [file normalize [info script]]]
source [file join $here appgen.tcl]

set exe [file normalize [expr {$argc > 0 ? [lindex $argv 0] : [file join $here .. build Norvane]}]]
set dir [file normalize [expr {$argc > 1 ? [lindex $argv 1] : [file join $here .. build bench]}]]
set runs [expr {[info exists env(BENCH_RUNS)] ? $env(BENCH_RUNS) : 11}]
set sizes [expr {[info exists env(BENCH_SIZES)] ? $env(BENCH_SIZES) : {10000 100000}}]
set cases {{8.3.2 "8.3.2 -> 8.3.3"} {6.5.0 "6.5.0 -> 8.3.3"}}
# The program decides on headless output when there is no display.
unset -nocomplain env(DISPLAY)

if {![file executable $exe]} {
    puts stderr "bench: $exe is not built (run make first)"
    exit 1
}
file mkdir $dir
cd $dir
set timecmd [expr {[file executable /usr/bin/time] ? "/usr/bin/time" : ""}]
set floor_script [file join $here floor.tcl]

# median --
#   Takes a list of numbers; returns their median (the lower middle one
#   for an even count).
proc median {nums} {
    set s [lsort -real $nums]
    return [lindex $s [expr {([llength $s] - 1) / 2}]]
}

# ratio --
#   Takes the N and version of two cases, and optionally the kind of time
#   of each (conversion "", or "floor_"); returns their ratio of least
#   times and, in brackets, of median times, formatted.
proc ratio {n1 v1 n2 v2 {k1 ""} {k2 ""}} {
    global results
    format "%6.2f (%.2f)" \
        [expr {[dict get $results $n1 $v1 ${k1}least] / [dict get $results $n2 $v2 ${k2}least]}] \
        [expr {[dict get $results $n1 $v1 ${k1}median] / [dict get $results $n2 $v2 ${k2}median]}]
}

# run_once --
#   Takes a working folder and the program's arguments; runs the program
#   there headless and returns {seconds peak-kB output status}. The peak
#   is "" when /usr/bin/time is not installed.
proc run_once {wd args} {
    global exe timecmd
    set cmd [list $exe {*}$args]
    if {$timecmd ne ""} {
        set cmd [list $timecmd -f "%M" -o [file join $wd .rss] {*}$cmd]
    }
    set t0 [clock microseconds]
    set status 0
    if {[catch {exec {*}$cmd 2>@1} out opts]} {
        set status [lindex [dict get $opts -errorcode] end]
    }
    set secs [expr {([clock microseconds] - $t0) / 1e6}]
    set kb ""
    if {$timecmd ne ""} {
        set f [open [file join $wd .rss]]
        set kb [string trim [lindex [split [read $f] \n] end-1]]
        close $f
    }
    return [list $secs $kb $out $status]
}

# convert_once --
#   Takes the file to convert; converts a fresh copy of it once and
#   returns {seconds peak-kB}. Stops the benchmark when the run does not
#   end with the file converted to 8.3.3.
proc convert_once {src} {
    global dir
    set work [file join $dir work.app]
    file copy -force $src $work
    lassign [run_once $dir work.app] secs kb out status
    if {$status != 0 || ![string match "*Created version 8.3.3*" $out]} {
        puts stderr "bench: converting [file tail $src] failed (status $status):\n$out"
        exit 1
    }
    file delete $work
    return [list $secs $kb]
}

# floor_once --
#   Takes the file to convert; has the floor script read and write a fresh
#   copy of it once and returns the seconds taken. Stops the benchmark
#   when the script fails.
proc floor_once {src} {
    global dir floor_script
    set work [file join $dir floor.app]
    file copy -force $src $work
    set t0 [clock microseconds]
    if {[catch {exec [info nameofexecutable] $floor_script $work 2>@1} out]} {
        puts stderr "bench: the floor script failed on [file tail $src]:\n$out"
        exit 1
    }
    set secs [expr {([clock microseconds] - $t0) / 1e6}]
    file delete $work
    return $secs
}

# Every conversion, of every size, is timed in turn, run after run, so that
# a machine that is busier at one moment than at another weighs on all of
# them alike (on the ratio of the two conversions and on the scaling from
# one size to another).
set results {}
set srcs {}
foreach n $sizes {
    foreach c $cases {
        lassign $c ver label
        set src [file join $dir bench_${ver}_$n.app]
        set lines [appgen::build $ver $n SurfaceApp 1]
        appgen::write $src $lines
        dict set results $n $ver [dict create records [llength $lines] \
            bytes [file size $src] peak 0]
        dict set srcs $n $ver $src
        set times($n,$ver) {}
        set floors($n,$ver) {}
    }
}
for {set r 0} {$r < $runs} {incr r} {
    foreach n $sizes {
        foreach c $cases {
            set ver [lindex $c 0]
            lassign [convert_once [dict get $srcs $n $ver]] secs kb
            lappend times($n,$ver) $secs
            if {$kb ne "" && $kb > [dict get $results $n $ver peak]} {
                dict set results $n $ver peak $kb
            }
            lappend floors($n,$ver) [floor_once [dict get $srcs $n $ver]]
        }
    }
}
foreach n $sizes {
    foreach c $cases {
        set ver [lindex $c 0]
        dict set results $n $ver least [tcl::mathfunc::min {*}$times($n,$ver)]
        dict set results $n $ver median [median $times($n,$ver)]
        dict set results $n $ver floor_least [tcl::mathfunc::min {*}$floors($n,$ver)]
        dict set results $n $ver floor_median [median $floors($n,$ver)]
    }
}

set starts {}
for {set r 0} {$r < 10} {incr r} {
    lappend starts [lindex [run_once $dir] 0]
}
set startup [median $starts]

# Machine and date.
set cpu unknown
if {![catch {open /proc/cpuinfo} f]} {
    foreach line [split [read $f] \n] {
        if {[regexp {^model name\s*:\s*(.*)$} $line -> cpu]} {
            break
        }
    }
    close $f
}
set cores [expr {[catch {exec nproc} c] ? "?" : $c}]

puts "Norvane conversion benchmark, [clock format [clock seconds] -format {%Y-%m-%d %H:%M} -gmt 1] UTC"
puts "Machine: $cores cores, $cpu; $runs runs per case, the cases in turn, headless"
puts ""
puts [format "%-16s %7s %7s %6s %8s %8s %8s %8s %7s" conversion N records MB \
    "least s" "median s" "floor s" "median s" "/ floor"]
foreach n $sizes {
    foreach c $cases {
        lassign $c ver label
        set d [dict get $results $n $ver]
        puts [format "%-16s %7d %7d %6.2f %8.3f %8.3f %8.3f %8.3f %7.2f" $label $n \
            [dict get $d records] [expr {[dict get $d bytes] / 1e6}] \
            [dict get $d least] [dict get $d median] \
            [dict get $d floor_least] [dict get $d floor_median] \
            [expr {[dict get $d least] / [dict get $d floor_least]}]]
    }
}
puts ""
puts "Ratios of the least times (of the medians in brackets):"
set lo [lindex $sizes 0]
set hi [lindex $sizes end]
puts [format "one step / floor, N = %-7d     %s   (target <= 2.0, beyond it 1.5)" \
    $hi [ratio $hi 8.3.2 $hi 8.3.2 "" floor_]]
puts [format "all steps / floor, N = %-7d    %s   (target <= 5.0, beyond it 3.0)" \
    $hi [ratio $hi 6.5.0 $hi 6.5.0 "" floor_]]
foreach n $sizes {
    puts [format "all steps / one step, N = %-7d %s   (target <= 2.5 at N = 100000)" \
        $n [ratio $n 6.5.0 $n 8.3.2]]
}
if {$lo != $hi} {
    foreach c $cases {
        lassign $c ver label
        puts [format "N = %d / N = %d, %-15s %s   (target <= 11)" $hi $lo $label \
            [ratio $hi $ver $lo $ver]]
    }
}
puts [format "start-up with no files (median of 10): %.0f ms   (target <= 150)" \
    [expr {$startup * 1000}]]
foreach c $cases {
    lassign $c ver label
    set d [dict get $results $hi $ver]
    if {[dict get $d peak] eq "" || [dict get $d peak] == 0} {
        puts "peak memory: /usr/bin/time is not installed"
        break
    }
    set mb [expr {[dict get $d peak] * 1024 / 1e6}]
    puts [format "peak memory, N = %d, %s: %.1f MB = %.1f x file size   (target <= 20)" \
        $hi $label $mb [expr {[dict get $d peak] * 1024.0 / [dict get $d bytes]}]]
}
