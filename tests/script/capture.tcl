# Capturing what the script writes on standard output, for tests of
# headless output.

namespace eval capture {
    variable buf ""

    # initialize --
    #   Channel transform set-up: takes the channel and mode, returns the
    #   operations the transform handles.
    proc initialize {ch mode} {
        return {initialize finalize write}
    }

    # finalize --
    #   Channel transform tear-down: takes the channel, does nothing.
    proc finalize {ch} {
    }

    # write --
    #   Takes the channel and the bytes written; keeps them and lets
    #   nothing through.
    proc write {ch data} {
        variable buf
        append buf $data
        return ""
    }

    namespace export initialize finalize write
    namespace ensemble create
}

# capture_stdout --
#   Takes a script, runs it at global level while standard output is
#   captured, and returns what it wrote there.
proc capture_stdout {script} {
    set capture::buf ""
    flush stdout
    chan push stdout capture
    try {
        uplevel #0 $script
    } finally {
        flush stdout
        chan pop stdout
    }
    return $capture::buf
}
