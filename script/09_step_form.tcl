# The form in which every upgrade step is declared, and the procedure
# made from it.
#
# A step is declared once, with upgrade_step: its verlist entry, the
# version it writes and its rules, keyed by record type in the order they
# are tested. The declaration registers the step (verlist, the types the
# record index visits, the texts its rules need, whether it is local) and
# defines its procedure fixapp<entry>, which takes the name of a record
# variable, as the plain loop over the table calls it.
#
# Rules are pairs of record types and what is done with a record of one
# of them:
#     TYPES BODY TYPES BODY ...
# TYPES is a list of exact types or patterns ("*PC"), or "$name": the list
# the global variable name holds. A record goes through the rules in
# order; among consecutive rules (a chain) only the first whose types
# match the record's type applies. A rule whose body begins with "also"
# is independent: it is tested for every record whatever the rules before
# it did, and it closes the chain before it.
#
# A body is words: first any of these clauses, then actions separated by
# ";" words.
#     also             independent rule (above)
#     nonlocal         the rule reads or writes a record other than the one
#                      passed in, or changes the record's type: the step
#                      is then not run one record at a time with others
#     holds TEXTS      a record of the rule's types is changed only when it
#                      holds one of these texts (a filter for the index)
#     len OP N         the actions apply only when the record has OP N
#                      tokens (OP one of == != < <= > >=)
#     when EXPR        the actions apply only when EXPR is true
# Actions:
#     version          the header's version: FixVersion with the major and
#                      minor of the entry and the version the step writes
#     append TOKS      append the tokens
#     insert POS TOKS  insert the tokens before token POS
#     remove POS       remove token POS
#     retype TYPE      make token 1 TYPE (the type changes: nonlocal)
#     map POS CODES    when token POS is a key of the dictionary CODES,
#                      replace it with the key's value
#     renames EDIT KEY...  apply the rename tables rename_tables(KEY) with
#                      EDIT (patch_path or modify_path); a rule whose
#                      actions are all renames holds their texts
#     call PROC ARGS   PROC with the record variable's name and ARGS
#     code SCRIPT      SCRIPT, in the procedure: the record variable is l,
#                      its type type; the globals cur_index, app_type,
#                      orig_ver_xyz, rename_tables and HUGE_FLOAT are seen
# A word "$name" (a letter after the "$": "$0" is a token) among TOKS, TEXTS, CODES or ARGS stands for the value of
# the global variable name when the step is declared (its elements, for
# TOKS and TEXTS). A step with no rule for "#AppVwCfg" gets the
# independent rule "#AppVwCfg {also version}" last, so that a pattern
# matching the header ("*Cfg") does not keep its version from being
# rewritten.
#
# A declaration keeps, by entry: step_types (the types its rules name),
# step_filters (a dictionary from an exact type to the texts one of which
# a record of that type must hold to concern the step; step_filtered(type)
# marks a type some step has texts for), step_writes (the version it
# writes), step_local (set when no rule is nonlocal: the step changes only
# the record given, never its type, from that record's text and what does
# not change while the steps run, and queues messages only for "#AppVwCfg"
# records) and step_pass_start (its prepare command).
#
# Options (a dictionary after the rules):
#     prepare CMD      called with the pass's count and 1 (records visited
#                      by type) or 0 (the plain loop) before each pass
#     template 1       the procedure is defined but the step is not
#                      registered: it never runs

# step_word --
#   Takes a word of a declaration; returns the value of the global it names
#   when it is "$name", else the word itself.
proc step_word {word} {
    if {[regexp {^[$][A-Za-z_]} $word]} {
        return [set ::[string range $word 1 end]]
    }
    return $word
}

# step_words --
#   Takes a list of words of a declaration; returns them with each "$name"
#   replaced by the elements of the global it names.
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
#   Takes an action of a rule (a list of words), the step's entry and the
#   version it writes; returns the Tcl code that applies it to the record
#   variable l, and whether the action is a rename. Raises an error for an
#   unknown action.
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
#   Takes the body of a rule, the step's entry and the version it writes;
#   returns a dictionary: also, nonlocal (0 or 1), holds (texts, or "" for
#   none declared), cond (an expression, or ""), code (the actions' code)
#   and renames (1 when every action is a rename).
proc step_parse_body {body ver writes} {
    set rule [dict create also 0 nonlocal 0 holds "" cond "" code "" renames 1]
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
#   Takes the rules of one chain (a list of type lists and parsed bodies);
#   returns the code that applies the first rule whose types match $type:
#   a switch over exact types, or over patterns when a rule has one.
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

# upgrade_step --
#   Takes a verlist entry, the version the step writes, its rules and
#   optionally its options (see above). Registers the step: appends the
#   entry to verlist with the types it has rules for and the texts its
#   rules need, marks it local unless a rule is nonlocal, and keeps the
#   prepare command; the version it writes becomes the target version
#   (my_ver_xyz). Then defines fixapp<entry>. Returns nothing.
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
    # A type has a filter only when every rule for it names texts.
    set filters {}
    foreach t $types_all {
        if {[string match {*[*?[\\]*} $t] || "" in $holds($t)} {
            continue
        }
        dict set filters $t [lsort -unique [concat {*}$holds($t)]]
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
        if {!$nonlocal} {
            set step_local($ver) 1
        }
        if {[dict exists $options prepare]} {
            set step_pass_start($ver) [dict get $options prepare]
        }
        # Answers worked out for an earlier declaration of the same
        # version go.
        foreach cache {::step_rule_cache ::step_filter_cache} {
            array unset $cache $ver,*
        }
        array unset ::filter_texts_from
    }
    set code ""
    foreach chain $chains {
        append code [step_chain_code $chain]
    }
    # Only the globals the rules name are linked: the procedure runs for
    # most records.
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
