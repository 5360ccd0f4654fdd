#pragma once
// The project's error classes. Each has a stable class name for the
// "cla- <class> -WYJ- <message>" log lines.
#include <stdexcept>
#include <string>

namespace zw {

class ZwError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* ClassName() const noexcept { return "Exception"; }
};

// A file that cannot be opened, read or written, or bytes that end too early.
class EInOutError : public ZwError {
public:
    using ZwError::ZwError;
    const char* ClassName() const noexcept override { return "EInOutError"; }
};

// Text that does not parse as the number, time or value expected.
class EConvertError : public ZwError {
public:
    using ZwError::ZwError;
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// A value outside the range a table or model can hold.
class ERangeError : public ZwError {
public:
    using ZwError::ZwError;
    const char* ClassName() const noexcept override { return "ERangeError"; }
};

// The class name of any exception, for log lines.
const char* ErrorClassName(const std::exception& e) noexcept;

} // namespace zw
