main $argc $argv
