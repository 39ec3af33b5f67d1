# Application file model: the table app, read from an "#AsciiFiler" file
# and written back, and the header's type and version. app(l,N) is line
# N's record (absent once removed), app(q,N) marks a string record,
# app(cnt) counts the lines. Files are read and written as raw bytes, one
# character a byte: bytes 0x80 to 0xFF and text not UTF-8 come back as they
# were. Each record is written ended by a line feed, whatever the file had.

# Header layouts, keyed by the token count of record 1: the position of
# the major version token (minor and third follow it), of the type
# reference, and of the token FixVersion sets to "i3" ("" none).
set header_layouts {
    34 {19 23 {}}
    38 {23 27 {}}
    39 {23 27 26}
    56 {40 44 43}
    58 {40 44 43}
}

# safe_path --
#   Returns a file name as given, with "./" before one that begins with
#   "~", "|" or "-", so that file commands and open take it literally.
proc safe_path {name} {
    if {[regexp {^[~|-]} $name]} {
        return "./$name"
    }
    return $name
}

# Clearer texts for system errors whose usual wording does not say much.
set os_reason_texts {
    EPERM "operation not permitted"
}

# os_reason --
#   Takes an error message and its error code; returns the reason to show:
#   a POSIX error's os_reason_texts entry or system text, else msg.
proc os_reason {msg code} {
    global os_reason_texts
    if {[lindex $code 0] ne "POSIX" || [llength $code] < 3} {
        return $msg
    }
    if {[dict exists $os_reason_texts [lindex $code 1]]} {
        return [dict get $os_reason_texts [lindex $code 1]]
    }
    return [lindex $code 2]
}

# is_decimal --
#   Returns 1 when text is a decimal integer (optional sign, digits), else 0.
proc is_decimal {text} {
    regexp {^[-+]?[0-9]+$} $text
}

# decimal_value --
#   Takes a decimal integer text; returns it without plus sign and leading
#   zeros, safe in expr ("08" is 8, never octal).
proc decimal_value {text} {
    set sign [string index $text 0]
    if {$sign eq "-" || $sign eq "+"} {
        set text [string range $text 1 end]
    }
    set digits [string trimleft $text 0]
    if {$digits eq ""} {
        return 0
    }
    if {$sign eq "-"} {
        return "-$digits"
    }
    return $digits
}

# compare_fields --
#   Returns -1, 0 or 1 for two version fields: as numbers when both are
#   decimal integers, else by character code (the empty string first).
proc compare_fields {a b} {
    if {[is_decimal $a] && [is_decimal $b]} {
        set a [decimal_value $a]
        set b [decimal_value $b]
        return [expr {$a < $b ? -1 : ($a > $b ? 1 : 0)}]
    }
    return [string compare $a $b]
}

# compare_versions --
#   Returns -1, 0 or 1, comparing as many fields as verB has; a field
#   missing from verA counts as empty.
proc compare_versions {verA verB} {
    set fa [split $verA .]
    set fb [split $verB .]
    if {$verA eq ""} {
        set fa {}
    }
    if {$verB eq ""} {
        set fb {}
    }
    set i 0
    foreach b $fb {
        set r [compare_fields [lindex $fa $i] $b]
        if {$r != 0} {
            return $r
        }
        incr i
    }
    return 0
}

# header_layout --
#   Returns a header record's entry of header_layouts, or {} if unknown.
proc header_layout {rec} {
    global header_layouts
    set n [rec_len $rec]
    if {[dict exists $header_layouts $n]} {
        return [dict get $header_layouts $n]
    }
    return {}
}

# app_type_line --
#   Returns the line the header's type reference names, or -1 if none.
proc app_type_line {} {
    global app
    if {![info exists app(l,1)]} {
        return -1
    }
    set layout [header_layout $app(l,1)]
    set pos [expr {$layout eq "" ? 0 : [lindex $layout 1]}]
    set ref [string trimleft [rec_tok $app(l,1) $pos] @]
    if {[is_decimal $ref]} {
        set ref [decimal_value $ref]
    }
    if {![info exists app(l,$ref)]} {
        return -1
    }
    return $ref
}

