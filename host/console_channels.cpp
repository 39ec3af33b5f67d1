// The channel type "console" and the three standard channels built on it.
#include <cstdint>
#include <cstdio>

#include "console.h"

Tcl_Interp *Et_StdoutInterp = nullptr;

namespace {

// Set once the program knows it has no display: the standard channels then
// read from and write to the process's own streams.
bool passThrough = false;

struct StdChannel {
  const char *name;
  int role;  // TCL_STDIN, TCL_STDOUT or TCL_STDERR; the channel's instance data
  int mask;
};

const StdChannel stdChannels[] = {
    {"console0", TCL_STDIN, TCL_READABLE},
    {"console1", TCL_STDOUT, TCL_WRITABLE},
    {"console2", TCL_STDERR, TCL_WRITABLE},
};

int RoleOf(ClientData instanceData) {
  return static_cast<int>(reinterpret_cast<std::intptr_t>(instanceData));
}

// Writes all bytes to the process's stdout or stderr.
void WriteToProcess(int role, const char *buf, int count) {
  std::FILE *out = role == TCL_STDERR ? stderr : stdout;
  std::fwrite(buf, 1, static_cast<std::size_t>(count), out);
  std::fflush(out);
}

// Reads from the process's stdin up to the end of one line (or bufSize
// bytes), so that an interactive reader is not kept waiting for a full
// buffer. Returns the number of bytes read, 0 at end of file.
int ReadFromProcess(char *buf, int bufSize) {
  int n = 0;
  while (n < bufSize) {
    int c = std::getc(stdin);
    if (c == EOF) break;
    buf[n++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  return n;
}

}  // namespace

const Tcl_ChannelType Et_ConsoleChannelType = {
    "console",              // type name
    TCL_CHANNEL_VERSION_5,  // driver record layout
    Et_ChanClose,           // close
    Et_ChanInput,           // input
    Et_ChanOutput,          // output
    nullptr,                // seek
    nullptr,                // set option
    nullptr,                // get option
    Et_ChanWatch,           // watch
    Et_ChanHandle,          // get handle
    nullptr,                // close2
    nullptr,                // block mode
    nullptr,                // flush
    nullptr,                // handler
    nullptr,                // wide seek
    nullptr,                // thread action
    nullptr,                // truncate
};

extern "C" int Et_ChanOutput(ClientData instanceData, const char *buf,
                             int toWrite, int *errorCodePtr) {
  *errorCodePtr = 0;
  Tcl_SetErrno(0);
  if (passThrough) {
    WriteToProcess(RoleOf(instanceData), buf, toWrite);
  } else if (Et_StdoutInterp != nullptr) {
    Et_ConsoleForward(Et_StdoutInterp, RoleOf(instanceData), buf, toWrite);
  }
  return toWrite;
}

extern "C" int Et_ChanInput(ClientData, char *buf, int bufSize, int *) {
  if (passThrough) return ReadFromProcess(buf, bufSize);
  return 0;
}

extern "C" int Et_ChanClose(ClientData, Tcl_Interp *) { return 0; }

extern "C" void Et_ChanWatch(ClientData, int) {}

extern "C" int Et_ChanHandle(ClientData, int, ClientData *) { return 1; }

void Et_StdChannelsInit() {
  // Channels cannot be made before the interpreter library has set up its
  // subsystems; this does not yet name the executable (start-up does that).
  Tcl_FindExecutable(nullptr);
  for (const StdChannel &c : stdChannels) {
    Tcl_Channel chan = Tcl_CreateChannel(
        &Et_ConsoleChannelType, c.name,
        reinterpret_cast<ClientData>(static_cast<std::intptr_t>(c.role)),
        c.mask);
    if (chan != nullptr) {
      Tcl_SetChannelOption(nullptr, chan, "-translation", "lf");
      Tcl_SetChannelOption(nullptr, chan, "-buffering", "none");
      // Every character a script writes arrives intact, whatever the
      // process's locale; the console turns the bytes back into text.
      Tcl_SetChannelOption(nullptr, chan, "-encoding", "utf-8");
      // The process holds its own reference, as the library does for its
      // default channels: otherwise deleting the last interpreter that uses
      // a channel (a console that failed to start, say) would close it for
      // every interpreter.
      Tcl_RegisterChannel(nullptr, chan);
    }
    Tcl_SetStdChannel(chan, c.role);
  }
}

void Et_StdChannelsUseProcess() { passThrough = true; }

bool Et_StdChannelsPassThrough() { return passThrough; }
