// Host commands for the script's in-place writes, which Tcl has no
// commands for: flushing a file and a folder to the disk, replacing a
// file in one step, and the advisory lock a run holds on a file while it
// converts it.
#pragma once

// Registers, in the main interpreter:
//   norvane_sync channel        flushes the channel, then its file to the disk
//   norvane_sync_folder path    flushes the folder's entries to the disk
//   norvane_replace from to     puts the file from in place of to, in one step
//   norvane_lock path           takes the lock of the lock file at path (made
//                               when missing); returns a token, or "" when
//                               another process holds it
//   norvane_unlock token        removes the lock file and releases the lock
// A failure is an error with a POSIX error code ({POSIX EACCES {permission
// denied}}). Locks still held when the process ends are released then.
void Et_FileCommandsInit();
