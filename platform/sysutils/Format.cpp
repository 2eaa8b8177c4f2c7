#include "platform/sysutils/Format.h"

#include "platform/core/Exceptions.h"
#include "platform/sysutils/FloatConv.h"

namespace rt {

namespace {

struct Directive {
    bool leftJustify = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

// Walks one format text, keeping the position in it and in the arguments.
class Formatter {
public:
    Formatter(std::string_view format, std::span<const FormatArg> args, const TFormatSettings& settings)
        : format_(format), args_(args), settings_(settings) {}

    std::string Run() {
        out_.reserve(format_.size() + 16);
        while (pos_ < format_.size()) {
            size_t next = format_.find('%', pos_);
            if (next == std::string_view::npos) next = format_.size();
            out_.append(format_.substr(pos_, next - pos_));
            pos_ = next;
            if (pos_ >= format_.size()) break;
            ++pos_;
            if (pos_ < format_.size() && format_[pos_] == '%') {
                out_ += '%';
                ++pos_;
                continue;
            }
            Directive directive = ParseDirective();
            Pad(Convert(directive), directive);
        }
        return std::move(out_);
    }

private:
    [[noreturn]] void Fail() const {
        throw EConvertError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
    }

    const FormatArg& NextArg() {
        if (argIndex_ >= args_.size()) Fail();
        return args_[argIndex_++];
    }

    bool AtNumber() const {
        return pos_ < format_.size() && (format_[pos_] == '*' || (format_[pos_] >= '0' && format_[pos_] <= '9'));
    }

    int ReadNumber() {
        if (format_[pos_] == '*') {
            ++pos_;
            const FormatArg& arg = NextArg();
            if (!arg.IsInteger()) Fail();
            return static_cast<int>(arg.AsInt64());
        }
        int value = 0;
        while (pos_ < format_.size() && format_[pos_] >= '0' && format_[pos_] <= '9') {
            if (value < 100000000) value = value * 10 + (format_[pos_] - '0');
            ++pos_;
        }
        return value;
    }

    Directive ParseDirective() {
        Directive d;
        bool haveWidth = false;
        if (AtNumber()) {
            int number = ReadNumber();
            if (pos_ < format_.size() && format_[pos_] == ':') {
                ++pos_;
                if (number < 0) Fail();
                argIndex_ = static_cast<size_t>(number);
            } else {
                d.width = number;
                haveWidth = true;
            }
        }
        if (!haveWidth) {
            if (pos_ < format_.size() && format_[pos_] == '-') {
                d.leftJustify = true;
                ++pos_;
            }
            if (AtNumber()) d.width = ReadNumber();
        }
        // A negative width taken from the arguments justifies to the left.
        if (d.width < -1 || (d.width == -1 && haveWidth)) {
            d.leftJustify = true;
            d.width = -d.width;
        }
        if (pos_ < format_.size() && format_[pos_] == '.') {
            ++pos_;
            d.precision = AtNumber() ? ReadNumber() : 0;
        }
        if (pos_ >= format_.size()) Fail();
        char type = format_[pos_++];
        d.type = (type >= 'a' && type <= 'z') ? static_cast<char>(type - 32) : type;
        return d;
    }

    std::string Convert(const Directive& d) {
        const FormatArg& arg = NextArg();
        switch (d.type) {
            case 'D': return Integer(arg, d, Radix::Signed);
            case 'U': return Integer(arg, d, Radix::Unsigned);
            case 'X': return Integer(arg, d, Radix::Hex);
            case 'E':
            case 'F':
            case 'G':
            case 'N':
            case 'M': return Float(arg, d);
            case 'S': return Text(arg, d);
            case 'P': return Pointer(arg);
            default: Fail();
        }
    }

    enum class Radix { Signed, Unsigned, Hex };

    std::string Integer(const FormatArg& arg, const Directive& d, Radix radix) {
        if (!arg.IsInteger()) Fail();
        bool negative = false;
        uint64_t magnitude = arg.AsUInt64();
        // Negative 32-bit values show as 32-bit unsigned, as they did on the original.
        if (arg.GetKind() == FormatArg::Kind::Int32 && radix != Radix::Signed) magnitude &= 0xFFFFFFFFull;
        if (radix == Radix::Signed && arg.GetKind() != FormatArg::Kind::UInt64 && arg.AsInt64() < 0) {
            negative = true;
            magnitude = 0 - magnitude;
        }
        std::string digits = radix == Radix::Hex ? Hex(magnitude) : std::to_string(magnitude);
        if (d.precision > static_cast<int>(digits.size())) digits.insert(0, d.precision - digits.size(), '0');
        if (negative) digits.insert(digits.begin(), '-');
        return digits;
    }

    static std::string Hex(uint64_t value) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        char buffer[16];
        int n = 0;
        do {
            buffer[15 - n++] = kDigits[value & 0xF];
            value >>= 4;
        } while (value != 0);
        return std::string(buffer + 16 - n, static_cast<size_t>(n));
    }

    std::string Float(const FormatArg& arg, const Directive& d) {
        if (arg.GetKind() != FormatArg::Kind::Float) Fail();
        double value = arg.AsFloat();
        switch (d.type) {
            case 'E': return FloatToStrF(value, ffExponent, d.precision < 0 ? 15 : d.precision, 3, settings_);
            case 'G': return FloatToStrF(value, ffGeneral, d.precision < 0 ? 15 : d.precision, 0, settings_);
            case 'F': return FloatToStrF(value, ffFixed, 18, d.precision < 0 ? 2 : d.precision, settings_);
            case 'N': return FloatToStrF(value, ffNumber, 18, d.precision < 0 ? 2 : d.precision, settings_);
            default:
                return FloatToStrF(value, ffCurrency, 18, d.precision < 0 ? settings_.CurrencyDecimals : d.precision,
                                   settings_);
        }
    }

    std::string Text(const FormatArg& arg, const Directive& d) {
        if (arg.GetKind() != FormatArg::Kind::String) Fail();
        std::string_view text = arg.AsText();
        if (d.precision >= 0 && static_cast<size_t>(d.precision) < text.size()) {
            // Never cut a UTF-8 sequence: back off to the start of the character.
            size_t cut = static_cast<size_t>(d.precision);
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
            text = text.substr(0, cut);
        }
        return std::string(text);
    }

    std::string Pointer(const FormatArg& arg) {
        if (arg.GetKind() != FormatArg::Kind::Pointer) Fail();
        std::string digits = Hex(arg.AsUInt64());
        digits.insert(0, 2 * sizeof(void*) - digits.size(), '0');
        return digits;
    }

    void Pad(const std::string& text, const Directive& d) {
        size_t fill = d.width > static_cast<int>(text.size()) ? d.width - text.size() : 0;
        if (!d.leftJustify) out_.append(fill, ' ');
        out_ += text;
        if (d.leftJustify) out_.append(fill, ' ');
    }

    std::string_view format_;
    std::span<const FormatArg> args_;
    const TFormatSettings& settings_;
    size_t pos_ = 0;
    size_t argIndex_ = 0;
    std::string out_;
};

}  // namespace

std::string Format(std::string_view format, std::span<const FormatArg> args, const TFormatSettings& settings) {
    return Formatter(format, args, settings).Run();
}

std::string Format(std::string_view format, std::span<const FormatArg> args) {
    return Format(format, args, FormatSettings());
}

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
    return Format(format, std::span<const FormatArg>(args.begin(), args.size()), FormatSettings());
}

}  // namespace rt
