#include "platform/Format.h"

#include <cstdio>
#include <optional>

namespace {

// Wider fields than a line can show are refused: the value is shown as if the field had no
// width (precision). A number is read no further than this, so no run of digits can wrap.
constexpr size_t kWidestField = 256;

constexpr std::string_view kConversions = "sSdiuxXocfFgGeE";

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLengthModifier(char c) { return c == 'l' || c == 'h' || c == 'I' || c == '6' || c == '4'; }

// The flags, width and precision of a placeholder, the numbers checked.
struct Field {
    std::string flags;
    size_t width = 0;
    std::optional<size_t> precision;

    bool LeftAligned() const { return flags.find('-') != std::string::npos; }
    // The field as printf reads it.
    std::string Spec() const {
        std::string spec = "%" + flags;
        if (width > 0) spec += std::to_string(width);
        if (precision) spec += "." + std::to_string(*precision);
        return spec;
    }
};

struct Placeholder {
    // kAsWritten: a conversion we do not know, or a '%' that the text ends in; it stays as written.
    enum class Kind { kPercent, kArgument, kAsWritten } kind = Kind::kArgument;
    std::string written;  // "%", flags, width, precision and conversion; length modifiers left out
    Field field;
    char conversion = 0;
    size_t end = 0;  // one past the placeholder
};

size_t ReadCount(std::string_view format, size_t& i) {
    size_t count = 0;
    for (; i < format.size() && IsDigit(format[i]); ++i)
        if (count <= kWidestField) count = count * 10 + static_cast<size_t>(format[i] - '0');
    return count;
}

// The placeholder whose '%' is format[begin].
Placeholder ReadPlaceholder(std::string_view format, size_t begin) {
    Placeholder p;
    p.end = begin + 1;
    size_t& j = p.end;
    if (j < format.size() && format[j] == '%') {
        p.kind = Placeholder::Kind::kPercent;
        ++j;
        return p;
    }
    while (j < format.size() && IsFlag(format[j])) p.field.flags += format[j++];
    if (const size_t width = ReadCount(format, j); width <= kWidestField) p.field.width = width;
    if (j < format.size() && format[j] == '.') {
        if (const size_t precision = ReadCount(format, ++j); precision <= kWidestField) p.field.precision = precision;
    }
    p.written = format.substr(begin, j - begin);
    while (j < format.size() && IsLengthModifier(format[j])) ++j;
    if (j >= format.size()) {
        p.kind = Placeholder::Kind::kAsWritten;
        return p;
    }
    p.conversion = format[j++];
    p.written += p.conversion;
    if (kConversions.find(p.conversion) == std::string_view::npos) p.kind = Placeholder::Kind::kAsWritten;
    return p;
}

std::string Pad(std::string text, const Field& field) {
    if (field.precision && text.size() > *field.precision) text.resize(*field.precision);
    if (text.size() < field.width) {
        std::string fill(field.width - text.size(), ' ');
        text = field.LeftAligned() ? text + fill : fill + text;
    }
    return text;
}

std::string FormatNumber(const Field& field, char conversion, const FormatArg& arg) {
    char buffer[512];
    std::string f = field.Spec();
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
            if (v >= 0 && v < 0x80) return Pad(std::string(1, static_cast<char>(v)), field);
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
            return Pad(out, field);
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

std::string FormatOne(const Field& field, char conversion, const FormatArg& arg) {
    if (conversion == 's' || conversion == 'S') {
        if (arg.type() == FormatArg::Type::Text) return Pad(arg.text(), field);
        return Pad(arg.type() == FormatArg::Type::Real ? FormatNumber({}, 'g', arg) : std::to_string(arg.integer()),
                   field);
    }
    if (arg.type() == FormatArg::Type::Text) {
        if (conversion == 'c') return Pad(arg.text().substr(0, 1), field);
        return Pad(arg.text(), field);
    }
    return FormatNumber(field, conversion, arg);
}

}  // namespace

std::string FormatText(std::string_view format, const std::vector<FormatArg>& args) {
    std::string out;
    out.reserve(format.size() + 32);
    size_t next = 0;
    for (size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        const Placeholder p = ReadPlaceholder(format, i);
        switch (p.kind) {
            case Placeholder::Kind::kPercent: out += '%'; break;
            case Placeholder::Kind::kAsWritten: out.append(format.substr(i, p.end - i)); break;
            case Placeholder::Kind::kArgument:
                if (next < args.size()) out += FormatOne(p.field, p.conversion, args[next]);
                ++next;
                break;
        }
        i = p.end;
    }
    return out;
}

std::vector<std::string> FormatPlaceholders(std::string_view format) {
    std::vector<std::string> placeholders;
    for (size_t i = format.find('%'); i != std::string_view::npos; i = format.find('%', i)) {
        Placeholder p = ReadPlaceholder(format, i);
        if (p.kind == Placeholder::Kind::kArgument) placeholders.push_back(std::move(p.written));
        i = p.end;
    }
    return placeholders;
}
