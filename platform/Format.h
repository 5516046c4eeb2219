#pragma once
// printf-style formatting of catalogue texts, type-safe: each argument carries its own type,
// and a placeholder that does not match its argument still prints the argument's value.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class FormatArg {
public:
    enum class Type { Integer, Real, Text };

    template <class T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
    FormatArg(T v) : type_(Type::Integer), integer_(static_cast<long long>(v)) {}
    template <class T, std::enable_if_t<std::is_floating_point_v<T>, int> = 0>
    FormatArg(T v) : type_(Type::Real), real_(static_cast<double>(v)) {}
    FormatArg(std::string_view v) : type_(Type::Text), text_(v) {}
    FormatArg(const std::string& v) : type_(Type::Text), text_(v) {}
    FormatArg(const char* v) : type_(Type::Text), text_(v ? v : "") {}

    Type type() const { return type_; }
    long long integer() const { return integer_; }
    double real() const { return real_; }
    const std::string& text() const { return text_; }

private:
    Type type_;
    long long integer_ = 0;
    double real_ = 0;
    std::string text_;
};

// Fills %s %d %i %u %x %X %c %f %g %e %ld %lu %ls %S and %% (with flags, width and precision; a
// width or precision wider than a line can show is left out).
// Missing arguments leave their placeholders empty; surplus arguments are ignored.
std::string FormatText(std::string_view format, const std::vector<FormatArg>& args);

// The placeholders of the format that take an argument, in order, each as written without its
// length modifiers ("%-5s", "%d" of "%ld").
std::vector<std::string> FormatPlaceholders(std::string_view format);

template <class... A>
std::string Fmt(std::string_view format, const A&... args) {
    return FormatText(format, std::vector<FormatArg>{FormatArg(args)...});
}
