#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "common/io_error.h"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace quorvex {

bool guardStandardStreams() {
#ifdef _WIN32
    return true;
#else
    // A write to a closed pipe fails with an error that is reported, instead of killing
    // the process before it can remove its temporary files.
    ::signal(SIGPIPE, SIG_IGN);
    // Likewise a file-size limit reached (ulimit -f) fails the write as a full disk would.
    ::signal(SIGXFSZ, SIG_IGN);
    bool outputOpen = true;
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (::fcntl(stream, F_GETFD) != -1) continue;
        if (stream == STDOUT_FILENO) outputOpen = false;
        ::open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);  // takes the lowest free number
    }
    return outputOpen;
#endif
}

void flushStandardOutput() {
    errno = 0;
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout))
        throw ioErrorFromErrno(errno != 0 ? errno : EIO, StandardOutputName);
}

void closeStandardOutput() {
    flushStandardOutput();
    errno = 0;
    if (std::fclose(stdout) != 0) throw ioErrorFromErrno(errno != 0 ? errno : EIO, StandardOutputName);
}

}  // namespace quorvex
