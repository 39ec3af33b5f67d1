// Platform layer for POSIX systems (Linux): no message queue, the
// executable path from /proc, fatal errors on standard error, fsync,
// rename and flock for the in-place writes.
#include "platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <csignal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

void Et_PlatformSetMessageQueue(int) {}

void Et_PlatformFileLimitAsError() {
    // By default SIGXFSZ ends the process mid-write; ignored, the write
    // fails with EFBIG and the file is left as it was.
    std::signal(SIGXFSZ, SIG_IGN);
}

const char *Et_PlatformRawCommandLine() {
    // The process receives its arguments already split; start-up uses them.
    return "";
}

void Et_PlatformExecutablePath(char *buf, std::size_t size) {
    if (size == 0) return;
    ssize_t n = readlink("/proc/self/exe", buf, size - 1);
    if (n < 0) n = 0;
    buf[n] = '\0';
}

bool Et_PlatformHasDisplay() {
    const char *display = std::getenv("DISPLAY");
    return display != nullptr && display[0] != '\0';
}

void Et_PlatformSystemEncoding() {
    // The library takes the encoding from the locale itself.
}

void Et_PlatformFatal(const char *caption, const char *message) {
    std::fprintf(stderr, "%s\n%s\n", caption, message);
    std::fflush(stderr);
    _exit(1);
}

namespace {

// Runs a system call again while a signal interrupts it; returns 0 or
// the errno value of its failure.
template <typename Call> int retry(Call call) {
    while (call() != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

bool same_file(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

int Et_PlatformSyncFile(void *handle) {
    int fd = static_cast<int>(reinterpret_cast<std::intptr_t>(handle));
    return retry([fd] { return fsync(fd); });
}

int Et_PlatformSyncFolder(const void *path) {
    int fd = open(static_cast<const char *>(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = retry([fd] { return fsync(fd); });
    close(fd);
    return error;
}

int Et_PlatformReplaceFile(const void *from, const void *to) {
    return retry([from, to] {
        return rename(static_cast<const char *>(from), static_cast<const char *>(to));
    });
}

Et_LockStatus Et_PlatformLockFile(const void *native, Et_PlatformLock &lock, int &error) {
    const char *path = static_cast<const char *>(native);
    // The holder removes its lock file when it is done, possibly between
    // our open and our flock: the file locked is then no longer the one
    // the name holds, and the name is tried again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Never through a link, and never waiting on a named pipe.
        int fd = open(path, O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
        if (fd < 0) {
            error = errno;
            return Et_LockStatus::failed;
        }
        int failure = retry([fd] { return flock(fd, LOCK_EX | LOCK_NB); });
        if (failure != 0) {
            close(fd);
            if (failure == EWOULDBLOCK) return Et_LockStatus::busy;
            error = failure;
            return Et_LockStatus::failed;
        }
        struct stat held, named;
        if (fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            close(fd);
            error = EINVAL;
            return Et_LockStatus::failed;
        }
        if (lstat(path, &named) == 0 && same_file(held, named)) {
            // Readable by all, so that other users' runs can take it too
            // (a lock file holds no data).
            (void)fchmod(fd, 0644);
            lock.handle = fd;
            lock.path = path;
            return Et_LockStatus::held;
        }
        close(fd);
    }
    error = EAGAIN;
    return Et_LockStatus::failed;
}

void Et_PlatformUnlockFile(Et_PlatformLock &lock) {
    if (lock.handle < 0) return;
    int fd = static_cast<int>(lock.handle);
    // Removed while still locked, so that a run that opens the name
    // meanwhile finds another file and tries again; never a lock file
    // that has taken its place.
    struct stat held, named;
    if (fstat(fd, &held) == 0 && lstat(lock.path.c_str(), &named) == 0 && same_file(held, named))
        unlink(lock.path.c_str());
    close(fd);
    lock.handle = -1;
}
