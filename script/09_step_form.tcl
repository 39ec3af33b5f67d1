# How every upgrade step is declared, and the procedure made from it.
#
# upgrade_step ENTRY WRITES RULES ?OPTIONS? declares a step once: it registers
# it under its verlist entry and defines fixapp<ENTRY>, which takes the name
# of a record variable, as the plain loop calls it. Kept by entry: step_types
# (the types its rules name), step_filters (exact type -> texts, one of which
# a record of it must hold to concern the step; step_filtered(type) marks a
# type some step has texts for), step_writes, step_pass_start (the prepare
# command) and step_local (set when the step is not nonlocal, see below,
# and has no prepare command: it changes only the record given, never its
# type, from that record's text and what stays fixed during the run, and
# queues messages only for "#AppVwCfg").
#
# RULES are pairs TYPES BODY, tried in order. TYPES lists exact types or
# patterns ("*PC"), or is "$name": global name's list. Of consecutive rules (a
# chain) only the first whose types match applies; an "also" rule is tried for
# every record whatever the rules before it did: it is a chain of its own.
#
# A BODY is clauses, then actions separated by ";" words. Clauses:
#     also             independent rule (above)
#     nonlocal         reads or writes another record, or changes the type:
#                      the step then runs in a pass of its own. Needed only
#                      where the declaration cannot see it: a rule whose
#                      code, or a procedure it names, names the table (app)
#                      or cur_index (reads_table), or that retypes, is
#                      nonlocal by itself
#     holds TEXTS      act only when the record holds one of TEXTS, or a
#                      backslash (its escapes may hide one); the index
#                      passes over the other records of a type whose
#                      every rule, patterns matching it too, holds texts
#     len OP N         act only when the token count is OP N (== != < <= > >=)
#     when EXPR        act only when EXPR is true
# Actions:
#     version          FixVersion the header: ENTRY's major.minor to WRITES
#     append TOKS      append the tokens
#     insert POS TOKS  insert the tokens before token POS
#     remove POS       remove token POS
#     retype TYPE      make token 1 TYPE (the rule is then nonlocal)
#     map POS CODES    token POS becomes its value in dictionary CODES, if any
#     renames EDIT KEY...  apply rename_tables(KEY) with EDIT (patch_path or
#                      modify_path); a rule of renames alone, without holds,
#                      holds their texts
#     call PROC ARGS   PROC with the record variable's name and ARGS
#     code SCRIPT      SCRIPT; it sees l (the record), type, cur_index,
#                      app_type, orig_ver_xyz, rename_tables and HUGE_FLOAT
# A word "$name" ("$" then a letter or "_": "$0" is a token) in TOKS, TEXTS,
# CODES or ARGS is global name's value when declared (its elements, in TOKS
# and TEXTS). A step without a rule naming "#AppVwCfg" exactly gets
# "#AppVwCfg {also version}" last: a pattern matching the header ("*Cfg")
# cannot keep it from a new version. A step with one must do "version".
#
# OPTIONS, a dictionary:
#     prepare CMD      called before the step's pass with the pass's count
#                      and 1 (records visited by type) or 0 (the plain loop);
#                      the step then runs in a pass of its own
#     template 1       define the procedure but do not register the step

# step_word --
#   Returns the global's value for a word "$name", else the word.
proc step_word {word} {
    if {[regexp {^[$][A-Za-z_]} $word]} {
        return [set ::[string range $word 1 end]]
    }
    return $word
}

# step_words --
#   As step_word for a list of words, each "$name" giving its elements.
proc step_words {words} {
    set out {}
    foreach w $words {
        if {[regexp {^[$][A-Za-z_]} $w]} {
            lappend out {*}[step_word $w]
        } else {
            lappend out $w
        }
    }
    return $out
}

