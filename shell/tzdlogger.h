#pragma once
// The object log: a text file appended to line by line. Every write opens and
// closes the file, so the file is complete after each call.
#include <string>

namespace zw {

class tzdlogger {
public:
    // Stores the name (relative names resolve against the current directory)
    // and enables the log; does not touch the file.
    explicit tzdlogger(const std::string& fileName);

    std::string FileName;
    bool Enabled = false;

    void Clear();                            // creates the file empty
    void Write(const std::string& text);     // appends without a line end
    void WriteLine(const std::string& text); // appends with CR LF
                                             // Both raise EInOutError when the file cannot be opened for appending.
};

} // namespace zw
