// A full disk for one test: files of this process cannot grow beyond a size while it lives.
#pragma once

#include <sys/resource.h>

class FileSizeLimit {
public:
    // Writes beyond bytes fail (EFBIG) instead of raising SIGXFSZ.
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit m_previous;
    void (*m_previousHandler)(int);
};
