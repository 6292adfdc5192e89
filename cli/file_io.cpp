#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quillane::cli {
namespace {

std::string describe(const std::string& path, const char* what, int error) {
    return std::string(what) + " " + (path == "-" ? std::string("standard stream") : "'" + path + "'") + ": " +
           std::strerror(error);
}

}  // namespace

InputFile::InputFile(const std::string& path) : name_(path == "-" ? "standard input" : path) {
    if (path == "-") {
        file_ = stdin;
    } else {
        file_ = std::fopen(path.c_str(), "rb");
        if (file_ == nullptr) throw RunError{describe(path, "cannot open input", errno)};
        owned_ = true;
    }
    struct stat st {};
    if (fstat(fileno(file_), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            if (owned_) std::fclose(file_);
            throw RunError{"cannot read input '" + path + "': it is a directory"};
        }
        if (S_ISREG(st.st_mode)) regularSize_ = static_cast<long long>(st.st_size);
    }
}

InputFile::~InputFile() {
    if (owned_) std::fclose(file_);
}

std::size_t InputFile::read(void* data, std::size_t size) {
    const std::size_t got = std::fread(data, 1, size, file_);
    if (got < size && std::ferror(file_)) throw RunError{"cannot read " + name_ + ": " + std::strerror(errno)};
    return got;
}

bool InputFile::readLine(std::string& line, std::size_t limit) {
    while (line.size() < limit) {
        const int c = std::getc(file_);
        if (c == EOF) {
            if (std::ferror(file_)) throw RunError{"cannot read " + name_ + ": " + std::strerror(errno)};
            return false;
        }
        line.push_back(static_cast<char>(c));
        if (c == '\n') return true;
    }
    return false;
}

OutputFile::OutputFile(const std::string& path) : target_(path) {
    if (path == "-") {
        file_ = stdout;
        return;
    }
    struct stat st {};
    const bool exists = stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) throw RunError{"cannot write output '" + path + "': it is a directory"};
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or pipe: write straight to it.
        file_ = std::fopen(path.c_str(), "wb");
        if (file_ == nullptr) throw RunError{describe(path, "cannot open output", errno)};
        return;
    }
    std::string pattern = path + ".partial-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw RunError{describe(path, "cannot create output beside", errno)};
    if (exists) fchmod(fd, st.st_mode & 07777);
    else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    file_ = fdopen(fd, "wb");
    if (file_ == nullptr) {
        const int error = errno;
        close(fd);
        unlink(pattern.c_str());
        throw RunError{describe(path, "cannot open output", error)};
    }
    temporary_ = pattern;
}

OutputFile::~OutputFile() {
    if (file_ != nullptr && file_ != stdout) std::fclose(file_);
    if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

void OutputFile::fail(const char* what) {
    const int error = errno;
    if (error == EPIPE) throw RunError{"", true};
    throw RunError{describe(target_, what, error)};
}

void OutputFile::write(const void* data, std::size_t size) {
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) fail("cannot write output");
}

void OutputFile::commit() {
    if (std::fflush(file_) != 0) fail("cannot write output");
    if (file_ != stdout) {
        std::FILE* f = file_;
        file_ = nullptr;
        if (std::fclose(f) != 0) fail("cannot write output");
    }
    if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail("cannot move finished output into place as");
    committed_ = true;
}

}  // namespace quillane::cli
