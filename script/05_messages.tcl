# Messages: the message window, the queue of per-file messages, the log
# file, and output without a window (headless runs and plain tclsh).

# The text area's font, and a fixed-pitch fallback of about its size.
set message_font "*-courier-medium-r-normal-*-*-179-*-*-*"
set message_font_fallback {Courier 18}

set usage_lines {
    "Use Norvane to convert older Quorvis application files"
    "so that they can be loaded by Quorvis version $my_ver_xyz"
    ""
    "Run this program as follows:"
    "1. Open a Command Prompt window."
    "2. Change to the directory containing application files."
    "   For example, at the command prompt type:"
    "      cd c:\\users\\orbel"
    "3. Run Norvane, specifying the application files on the command line."
    "   Wildcard characters * and ? are accepted. Examples:"
    "      Norvane myapp1.app myapp2.app"
    "      Norvane *.app"
}

# has_window --
#   Takes nothing; returns 1 when lines go to the message window, 0 when to
#   standard output (no Tk loaded, or the host set norvane_headless).
proc has_window {} {
    global norvane_headless
    if {[info exists norvane_headless] && $norvane_headless} {
        return 0
    }
    expr {[info commands winfo] ne ""}
}

# create_window --
#   Takes nothing; builds the message window titled window_title, unless it
#   is built already or has_window is 0. Closing it exits as Close does.
proc create_window {} {
    global window_title message_font message_font_fallback
    if {![has_window] || [winfo exists .f]} {
        return
    }
    frame .f -relief flat
    pack .f -side top
    if {[catch {text .f.t -font $message_font}]} {
        text .f.t -font $message_font_fallback
    }
    .f.t configure -width 80 -height 20 -yscrollcommand ".f.sy set"
    pack .f.t -side left
    scrollbar .f.sy -orient vertical -command ".f.t yview"
    pack .f.sy -side right -fill y
    button .b -text " Close " -command {exit 0}
    pack .b
    wm title . $window_title
    wm protocol . WM_DELETE_WINDOW {exit 0}
    if {[info commands console] ne ""} {
        bind . <Control-Key-F2> {console show}
    }
    return
}

# output_str --
#   Takes a text; shows it as a line at the end of the message window
#   (redrawn at once) or on standard output, and logs it when a log is open.
proc output_str {str} {
    global logfile
    if {[has_window]} {
        .f.t insert end "$str\n"
        .f.t see end
        update
    } else {
        puts stdout $str
        flush stdout
    }
    if {[info exists logfile]} {
        puts $logfile $str
    }
    return
}

# append_user_msg --
#   Takes one message line and queues it, to be shown by output_user_msg.
proc append_user_msg {msg_line} {
    global output_msg output_msg_cnt
    if {![info exists output_msg_cnt]} {
        set output_msg_cnt 0
    }
    set output_msg($output_msg_cnt) $msg_line
    incr output_msg_cnt
    return
}

# output_user_msg --
#   Takes nothing; shows the queued lines in order and empties the queue.
proc output_user_msg {} {
    global output_msg output_msg_cnt
    if {![info exists output_msg_cnt]} {
        set output_msg_cnt 0
    }
    for {set i 0} {$i < $output_msg_cnt} {incr i} {
        output_str $output_msg($i)
        unset output_msg($i)
    }
    set output_msg_cnt 0
    return
}

# show_usage --
#   Takes nothing; queues and shows usage_lines, their $my_ver_xyz filled in.
proc show_usage {} {
    global usage_lines my_ver_xyz
    foreach line $usage_lines {
        append_user_msg [string map [list {$my_ver_xyz} $my_ver_xyz] $line]
    }
    output_user_msg
    return
}

# open_log --
#   Takes the greeting; opens Norvane.log afresh in the current folder as
#   logfile, writing the greeting; if it cannot, says so and logs nothing.
proc open_log {greeting} {
    global logfile
    close_log
    if {[catch {open ./Norvane.log w} ch opts]} {
        set reason [os_reason $ch [dict get $opts -errorcode]]
        output_str "Cannot open log file Norvane.log: $reason; messages are not logged"
        return
    }
    set logfile $ch
    puts $logfile $greeting
    return
}

# close_log --
#   Takes nothing; closes the log when one is open. Returns nothing.
proc close_log {} {
    global logfile
    if {[info exists logfile]} {
        set ch $logfile
        unset logfile
        catch {close $ch}
    }
    return
}