# step_action_code --
#   Takes an action (a list of words), ENTRY and WRITES; returns its code on
#   the record variable l and 1 for a rename, else 0. Errors if unknown.
proc step_action_code {action ver writes} {
    set args [lrange $action 1 end]
    switch -exact -- [lindex $action 0] {
        version {
            set old [lrange [split $ver .] 0 1]
            return [list "FixVersion l $old [split $writes .]" 0]
        }
        append {
            return [list "tok_append l {*}[list [step_words $args]]" 0]
        }
        insert {
            set toks [step_words [lrange $args 1 end]]
            return [list "tok_insert l [lindex $args 0] {*}[list $toks]" 0]
        }
        remove {
            return [list "tok_remove l [lindex $args 0]" 0]
        }
        retype {
            return [list "tok_replace l 1 1 [list [lindex $args 0]]" 0]
        }
        map {
            lassign $args pos codes
            set codes [list [step_word $codes]]
            return [list [string map [list %P $pos %C $codes] {
                set code [rec_tok $l %P]
                if {[dict exists %C $code]} {
                    tok_replace l %P %P [dict get %C $code]
                }}] 0]
        }
        renames {
            set edit [lindex $args 0]
            set code {}
            foreach key [lrange $args 1 end] {
                append code "apply_renames l $edit \$rename_tables([list $key])\n"
            }
            return [list $code 1]
        }
        call {
            set words [lmap w [lrange $args 1 end] {step_word $w}]
            return [list "[lindex $args 0] l $words" 0]
        }
        code {
            return [list [lindex $args 0] 0]
        }
    }
    return -code error "step $ver: unknown action \"[lindex $action 0]\""
}

# step_parse_body --
#   Takes a rule's BODY, ENTRY and WRITES; returns a dictionary: also,
#   nonlocal (retype sets it too), holds ("" for none; a rule of renames
#   alone gets their texts), code (under the len and when tests), renames
#   (1 when all are). Errors on a bad len test, an unknown action or none.
proc step_parse_body {body ver writes} {
    set rule [dict create also 0 nonlocal 0 holds "" code "" renames 1]
    set conds {}
    set i 0
    set n [llength $body]
    while {$i < $n} {
        set w [lindex $body $i]
        switch -exact -- $w {
            also - nonlocal {
                dict set rule $w 1
                incr i
            }
            holds {
                dict set rule holds [step_words [lindex $body $i+1]]
                set texts [concat [dict get $rule holds] [list \\]]
                lappend conds "\[rec_holds \$l [list $texts]\]"
                incr i 2
            }
            len {
                lassign [lrange $body $i+1 $i+2] op count
                if {$op ni {== != < <= > >=} || ![string is integer -strict $count]} {
                    return -code error "step $ver: bad length test \"len $op $count\""
                }
                lappend conds "\[rec_len \$l\] $op $count"
                incr i 3
            }
            when {
                lappend conds [lindex $body $i+1]
                incr i 2
            }
            default {
                break
            }
        }
    }
    set actions {}
    set action {}
    foreach w [lrange $body $i end] {
        if {$w eq ";"} {
            lappend actions $action
            set action {}
        } else {
            lappend action $w
        }
    }
    lappend actions $action
    set code ""
    foreach action $actions {
        if {$action eq ""} {
            continue
        }
        if {[lindex $action 0] eq "retype"} {
            dict set rule nonlocal 1
        }
        lassign [step_action_code $action $ver $writes] text rename
        if {!$rename} {
            dict set rule renames 0
        }
        if {$rename && [dict get $rule holds] eq ""} {
            foreach key [lrange $action 2 end] {
                dict lappend rule rename_texts {*}[rename_texts $::rename_tables($key)]
            }
        }
        append code $text \n
    }
    if {$code eq ""} {
        return -code error "step $ver: a rule without actions"
    }
    if {[dict get $rule renames] && [dict get $rule holds] eq ""} {
        dict set rule holds [dict get $rule rename_texts]
    }
    dict unset rule rename_texts
    if {[llength $conds]} {
        set code "if {[join $conds { && }]} {\n$code}"
    }
    dict set rule code $code
    return $rule
}

