#include "platform/Format.h"

#include <cstdio>

namespace {

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Pad(std::string text, std::string_view spec) {
    // spec is "%[flags][width][.precision]" without the conversion letter
    bool left = false;
    size_t i = 1;
    for (; i < spec.size() && IsFlag(spec[i]); ++i)
        if (spec[i] == '-') left = true;
    size_t width = 0;
    for (; i < spec.size() && IsDigit(spec[i]); ++i) width = width * 10 + (spec[i] - '0');
    if (i < spec.size() && spec[i] == '.') {
        size_t precision = 0;
        for (++i; i < spec.size() && IsDigit(spec[i]); ++i) precision = precision * 10 + (spec[i] - '0');
        if (text.size() > precision) text.resize(precision);
    }
    if (text.size() < width) {
        std::string fill(width - text.size(), ' ');
        text = left ? text + fill : fill + text;
    }
    return text;
}

std::string FormatNumber(const std::string& spec, char conversion, const FormatArg& arg) {
    char buffer[512];
    std::string f = spec;
    switch (conversion) {
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': {
            long long v = arg.type() == FormatArg::Type::Real ? static_cast<long long>(arg.real()) : arg.integer();
            f += "ll";
            f += conversion;
            std::snprintf(buffer, sizeof buffer, f.c_str(), v);
            break;
        }
        case 'c': {
            long long v = arg.integer();
            if (v >= 0 && v < 0x80) return Pad(std::string(1, static_cast<char>(v)), spec);
            // beyond ASCII: encode the code point as UTF-8
            std::string out;
            unsigned long cp = static_cast<unsigned long>(v);
            if (cp < 0x800) {
                out += static_cast<char>(0xC0 | (cp >> 6));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | ((cp >> 12) & 0x0F));
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            }
            return Pad(out, spec);
        }
        default: {
            double v = arg.type() == FormatArg::Type::Real ? arg.real() : static_cast<double>(arg.integer());
            f += conversion;
            std::snprintf(buffer, sizeof buffer, f.c_str(), v);
            break;
        }
    }
    return buffer;
}

std::string FormatOne(const std::string& spec, char conversion, const FormatArg& arg) {
    if (conversion == 's' || conversion == 'S') {
        if (arg.type() == FormatArg::Type::Text) return Pad(arg.text(), spec);
        return Pad(arg.type() == FormatArg::Type::Real ? FormatNumber("%", 'g', arg) : std::to_string(arg.integer()),
                   spec);
    }
    if (arg.type() == FormatArg::Type::Text) {
        if (conversion == 'c') return Pad(arg.text().substr(0, 1), spec);
        return Pad(arg.text(), spec);
    }
    return FormatNumber(spec, conversion, arg);
}

}  // namespace

std::string FormatText(std::string_view format, const std::vector<FormatArg>& args) {
    std::string out;
    out.reserve(format.size() + 32);
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        size_t j = i + 1;
        std::string spec = "%";
        while (j < format.size() && IsFlag(format[j])) spec += format[j++];
        while (j < format.size() && IsDigit(format[j])) spec += format[j++];
        if (j < format.size() && format[j] == '.') {
            spec += format[j++];
            while (j < format.size() && IsDigit(format[j])) spec += format[j++];
        }
        while (j < format.size() && (format[j] == 'l' || format[j] == 'h' || format[j] == 'I' ||
                                     format[j] == '6' || format[j] == '4'))
            ++j;
        if (j >= format.size()) {  // a lone '%' at the end stays as written
            out.append(format.substr(i));
            break;
        }
        char conversion = format[j];
        static const std::string_view kConversions = "sSdiuxXocfFgGeE";
        if (kConversions.find(conversion) == std::string_view::npos) {
            out.append(format.substr(i, j - i + 1));
            i = j;
            continue;
        }
        if (next < args.size()) out += FormatOne(spec, conversion, args[next]);
        ++next;
        i = j;
    }
    return out;
}
