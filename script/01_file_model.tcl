# Application file model: reading an "#AsciiFiler" file into the record
# table, writing the table back, and the header's type and version.
#
# Application files are single-byte text: every byte is one character.
# Files are read and written as raw bytes (no encoding, no line-end
# translation of our own making), so bytes 0x80 to 0xFF and sequences
# that are not UTF-8 come back unchanged.

# Header layouts, keyed by the token count of record 1: the position of
# the major version token (minor and third follow it), the position of
# the type reference, and the token set to "i3" by FixVersion ("" none).
set header_layouts {
    34 {19 23 {}}
    38 {23 27 {}}
    39 {23 27 26}
    56 {40 44 43}
    58 {40 44 43}
}

# safe_path --
#   Takes a file name as the user gave it and returns a name that Tcl's
#   file commands and open take literally: a relative name that begins
#   with "~" (home folder), "|" (command pipeline) or "-" (option) gets
#   "./" put before it. Other names are returned unchanged.
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
#   Takes an error message and its error code and returns the short
#   reason to show the user: the system's own text for a system error
#   ("permission denied"), else the message itself.
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
#   Takes a text and returns 1 when it is a decimal integer (optional
#   sign, digits only), else 0.
proc is_decimal {text} {
    regexp {^[-+]?[0-9]+$} $text
}

# decimal_value --
#   Takes a decimal integer text (an optional sign and digits) and returns
#   it without the plus sign and leading zeros, so that "08" reads as 8 and
#   never as an octal number. The result is safe to use in expr.
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
#   Takes two version fields and returns -1, 0 or 1: as numbers when both
#   are decimal integers, else as character strings by character code
#   (the empty string is less than any other).
proc compare_fields {a b} {
    if {[is_decimal $a] && [is_decimal $b]} {
        set a [decimal_value $a]
        set b [decimal_value $b]
        return [expr {$a < $b ? -1 : ($a > $b ? 1 : 0)}]
    }
    return [string compare $a $b]
}

# compare_versions --
#   Takes two version strings and returns -1, 0 or 1. As many fields are
#   compared as verB has; a field missing from verA counts as empty.
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
#   Takes a header record text and returns its layout from header_layouts
#   (major version position, type reference position, "i3" position), or
#   an empty list when its token count is not a known layout.
proc header_layout {rec} {
    global header_layouts
    set n [rec_len $rec]
    if {[dict exists $header_layouts $n]} {
        return [dict get $header_layouts $n]
    }
    return {}
}

# app_type_line --
#   Takes nothing; returns the line of the table that the header's type
#   reference names, or -1 when it names no record.
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
#   Takes nothing; reads the table and returns the application type named
#   by the header's type reference, or "UNKNOWN".
proc GetAppType {} {
    global app
    set ref [app_type_line]
    if {$ref eq "-1"} {
        return UNKNOWN
    }
    return [string trim [rec_tok $app(l,$ref) 3] " \t\n\r"]
}