# step_chain_code --
#   Takes a chain's type lists and parsed bodies; returns a switch on $type
#   (exact, or -glob when a rule has a pattern) applying the first match.
proc step_chain_code {chain} {
    set mode -exact
    foreach {types rule} $chain {
        foreach t $types {
            if {[string match {*[*?[\\]*} $t]} {
                set mode -glob
            }
        }
    }
    set arms {}
    foreach {types rule} $chain {
        foreach t [lrange $types 0 end-1] {
            lappend arms $t -
        }
        lappend arms [lindex $types end] [dict get $rule code]
    }
    return "switch $mode -- \$type [list $arms]\n"
}

# reads_table --
#   Takes a step's code; returns 1 when it, or a procedure it names (one
#   defined by then), names the table (app) or the line being visited
#   (cur_index): the step then reads or writes records other than the one
#   it is given. FixVersion, which looks at cur_index only to tell the
#   header, does not count; nor do procedures that the named ones call.
proc reads_table {code} {
    set table {\mapp\(|\mcur_index\M|global[^\n]*\mapp\M}
    if {[regexp $table $code]} {
        return 1
    }
    foreach w [lsort -unique [regexp -all -inline {[A-Za-z_][A-Za-z_0-9]*} $code]] {
        if {$w ne "FixVersion" && [info procs ::$w] ne "" &&
                [regexp $table [info body ::$w]]} {
            return 1
        }
    }
    return 0
}

# upgrade_step --
#   Declares a step (see above): unless a template, registers it and makes
#   WRITES the target version (my_ver_xyz); then defines fixapp<ENTRY>.
#   Errors when WRITES has not three fields or a rule is bad.
proc upgrade_step {ver writes rules {options {}}} {
    if {[llength [split $writes .]] != 3} {
        return -code error "step $ver: the version it writes, \"$writes\", must have three fields"
    }
    set chains {}
    set chain {}
    set types_all {}
    set nonlocal 0
    set header 0
    foreach {types body} $rules {
        set types [step_words $types]
        set rule [step_parse_body $body $ver $writes]
        if {[dict get $rule also] && [llength $chain]} {
            lappend chains $chain
            set chain {}
        }
        lappend chain $types $rule
        if {[dict get $rule also]} {
            lappend chains $chain
            set chain {}
        }
        foreach t $types {
            if {$t ni $types_all} {
                lappend types_all $t
            }
            if {$t eq "#AppVwCfg"} {
                set header 1
            }
            lappend holds($t) [dict get $rule holds]
        }
        if {[dict get $rule nonlocal]} {
            set nonlocal 1
        }
    }
    if {[llength $chain]} {
        lappend chains $chain
    }
    if {!$header} {
        lappend chains [list #AppVwCfg [step_parse_body version $ver $writes]]
        lappend types_all #AppVwCfg
        lappend holds(#AppVwCfg) {}
    }
    # An exact type has a filter when every rule that may apply to it, a
    # pattern matching it among them, has holds texts.
    set filters {}
    foreach t $types_all {
        if {[string match {*[*?[\\]*} $t]} {
            continue
        }
        set all $holds($t)
        foreach p $types_all {
            if {[string match {*[*?[\\]*} $p] && [string match $p $t]} {
                lappend all {*}$holds($p)
            }
        }
        if {"" ni $all} {
            dict set filters $t [lsort -unique [concat {*}$all]]
        }
    }
    set code ""
    foreach chain $chains {
        append code [step_chain_code $chain]
    }
    if {[reads_table $code]} {
        set nonlocal 1
    }
    if {![dict exists $options template]} {
        global verlist step_types step_filters step_filtered step_local \
            step_pass_start step_writes my_ver_xyz
        lappend verlist $ver
        set step_types($ver) $types_all
        set step_filters($ver) $filters
        foreach type [dict keys $filters] {
            set step_filtered($type) 1
        }
        set step_writes($ver) $writes
        set my_ver_xyz $writes
        unset -nocomplain step_local($ver) step_pass_start($ver)
        if {!$nonlocal && ![dict exists $options prepare]} {
            set step_local($ver) 1
        }
        if {[dict exists $options prepare]} {
            set step_pass_start($ver) [dict get $options prepare]
        }
        # Drop answers worked out for an earlier declaration of it.
        foreach cache {::step_rule_cache ::step_filter_cache} {
            array unset $cache $ver,*
        }
        array unset ::filter_texts_from
    }
    # Link only the globals the code names: it runs for most records.
    set globals {}
    foreach name {cur_index app_type orig_ver_xyz rename_tables HUGE_FLOAT} {
        if {[string first $name $code] >= 0} {
            lappend globals $name
        }
    }
    set body "upvar 1 \$list l\n"
    if {[llength $globals]} {
        append body "global $globals\n"
    }
    append body "set type \[rec_type \$l\]\n" $code "return\n"
    proc fixapp$ver {list} $body
    return
}