# GetAppType --
#   Returns the application type of the header's type record, or UNKNOWN.
proc GetAppType {} {
    global app
    set ref [app_type_line]
    if {$ref eq "-1"} {
        return UNKNOWN
    }
    return [string trim [rec_tok $app(l,$ref) 3] " \t\n\r"]
}

# AppVersion --
#   Returns the file's version, "major.minor.third". Headers of no known
#   layout give 0.1.0 when the file has a ten-token "#MnuPc" record, else
#   0.0.0 (22 tokens) or -1.-1.-1.
proc AppVersion {} {
    global app
    set ver {-1 -1 -1}
    if {[info exists app(l,1)]} {
        set layout [header_layout $app(l,1)]
        if {$layout ne ""} {
            set pos [lindex $layout 0]
            return [join [lmap t [lrange $app(l,1) $pos [expr {$pos + 2}]] {
                string trimleft $t s
            }] .]
        }
        if {[rec_len $app(l,1)] == 22} {
            set ver {0 0 0}
        }
    }
    for {set i 0} {$i < $app(cnt)} {incr i} {
        if {[info exists app(l,$i)] && [rec_type $app(l,$i)] eq "#MnuPc"
                && [rec_len $app(l,$i)] == 10} {
            return 0.1.0
        }
    }
    return [join $ver .]
}

# FixVersion --
#   Takes the name of the caller's header record variable, the major and
#   minor version the step expects, and the new major, minor and third;
#   rewrites the version tokens in place (and the next to "i3" where the
#   layout has it). A header of another major.minor queues "Incorrect app
#   version: major.minor" and raises it with the code {NORVANE REPORTED},
#   which ends the file's conversion. An unknown layout changes nothing and
#   queues "INCORRECT VERSION", raised the same way only at the file's
#   header (cur_index 1), so that no file is written naming no version.
proc FixVersion {list oldMajVer oldMinVer newMajVer newMinVer newBugVer} {
    upvar 1 $list l
    global cur_index
    set layout [header_layout $l]
    if {$layout eq ""} {
        append_user_msg "INCORRECT VERSION"
        if {[info exists cur_index] && $cur_index == 1} {
            return -code error -errorcode {NORVANE REPORTED} "INCORRECT VERSION"
        }
        return
    }
    lassign $layout pos - i3pos
    set majVer [string trimleft [rec_tok $l $pos] s]
    set minVer [string trimleft [rec_tok $l [expr {$pos + 1}]] s]
    if {[compare_fields $majVer $oldMajVer] != 0
            || [compare_fields $minVer $oldMinVer] != 0} {
        set msg "Incorrect app version: $majVer.$minVer"
        append_user_msg $msg
        return -code error -errorcode {NORVANE REPORTED} $msg
    }
    set new [list s$newMajVer s$newMinVer s$newBugVer]
    if {$i3pos ne ""} {
        lappend new i3
    }
    tok_replace l $pos [expr {$pos + [llength $new] - 1}] {*}$new
    return
}

# read_file_bytes --
#   Takes a file name as given; returns "ok" and its bytes (one character
#   a byte), or "error" and why; anything but a regular file is refused.
proc read_file_bytes {name} {
    set path [safe_path $name]
    if {[file isdirectory $path]} {
        return [list error "Cannot read file $name: it is a folder"]
    }
    # A named pipe would wait for a writer for ever, a device may not end.
    if {![catch {file stat $path st}] && $st(type) ne "file"} {
        return [list error "Cannot read file $name: it is not a regular file"]
    }
    if {[catch {
        set ch [open $path r]
        try {
            fconfigure $ch -translation binary -eofchar {}
            set data [read $ch]
        } finally {
            close $ch
        }
    } msg opts]} {
        set reason [os_reason $msg [dict get $opts -errorcode]]
        return [list error "Cannot read file $name: $reason"]
    }
    list ok $data
}