# AppVersion --
#   Takes nothing; reads the table and returns the file's version as
#   "major.minor.third". Headers of no known layout give "0.1.0" when the
#   file has a ten-token "#MnuPc" record, else 0.0.0 (22 tokens) or
#   -1.-1.-1.
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
#   Takes the name of the caller's variable holding the header record, the
#   major and minor version the step expects, and the new major, minor and
#   third version. Rewrites the version tokens (and the "i3" token of the
#   later layouts) in place. An unknown layout queues "INCORRECT VERSION"
#   and changes nothing; when the record is the file's header (the step is
#   at line 1, cur_index) the error below is raised too, since the file
#   would otherwise be written with a header that names no version. A
#   version that is not the expected one queues "Incorrect app version:
#   major.minor" and raises an error with the error code
#   {NORVANE REPORTED}, which ends the conversion of the file. Returns
#   nothing.
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
#   Takes a file name as given and returns a list: "ok" and the file's
#   bytes, each byte one character, or "error" and a message saying why
#   the file cannot be read (a folder, a named pipe or a device is not
#   read at all).
proc read_file_bytes {name} {
    set path [safe_path $name]
    if {[file isdirectory $path]} {
        return [list error "Cannot read file $name: it is a folder"]
    }
    # A named pipe would wait for a writer for ever, a device may never
    # end: only regular files are read.
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
#   Takes a text and a list of characters; returns 1 when the text holds
#   any of them, else 0. (The text is split at each in turn: that goes
#   through its bytes and makes no wide-character copy of it.)
proc holds_any {text chars} {
    foreach c $chars {
        if {[llength [split $text $c]] > 1} {
            return 1
        }
    }
    return 0
}

# file_lines --
#   Takes a file's bytes; returns its lines and what ends each: a list of
#   the lines' texts, followed by "" when the bytes end with a line end,
#   and a list of the bytes that follow each of those (a line feed, a
#   carriage return, or both, and "" after the last), or an empty list
#   when every line ends with a line feed. A line ends at a line feed, a
#   carriage return and line feed, or a lone carriage return. The bytes
#   are split once at their line feeds, and pieces that hold carriage
#   returns once more at those.
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
                # A carriage return just before a line feed ends its line
                # with it.
                lset ends end \r\n
            }
        }
        incr k
    }
    list $lines $ends
}

