#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace quillane::cli {

// Raised for a failure that ends the run: one line for stderr.
struct RunError {
    std::string message;
    bool quiet = false;  // the reader went away: exit without a message
};

class InputFile {
public:
    explicit InputFile(const std::string& path);  // "-" is standard input; throws RunError
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Reads up to `size` bytes, stopping early only at the end of input.
    // Returns how many were read; throws RunError on a read error.
    std::size_t read(void* data, std::size_t size);
    // Appends bytes to `line` through the next '\n' or until `line` holds
    // `limit` bytes or the input ends; true when it ends with '\n'.
    bool readLine(std::string& line, std::size_t limit);
    // The size of a regular input file, or -1.
    long long regularFileSize() const { return regularSize_; }
    const std::string& name() const { return name_; }

private:
    std::FILE* file_ = nullptr;
    bool owned_ = false;
    long long regularSize_ = -1;
    std::string name_;
};

// Output that appears under its name only when complete: a regular file is
// written beside the target and renamed into place by commit(); destroying
// an uncommitted output removes the partial file.
class OutputFile {
public:
    explicit OutputFile(const std::string& path);  // "-" is standard output; throws RunError
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(const void* data, std::size_t size);  // throws RunError
    void commit();                                   // throws RunError

private:
    void fail(const char* what);

    std::FILE* file_ = nullptr;
    std::string target_, temporary_;
    bool committed_ = false;
};

}  // namespace quillane::cli