# holds_any --
#   Returns 1 when text holds any of chars, else 0. (split goes through
#   the bytes; a search would make a wide-character copy of the text.)
proc holds_any {text chars} {
    foreach c $chars {
        if {[llength [split $text $c]] > 1} {
            return 1
        }
    }
    return 0
}

# file_lines --
#   Takes a file's bytes; returns the lines' texts ("" last when the bytes
#   end with a line end) and what ends each ("\n", "\r", "\r\n", "" after
#   the last; {} when all are line feeds). Lines end at LF, CR LF or CR.
proc file_lines {data} {
    set lines [split $data \n]
    if {![holds_any $data [list \r]]} {
        return [list $lines {}]
    }
    set pieces $lines
    set lines {}
    set ends {}
    set last [expr {[llength $pieces] - 1}]
    set k 0
    foreach piece $pieces {
        set end [expr {$k < $last ? "\n" : ""}]
        set parts [split $piece \r]
        if {[llength $parts] < 2} {
            lappend lines $piece
            lappend ends $end
        } else {
            foreach part [lrange $parts 0 end-1] {
                lappend lines $part
                lappend ends \r
            }
            if {[lindex $parts end] ne "" || $k == $last} {
                lappend lines [lindex $parts end]
                lappend ends $end
            } else {
                # A carriage return before a line feed ends the line too.
                lset ends end \r\n
            }
        }
        incr k
    }
    list $lines $ends
}