# read_app --
#   Takes a file name as given on the command line and loads the file
#   into the table app; app(types) lists the type of each line as the
#   record index takes it ("" where the record must be read again).
#   Returns "READ_APP_DONE", "READ_APP_NOT_AN_APP" or
#   "READ_APP_CANT_ACCCESS"; a refusal is shown at once.
#
#   The lines come from file_lines. A string record's text may run on
#   over the following lines, joined again by the line ends between them;
#   the rest of the line its text ends in is dropped.
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
    # A backslash may keep the blank after it at the end of a line (see
    # trim_ws).
    set escaped [holds_any $data [list \\]]
    # A string holding a brace or a backslash needs canon_elem; in a file
    # without them no string is looked through for them.
    set quoting [expr {$escaped || [holds_any $data [list \{ \}]]}]
    lassign [file_lines $data] lines ends
    unset data
    set total [llength $lines]
    # What follows the last line end is a line only when it is not empty.
    set nlines [expr {[lindex $lines end] eq "" ? $total - 1 : $total}]
    set i 0
    set types {}
    for {set k 0} {$k < $nlines} {incr k} {
        # The line goes from the list, so that what is read stays in
        # memory once, as the table's record.
        set line [lindex $lines $k]
        lset lines $k ""
        # Searches are made in a copy of the line: a search gives what it
        # searches a wide-character copy, and the parts cut from that are
        # made back into text, where parts cut from the line are copied.
        set u [string range $line 0 end]
        set q [string first \" $u]
        # A type read from two plain words at the start of the line
        # (lead_type) stays the type of the record as it is kept; it is
        # noted for the record index. Other lines are typed again from the record. (The words
        # end before any double quote.) Whether the line starts with such
        # words, and which, depends only on the line up to its second
        # blank: each such head is looked at once. (The second blank is
        # looked for near the first; without one there, the whole line is
        # the head.)
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
        # A string token: an asterisk before the quote, the count of the
        # text's bytes as decimal digits, the quote, the text and its
        # closing blank.
        set s [string first * $u]
        set digits [string range $line [expr {$s + 1}] [expr {$q - 1}]]
        # (The file's characters are bytes: the only digits among them are
        # 0 to 9.)
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
        # Braces hold the text as it is unless it holds a brace or a
        # backslash (it always holds its closing blank).
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

# Lines of the table rendered and written at a time: the file's text is
# never held whole in memory. (A chunk of 500 lines and what is kept to
# check it stay in the processor's cache; 2,000 took 5 % longer.)
set write_chunk_lines 500

# render_lines --
#   Takes a first line and the line after the last; returns the text of
#   those lines of the table as write_app writes them: each present record
#   on its own line, string records with their count rebuilt, every line
#   ended by one space (the string's own closing space for string records)
#   and a line feed. Raises an error with the code {NORVANE RECORD} for a
#   string record that cannot be read as a list, and for a record that
#   would not be read back as the same record (see unwritable), the first
#   such record of the lines.
proc render_lines {from to} {
    global app
    set out ""
    # The plain records, and the string records' tokens before their
    # strings, for check_chunk.
    set plain_at {}
    set plains {}
    set head_at {}
    set heads {}
    for {set n $from} {$n < $to} {incr n} {
        # (A line whose record was removed is not there.)
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
        # The record's tokens, parsed here, need not stay in memory.
        string length $text
    }
    check_chunk $plain_at $plains $head_at $heads
    return $out
}

# check_chunk --
#   Takes the line numbers and texts of plain records, and the line
#   numbers and the tokens before the string (in list form) of string
#   records whose strings end with their closing space, each in line
#   order; raises the error of unwritable
#   for the first of these records, in line order, that cannot be written.
#   Returns nothing. Only a plain record holding a double quote or a line
#   break, or string record tokens holding an asterisk, a double quote, a
#   line break or "#PanelButtonVwCfg" can fail; each kind is first looked
#   for in all the texts joined, once, and the records one by one only
#   when that finds something.
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
#   Takes a line of the table, the kind of record ("plain" or "string"),
#   the record's text (for a string record the tokens before its string,
#   in list form) and, for a string record, the string element. Raises
#   an error with the code {NORVANE RECORD} when the reader would not read
#   the written line back as the same record: a line break outside a
#   string, a double quote in a plain record (the reader takes that line
#   for a string record) unless it is a "#PanelButtonVwCfg" or the record
#   ends with a whole string token (see is_string_line), an asterisk
#   or double quote before a string, a string without its closing space,
#   or a string record of type "#PanelButtonVwCfg" (read back as a plain
#   record). Returns nothing when the record can be written.
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
#   Takes the text of a plain record that holds a double quote; returns 1
#   when the reader takes the line written from it for the same string
#   token: an asterisk before the first double quote, decimal digits
#   between them, and exactly that many bytes after the quote up to the
#   line's closing space. Returns 0 otherwise.
proc is_string_line {text} {
    if {![regexp -indices {^[^*"]*\*([0-9]+)"} $text quote digits]} {
        return 0
    }
    set count [decimal_value [string range $text {*}$digits]]
    expr {[string length $text] - [lindex $quote 1] - 1 == $count}
}

# render_app --
#   Takes nothing; returns the whole text of the table as write_app
#   writes it (see render_lines).
proc render_app {} {
    global app
    render_lines 0 $app(cnt)
}

# write_lines --
#   Takes a channel; writes the table's text to it a chunk of lines at a
#   time (see render_lines). Returns nothing.
proc write_lines {ch} {
    global app write_chunk_lines
    set cnt $app(cnt)
    for {set n 0} {$n < $cnt} {incr n $write_chunk_lines} {
        puts -nonewline $ch [render_lines $n [expr {min($n + $write_chunk_lines, $cnt)}]]
    }
    return
}

# link_target --
#   Takes a path and returns the path of the file it finally names: a
#   symbolic link is followed (a relative link is taken from the link's
#   folder), up to 40 links deep.
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
#   Takes the path of a new file and of the file it will replace; gives the
#   new file the old one's permission bits (and its owner and group where
#   allowed). Returns nothing.
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
#   Takes a path; returns 1 when the file is marked read-only: on Windows
#   its read-only attribute, elsewhere permission bits that give nobody
#   the right to write it (which the superuser could still write), else 0.
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

# The hidden files that belong to a file while it is replaced, by kind:
# its new text, a copy of the original on its way to being the backup,
# and the lock file of the run converting it. And the longest name (in
# bytes) a folder entry may have.
set side_suffixes {tmp .norvane-tmp copy .norvane-copy lock .norvane-lock}
set name_max 255

# temp_path --
#   Takes the path of a file about to be replaced and optionally a kind of
#   side_suffixes ("tmp" by default); returns the path of that hidden file
#   of it: in the same folder, named "." followed by the file's name and
#   the kind's suffix (the name cut short, the same for every kind, when
#   the whole would not fit in a folder entry). So it is hidden, never
#   matches "*.app", and belongs to that one file: what a run that was
#   killed left is found by the next conversion of the same file.
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
#   Takes a file name as given; takes this run's lock on the file (the
#   host's norvane_lock on its lock file, see temp_path), which the run
#   holds while it converts the file, and removes what a killed run left
#   beside it: its temporary file and a copy on its way to a backup (no
#   live run is writing them: it would hold the lock). Returns the lock's
#   token, or "" when no lock file can be made beside the file (a folder
#   that cannot be written, where writing the file fails as well; the
#   run then removes nothing and creates its temporary file only when
#   none is there). Raises an error with the code {NORVANE BUSY} when
#   another run holds the lock.
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
            # What cannot be removed (a folder in the way) fails the
            # write later, with its reason.
            catch {file delete -- $stale}
        }
    }
    return $token
}

# unlock_file --
#   Takes a token of lock_file ("" for none); releases the lock and
#   removes its lock file. Returns nothing.
proc unlock_file {token} {
    if {$token ne ""} {
        norvane_unlock $token
    }
    return
}

# copy_original --
#   Takes the path of a file; copies its bytes to its hidden copy (see
#   temp_path), created afresh, gives the copy the file's permission bits
#   and modification time, and flushes it to the disk. Returns the copy's
#   path; on an error no copy is left.
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
#   Takes the path of a file about to be replaced; keeps the file as it
#   is under the first free name of NAME.bak, NAME.bak.1, NAME.bak.2 ...
#   beside it, never over an existing name: a hard link to the file
#   itself (nothing copied, times kept) where the file system makes one,
#   else a flushed copy (see copy_original) renamed there. Either way the
#   backup name appears at once and complete. Returns the suffix of the
#   name taken (".bak", ".bak.1", ...).
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
#   Takes a file name as given, a command prefix that writes the bytes to
#   store to the channel appended to it, and whether to keep the original
#   (0 by default). Has the bytes written to the file's temporary file
#   (see temp_path; created afresh, never when one is there, readable by
#   its owner only, never through a link), gives it the file's permission
#   bits, flushes it to the disk, keeps the original when asked (see
#   keep_original) and puts it in place of the file (the target of a
#   symbolic link) in one step; then flushes the folder. So the file is
#   either fully replaced or left as it was, and once replaced stays so
#   through a power cut. A file whose permission bits forbid writing is
#   left alone. Returns the name of the backup as it is to be shown (the
#   name given, or the link's target, and the suffix), "" when none was
#   kept. Raises an error with a clear message and the error code
#   {NORVANE WRITE} when the write fails, in which case no backup is left;
#   an error of the writer itself (a record that cannot be written)
#   reaches the caller as it was raised, the file left as it was too.
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
    # The file is in place whatever this gives; it makes the new name
    # last through a power cut.
    catch {norvane_sync_folder [file dirname $target]}
    if {$kept eq ""} {
        return ""
    }
    return [expr {$target eq $path ? $name : $target}]$kept
}

# write_app --
#   Takes a file name as given and whether to keep the original (0 by
#   default), and writes the table over that file, a chunk of lines at a
#   time (see replace_file). Returns the name of the backup kept, or "".
#   Raises an error when the file could not be written, in which case the
#   file is unchanged and no backup is kept.
proc write_app {name {keep 0}} {
    replace_file $name write_lines $keep
}