# read_app --
#   Takes a file name as given on the command line and loads the file into
#   app; app(types) lists each record's type for the record index ("" where
#   the index must read it from the record). Returns READ_APP_DONE,
#   READ_APP_NOT_AN_APP or READ_APP_CANT_ACCCESS; a refusal is shown at
#   once, not queued. A string's text may run on over the next lines
#   (joined by their line ends); the rest of the line it ends in is dropped.
proc read_app {name} {
    global app rec_names ws_chars
    if {![file exists [safe_path $name]]} {
        output_str "File $name does not exist"
        return READ_APP_CANT_ACCCESS
    }
    lassign [read_file_bytes $name] status data
    if {$status ne "ok"} {
        output_str $data
        return READ_APP_CANT_ACCCESS
    }
    if {[string range $data 0 10] ne "#AsciiFiler"} {
        output_str "$name is not a Quorvis application"
        return READ_APP_NOT_AN_APP
    }
    set refused "$name is not a Quorvis application"
    # A backslash may keep the blank after it at a line's end (trim_ws).
    set escaped [holds_any $data [list \\]]
    # Only a string holding a brace or a backslash needs canon_elem.
    set quoting [expr {$escaped || [holds_any $data [list \{ \}]]}]
    lassign [file_lines $data] lines ends
    unset data
    set total [llength $lines]
    # What follows the last line end is a line only when it is not empty.
    set nlines [expr {[lindex $lines end] eq "" ? $total - 1 : $total}]
    set i 0
    set types {}
    for {set k 0} {$k < $nlines} {incr k} {
        # The line leaves the list, so what is read is held once, as a record.
        set line [lindex $lines $k]
        lset lines $k ""
        # Search a copy: a search gives what it searches a wide-character
        # twin; parts cut from the line itself stay plain (docs/benchmark.md).
        set u [string range $line 0 end]
        set q [string first \" $u]
        # The type lead_type reads from the first two words (they end before
        # any double quote) stays the record's type as kept, so it is noted
        # for the index ("": rec_type reads it below). It depends only on the
        # line up to its second blank (sought within 64 bytes, else the whole
        # line), so each such head is scanned once.
        set p [string first " " $u]
        set e [string first " " [string range $u [expr {$p + 1}] [expr {$p + 64}]]]
        if {$e < 0} {
            set head $line
        } else {
            set head [string range $line 0 [expr {$p + $e}]]
        }
        if {![info exists head_types($head)]} {
            set type [lead_type $head]
            if {$type ne "" && ![info exists rec_names($type)]} {
                set rec_names($type) $type
            }
            set head_types($head) [expr {$type eq "" ? "" : $rec_names($type)}]
        }
        set type $head_types($head)
        lappend types $type
        if {$type eq ""} {
            set type [rec_type $line]
        }
        if {$i == 1 && $type ne "#AppVwCfg"} {
            output_str $refused
            return READ_APP_NOT_AN_APP
        }
        if {$q < 0 || $type eq "#PanelButtonVwCfg"} {
            if {$escaped} {
                set app(l,$i) [trim_ws $line]
            } else {
                set app(l,$i) [string trim $line $ws_chars]
            }
            incr i
            continue
        }
        # A string token: "*", the text's byte count in decimal digits, a
        # double quote, the text and its closing blank.
        set s [string first * $u]
        set digits [string range $line [expr {$s + 1}] [expr {$q - 1}]]
        # The characters are bytes: the only digits among them are 0 to 9.
        if {$s < 0 || $s > $q || ![string is digit -strict $digits] ||
                [string length [set count [string trimleft $digits 0]]] > 15} {
            output_str $refused
            return READ_APP_NOT_AN_APP
        }
        if {$count eq ""} {
            set count 0
        }
        # The text and its closing blank, from just after the quote.
        set to [expr {$q + 1 + $count}]
        set have [string length $line]
        while {$have <= $to && $k + 1 < $total} {
            set end [expr {$ends eq "" ? "\n" : [lindex $ends $k]}]
            incr k
            set more [lindex $lines $k]
            lset lines $k ""
            append line $end $more
            incr have [expr {[string length $end] + [string length $more]}]
        }
        if {$have <= $to || [string index $line $to] ne " "} {
            output_str $refused
            return READ_APP_NOT_AN_APP
        }
        set elem [string range $line [expr {$q + 1}] $to]
        if {$escaped} {
            set prefix [trim_ws [string range $line 0 [expr {$s - 1}]]]
        } else {
            set prefix [string trim [string range $line 0 [expr {$s - 1}]] $ws_chars]
        }
        # Braced as it is, unless it holds a brace or a backslash.
        if {$quoting && ([string first \{ $elem] >= 0 || [string first \} $elem] >= 0 ||
                         [string first \\ $elem] >= 0)} {
            set app(l,$i) "$prefix [canon_elem $elem]"
        } else {
            set app(l,$i) "$prefix {$elem}"
        }
        set app(q,$i) 1
        incr i
    }
    set app(cnt) $i
    set app(types) $types
    return READ_APP_DONE
}

# Lines rendered and written at a time, so the text is never held whole:
# 500 and their check lists stay in the cache (docs/benchmark.md).
set write_chunk_lines 500

# render_lines --
#   Takes a first line and the line after the last; returns those lines'
#   text as written: each present record on a line ended by a space (a
#   string's own closing one) and a line feed, string counts rebuilt.
#   Raises an error with the code {NORVANE RECORD} for the first record
#   that cannot be written back as it is: a string record that is not a
#   list, or one unwritable refuses.
proc render_lines {from to} {
    global app
    set out ""
    # For check_chunk: plain records, and string records' heads (the
    # tokens before the string).
    set plain_at {}
    set plains {}
    set head_at {}
    set heads {}
    for {set n $from} {$n < $to} {incr n} {
        # A removed record's line is absent.
        if {[catch {set app(l,$n)} text]} {
            continue
        }
        if {![info exists app(q,$n)]} {
            append out $text " \n"
            lappend plain_at $n
            lappend plains $text
            continue
        }
        if {[catch {llength $text}]} {
            check_chunk $plain_at $plains $head_at $heads
            return -code error -errorcode {NORVANE RECORD} \
                "record $n cannot be read as a list and cannot be written"
        }
        set last [lindex $text end]
        set toks [lrange $text 0 end-1]
        # Plain tokens joined are their canonical form.
        set head [join $toks " "]
        if {$toks ne $head} {
            set head [canon_list $toks]
        }
        if {[string index $last end] ne " "} {
            check_chunk $plain_at $plains $head_at $heads
            unwritable $n string $head $last
        }
        lappend head_at $n
        lappend heads $head
        append out $head " *" [expr {[string length $last] - 1}] \" $last \n
        # Drops the list form parsed above: it need not stay in memory.
        string length $text
    }
    check_chunk $plain_at $plains $head_at $heads
    return $out
}

# check_chunk --
#   Takes the line numbers and texts of plain records, and the line numbers
#   and heads (list form) of string records whose strings keep their
#   closing space, in line order; raises unwritable's error for the first
#   that cannot be written. Only records holding what unwritable may refuse
#   (a quote or line break in a plain record; "*", a quote, a line break or
#   "#PanelButtonVwCfg" in a head) go to it, sought in all texts joined first.
proc check_chunk {plain_at plains head_at heads} {
    global app
    set found {}
    if {[holds_any [join $plains] [list \" \n \r]]} {
        foreach k [lsearch -all -regexp $plains {["\n\r]}] {
            lappend found [list [lindex $plain_at $k] plain [lindex $plains $k]]
        }
    }
    set all [join $heads]
    if {[holds_any $all [list * \" \n \r]] || [string match *#PanelButtonVwCfg* $all]} {
        foreach k [lsearch -all -regexp $heads {[*"\n\r]|#PanelButtonVwCfg}] {
            set n [lindex $head_at $k]
            lappend found [list $n string [lindex $heads $k] [lindex $app(l,$n) end]]
        }
    }
    foreach rec [lsort -integer -index 0 $found] {
        unwritable {*}$rec
    }
    return
}

# unwritable --
#   Takes a line of the table, the kind ("plain" or "string"), the record's
#   text (a string record's head, in list form) and a string record's
#   string. Raises an error with the code {NORVANE RECORD} when read_app
#   would not read the written line back as the same record (it takes a
#   line with a double quote for a string record, a "#PanelButtonVwCfg"
#   line for a plain one); else returns nothing.
proc unwritable {n kind text {elem ""}} {
    set string_rec [expr {$kind eq "string"}]
    set type [rec_type $text]
    if {[regexp {[\r\n]} $text]} {
        set why "it holds a line break outside a string"
    } elseif {$string_rec && [string index $elem end] ne " "} {
        set why "its string has lost its closing space"
    } elseif {$string_rec && [regexp {[*"]} $text]} {
        set why "the tokens before its string hold an asterisk or a double quote"
    } elseif {$string_rec && $type eq "#PanelButtonVwCfg"} {
        set why "a #PanelButtonVwCfg record is read back as a plain record"
    } elseif {!$string_rec && [string first \" $text] >= 0 &&
              $type ne "#PanelButtonVwCfg" && ![is_string_line $text]} {
        set why "it holds a double quote but does not end with a whole string"
    } else {
        return
    }
    return -code error -errorcode {NORVANE RECORD} \
        "record $n cannot be written back as it is: $why"
}

# is_string_line --
#   Takes a plain record's text holding a double quote; returns 1 when its
#   line reads back as one string token: "*" before the first quote, digits
#   between, and exactly that many bytes after the quote; else 0.
proc is_string_line {text} {
    if {![regexp -indices {^[^*"]*\*([0-9]+)"} $text quote digits]} {
        return 0
    }
    set count [decimal_value [string range $text {*}$digits]]
    expr {[string length $text] - [lindex $quote 1] - 1 == $count}
}

# render_app --
#   Returns the whole table's text as write_app writes it.
proc render_app {} {
    global app
    render_lines 0 $app(cnt)
}

# write_lines --
#   Writes the table's text to a channel, write_chunk_lines lines at a time.
proc write_lines {ch} {
    global app write_chunk_lines
    set cnt $app(cnt)
    for {set n 0} {$n < $cnt} {incr n $write_chunk_lines} {
        puts -nonewline $ch [render_lines $n [expr {min($n + $write_chunk_lines, $cnt)}]]
    }
    return
}

# link_target --
#   Returns the path a path finally names, following symbolic links (a
#   relative one from the link's folder) up to 40 deep.
proc link_target {path} {
    for {set i 0} {$i < 40} {incr i} {
        if {[catch {file type $path} type] || $type ne "link"} {
            break
        }
        set to [file readlink $path]
        if {[file pathtype $to] ne "absolute" || [string index $to 0] eq "~"} {
            set to "[file dirname $path]/$to"
        }
        set path $to
    }
    return $path
}

# keep_file_attributes --
#   Takes a new file and the file it will replace; gives the new one the
#   old one's permission bits, and owner and group where allowed (Unix only).
proc keep_file_attributes {new old} {
    global tcl_platform
    if {$tcl_platform(platform) ne "unix"} {
        return
    }
    foreach attr {-group -owner} {
        catch {file attributes $new $attr [file attributes $old $attr]}
    }
    file attributes $new -permissions [file attributes $old -permissions]
    return
}

# marked_read_only --
#   Returns 1 when path is marked read-only (its attribute on Windows, no
#   write bit for anyone on Unix, though the superuser can write), else 0.
proc marked_read_only {path} {
    global tcl_platform
    if {$tcl_platform(platform) eq "windows"} {
        return [expr {![catch {file attributes $path -readonly} ro] && $ro}]
    }
    if {$tcl_platform(platform) ne "unix"
            || [catch {file attributes $path -permissions} perm]
            || [scan $perm %o mode] != 1} {
        return 0
    }
    expr {($mode & 0o222) == 0}
}

# The hidden files beside a file being replaced, by kind: its new text, a
# copy of the original becoming its backup, and the converting run's lock.
# name_max is the longest folder entry name, in bytes.
set side_suffixes {tmp .norvane-tmp copy .norvane-copy lock .norvane-lock}
set name_max 255

# temp_path --
#   Takes a file's path and a kind of side_suffixes (tmp by default);
#   returns that hidden file's path beside it: ".", the name (cut alike for
#   every kind to fit name_max) and the suffix. It never matches "*.app";
#   what a killed run left is found by the next conversion of the file.
proc temp_path {target {kind tmp}} {
    global side_suffixes name_max
    set longest [tcl::mathfunc::max {*}[lmap {k suffix} $side_suffixes {string length $suffix}]]
    set tail [file tail $target]
    set room [expr {$name_max - 1 - $longest}]
    while {[string length [encoding convertto [encoding system] $tail]] > $room} {
        set tail [string range $tail 0 end-1]
    }
    file join [file dirname $target] .$tail[dict get $side_suffixes $kind]
}

# lock_file --
#   Takes a file name as given; takes this run's lock on it (norvane_lock
#   on its lock file, see temp_path) and removes the temporary file and
#   copy a killed run left (a run still writing them would hold the lock).
#   Returns the lock's token, or "" when no lock file can be made: the
#   folder cannot be written, so neither can the file; nothing is removed.
#   Raises an error with the code {NORVANE BUSY} when another run holds it.
proc lock_file {name} {
    set target [link_target [safe_path $name]]
    if {[catch {norvane_lock [temp_path $target lock]} token]} {
        return ""
    }
    if {$token eq ""} {
        return -code error -errorcode {NORVANE BUSY} \
            "$name is being converted by another run"
    }
    foreach kind {tmp copy} {
        set stale [temp_path $target $kind]
        if {![catch {file type $stale}]} {
            # What stays (a folder in the way) fails the write, with why.
            catch {file delete -- $stale}
        }
    }
    return $token
}

# unlock_file --
#   Releases a lock_file token ("" for none) and removes its lock file.
proc unlock_file {token} {
    if {$token ne ""} {
        norvane_unlock $token
    }
    return
}

# copy_original --
#   Copies a file to its hidden copy (temp_path), made afresh, with the
#   file's permission bits and modification time, flushed to the disk;
#   returns the copy's path. An error is raised as it came, no copy left.
proc copy_original {target} {
    set copy [temp_path $target copy]
    set in ""
    set out ""
    set made 0
    try {
        set in [open $target {RDONLY BINARY}]
        set out [open $copy {WRONLY CREAT EXCL BINARY} 0600]
        set made 1
        fcopy $in $out
        keep_file_attributes $copy $target
        norvane_sync $out
        close $out
        set out ""
        file mtime $copy [file mtime $target]
    } on error {msg opts} {
        if {$out ne ""} {
            catch {close $out}
        }
        if {$made} {
            catch {file delete -- $copy}
        }
        return -options [dict remove $opts -level] $msg
    } finally {
        if {$in ne ""} {
            close $in
        }
    }
    return $copy
}

# keep_original --
#   Keeps a file about to be replaced under the first free name of
#   NAME.bak, NAME.bak.1, ... beside it, never over an existing one: a hard
#   link (no copy, times kept) where possible, else a copy_original renamed
#   there, so the name appears complete at once. Returns the suffix taken.
proc keep_original {target} {
    set copy ""
    for {set i 0} {1} {incr i} {
        set suffix [expr {$i == 0 ? ".bak" : ".bak.$i"}]
        set bak $target$suffix
        if {![catch {file type $bak}]} {
            continue
        }
        if {$copy eq ""} {
            if {![catch {file link -hard $bak $target} msg opts]} {
                return $suffix
            }
            if {[lindex [dict get $opts -errorcode] 1] eq "EEXIST"} {
                continue
            }
            set copy [copy_original $target]
        }
        if {![catch {file rename -- $copy $bak} msg opts]} {
            return $suffix
        }
        if {[catch {file type $bak}]} {
            catch {file delete -- $copy}
            return -options [dict remove $opts -level] $msg
        }
    }
}

# replace_file --
#   Takes a file name as given, a command prefix that writes the new bytes
#   to the channel appended to it, and whether to keep the original. The
#   bytes go to a fresh owner-only temporary file (temp_path) that gets the
#   file's permission bits, is flushed and, after keep_original if asked,
#   replaces the file (a link's target) in one step; the folder is flushed
#   last. So the file is replaced whole or not at all, durably. Returns the
#   backup's name as shown (name given or link target, and suffix) or "".
#   A read-only file is refused, and a failed write raised, with a clear
#   message and the code {NORVANE WRITE}; the writer's {NORVANE RECORD}
#   errors pass as raised. The file is then left as it was, with no backup.
proc replace_file {name writer {keep 0}} {
    set path [safe_path $name]
    set target [link_target $path]
    if {[marked_read_only $target]} {
        return -code error -errorcode {NORVANE WRITE} \
            "$name is read-only and was not converted"
    }
    set tmp [temp_path $target]
    set made 0
    set ch ""
    set kept ""
    if {[catch {
        set ch [open $tmp {WRONLY CREAT EXCL BINARY} 0600]
        set made 1
        fconfigure $ch -translation binary -eofchar {} -buffersize 65536
        {*}$writer $ch
        keep_file_attributes $tmp $target
        norvane_sync $ch
        set c $ch
        set ch ""
        close $c
        if {$keep} {
            set kept [keep_original $target]
        }
        norvane_replace $tmp $target
    } msg opts]} {
        if {$ch ne ""} {
            catch {close $ch}
        }
        if {$made} {
            catch {file delete -- $tmp}
        }
        if {$kept ne ""} {
            catch {file delete -- $target$kept}
        }
        if {[lrange [dict get $opts -errorcode] 0 1] eq {NORVANE RECORD}} {
            return -options [dict remove $opts -level] $msg
        }
        set reason [os_reason $msg [dict get $opts -errorcode]]
        return -code error -errorcode {NORVANE WRITE} \
            "$name could not be written: $reason"
    }
    # The file is in place either way; this makes the new name durable.
    catch {norvane_sync_folder [file dirname $target]}
    if {$kept eq ""} {
        return ""
    }
    return [expr {$target eq $path ? $name : $target}]$kept
}

# write_app --
#   Writes the table over the file named (see replace_file), keeping the
#   original when keep is 1; returns the backup's name or "".
proc write_app {name {keep 0}} {
    replace_file $name write_lines $keep
}
