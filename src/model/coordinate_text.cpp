#include "model/coordinate_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/entry_name.h"

namespace wayloom {

namespace {

// Exponents beyond this over- or underflow any double; larger ones are taken as this.
constexpr long long MaxExponent = 1000000000;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsCSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

bool IsMinuteMark(char16_t c) {
    return c == u'\'' || c == u'\u0092' || c == u'\u00B4' || c == u'\u2019' || c == u'\u2032' ||
           c == u'\uFF07' || c == u'\u3001';
}
bool IsSecondMark(char16_t c) {
    return c == u'"' || c == u'\u0094' || c == u'\u201D' || c == u'\u301E' || c == u'\uFF02' || c == u'\u2033';
}
bool IsDegreeMark(char16_t c) {
    return c == u'\u00B0' || c == u'\u02DA' || c == u'\u2218' || c == u'\u309C' || c == u'\uFF9F';
}
bool IsCompassLetter(char16_t c) { return c == u'E' || c == u'W' || c == u'S' || c == u'N'; }
bool IsNegativeLetter(char16_t c) { return c == u'W' || c == u'S'; }

bool InCoordinateAlphabet(char16_t c) {
    return c == u'-' || c == u'+' || c == u'.' || c == u' ' || IsMinuteMark(c) || IsSecondMark(c) ||
           IsDegreeMark(c) || IsCompassLetter(c);
}

void AppendAscii(std::u16string& out, const char* begin, const char* end) {
    for (const char* p = begin; p != end; ++p) out.push_back(static_cast<char16_t>(*p));
}

// Integer part of a non-negative value, zero-padded to `width` digits. Written from the double so
// that no value, however large, is converted to an integer type.
void AppendWhole(std::u16string& out, double value, int width) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::trunc(value), std::chars_format::fixed, 0);
    for (auto digits = result.ptr - buffer; digits < width; ++digits) out.push_back(u'0');
    AppendAscii(out, buffer, result.ptr);
}

// Scales degrees to 1e-5 degree, rounding half away from zero; stays a double so that the range
// check happens before any conversion to an integer.
double RoundScaled(double scaled) { return std::trunc(scaled < 0 ? scaled - 0.5 : scaled + 0.5); }

// What strtod gives for a number that no double holds: infinity on overflow, zero on underflow,
// each with the number's sign. `ascii` is the accepted prefix: sign, digits, point, exponent.
double OutOfRangeValue(std::string_view ascii) {
    const bool negative = ascii.front() == '-';
    const std::size_t exponentAt = ascii.find('e');
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        const char* first = ascii.data() + exponentAt + 1;
        const bool negativeExponent = *first == '-';
        if (negativeExponent) ++first;
        if (std::from_chars(first, ascii.data() + ascii.size(), exponent).ec != std::errc{} ||
            exponent > MaxExponent)
            exponent = MaxExponent;
        if (negativeExponent) exponent = -exponent;
    }
    const std::string_view mantissa = ascii.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_of("123456789");
    // Decimal order of magnitude of the leading significant digit.
    const long long order = firstNonZero < point ? static_cast<long long>(point - firstNonZero) - 1
                                                 : -static_cast<long long>(firstNonZero - point);
    const double magnitude = order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

// Parts of a coordinate being parsed: where each token starts in the number part, if filled.
struct CoordinateSlots {
    static constexpr std::size_t Empty = std::u16string::npos;
    std::size_t degrees = Empty;
    std::size_t minutes = Empty;
    std::size_t seconds = Empty;

    // What a blank (or the end of the text) does with the token before it.
    void assignAfterBlank(std::size_t token) {
        if (seconds != Empty) return;
        if (minutes != Empty)
            seconds = token;
        else if (degrees != Empty)
            minutes = token;
        else
            degrees = token;
    }
};

}  // namespace

double ReadLeadingNumber(std::u16string_view text, std::size_t* consumed) {
    if (consumed) *consumed = 0;
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    std::string ascii;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') ascii.push_back('-');
        ++i;
    }
    std::size_t digits = 0;
    auto takeDigits = [&] {
        while (i < text.size() && IsDigit(text[i])) {
            ascii.push_back(static_cast<char>(text[i++]));
            ++digits;
        }
    };
    takeDigits();
    if (i < text.size() && text[i] == u'.') {
        ascii.push_back('.');
        ++i;
        takeDigits();
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        // The exponent counts only with at least one digit after its optional sign.
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            ascii.push_back('e');
            if (text[i + 1] == u'-') ascii.push_back('-');
            i = j;
            while (i < text.size() && IsDigit(text[i])) ascii.push_back(static_cast<char>(text[i++]));
        }
    }
    if (consumed) *consumed = i;

    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = OutOfRangeValue(ascii);
    }
    return value;
}

std::u16string FormatFiveDecimals(double value) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    std::u16string text;
    AppendAscii(text, buffer, result.ptr);
    return text;
}

void FormatScaledFiveDecimals(std::int64_t scaled, std::u16string& text) {
    // Digits are written from the last one backwards: five decimals, the point, the whole degrees.
    char16_t buffer[32];
    char16_t* first = buffer + sizeof buffer / sizeof buffer[0];
    std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : scaled;
    for (int i = 0; i < 5; ++i, magnitude /= 10) *--first = static_cast<char16_t>(u'0' + magnitude % 10);
    *--first = u'.';
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (scaled < 0) *--first = u'-';
    text.assign(first, buffer + sizeof buffer / sizeof buffer[0]);
}

std::u16string FormatDms(double degrees) {
    std::u16string text;
    if (degrees < 0) {
        text.push_back(u'-');
        degrees = -degrees;
    }
    // Bring the value to whole 1e-5 degree first, then add half a hundredth of a second so that
    // truncating the seconds rounds them.
    const double scaled = std::trunc(degrees * 100000 + 0.5);
    const double v = scaled / 100000 + 0.000001388888888888889;
    const double whole = std::trunc(v);
    const double f1 = (v - whole) * 60;
    const double minutes = std::trunc(f1);
    const double f2 = (f1 - minutes) * 60;
    const double seconds = std::trunc(f2);
    const double hundredths = std::trunc((f2 - seconds) * 100);
    AppendWhole(text, whole, 1);
    text += u"\u00B0 ";
    AppendWhole(text, minutes, 2);
    text += u"' ";
    AppendWhole(text, seconds, 2);
    text.push_back(u'.');
    AppendWhole(text, hundredths, 2);
    text.push_back(u'"');
    return text;
}

void AddCompassLetter(std::u16string& text, CoordinateKind kind, const CoordinateDisplay& display) {
    if (!display.compass) return;
    const bool positive = text.empty() || text[0] != u'-';
    if (!positive) text.erase(0, 1);
    char16_t letter;
    if (kind == CoordinateKind::Lng)
        letter = positive ? u'E' : u'W';
    else
        letter = positive ? u'N' : u'S';
    text.insert(0, {letter, u' '});
}

void StripCompassLetter(std::u16string& text) {
    if (text.empty() || text[0] == u'-' || IsDigit(text[0])) return;
    if (text[0] == u'S' || text[0] == u'W') {
        text[0] = u'-';
        if (text.size() > 1) text.erase(1, 1);
    } else {
        text.erase(0, 2);
    }
}

std::u16string FormatCoordinate(CoordinateKind kind, double degrees, const CoordinateDisplay& display) {
    std::u16string text = display.dms ? FormatDms(degrees) : FormatFiveDecimals(degrees);
    AddCompassLetter(text, kind, display);
    return text;
}

std::optional<std::u16string> FormatCheckedCoordinate(bool isScaled, double value, CoordinateKind kind,
                                                      const CoordinateDisplay& display) {
    const double scaled = RoundScaled(isScaled ? value : value * 100000);
    const double limit = kind == CoordinateKind::Lng ? MaxScaledLng : MaxScaledLat;
    // Written so that NaN fails too.
    if (!(scaled >= -limit && scaled <= limit)) return std::nullopt;
    return FormatCoordinate(kind, isScaled ? value / 100000 : value, display);
}

bool ParseCoordinate(std::u16string_view source, CoordinateKind kind, const CoordinateDisplay& display,
                     std::u16string& destination) {
    if (source.empty()) return false;
    std::u16string text(source);  // source may view destination
    if (TrimText(text) == 0) return false;

    for (char16_t& c : text) {
        if (IsDigit(c)) continue;
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (!InCoordinateAlphabet(c)) return false;
        if (kind == CoordinateKind::Lng && (c == u'N' || c == u'S')) return false;
        if (kind == CoordinateKind::Lat && (c == u'E' || c == u'W')) return false;
    }

    std::size_t at = 0;
    char16_t hemisphere = 0;
    if (IsCompassLetter(text[0])) {
        hemisphere = text[0];
        at = 1;
        while (at < text.size() && text[at] == u' ') ++at;
        if (at == text.size()) return false;
    }
    std::u16string number = text.substr(at);
    if (number[0] == u'-' || number[0] == u'+') {
        if (number.size() == 1) return false;
        std::size_t blanks = 1;
        while (blanks < number.size() && number[blanks] == u' ') ++blanks;
        number.erase(1, blanks - 1);
        if (number.size() == 1) return false;
    }
    const std::size_t firstDigit = (number[0] == u'-' || number[0] == u'+') ? 1 : 0;
    if (!IsDigit(number[firstDigit]) && number[firstDigit] != u'.') return false;

    CoordinateSlots slots;
    char16_t innerLetter = 0;
    std::size_t token = 0;
    bool tokenOpen = true;
    for (std::size_t i = 0; i < number.size();) {
        const char16_t c = number[i];
        const bool blank = c == u' ';
        if (blank || IsDegreeMark(c) || IsMinuteMark(c) || IsSecondMark(c)) {
            if (blank)
                slots.assignAfterBlank(token);
            else {
                std::size_t& slot = IsDegreeMark(c) ? slots.degrees : IsMinuteMark(c) ? slots.minutes : slots.seconds;
                if (slot == CoordinateSlots::Empty) slot = token;
            }
            ++i;
            while (i < number.size() && number[i] == u' ') ++i;
            token = i;
            tokenOpen = i < number.size();
            continue;
        }
        if (IsCompassLetter(c) && innerLetter == 0) innerLetter = c;
        ++i;
    }
    if (tokenOpen) slots.assignAfterBlank(token);

    auto read = [&](std::size_t start) {
        return start == CoordinateSlots::Empty ? 0.0 : ReadLeadingNumber(std::u16string_view(number).substr(start));
    };
    double degrees = read(slots.degrees);
    double minutes = read(slots.minutes) / 60;
    double seconds = read(slots.seconds) / 3600;

    // The first part carries a typed minus; a compass letter, leading or inside, beats it.
    const char16_t letter = hemisphere ? hemisphere : innerLetter;
    bool negative = letter != 0 && IsNegativeLetter(letter);
    double& first = slots.degrees == 0 ? degrees : slots.minutes == 0 ? minutes : seconds;
    if (first < 0) {
        first = -first;
        if (letter == 0) negative = true;
    } else if (first == 0 && letter == 0 && number[0] == u'-') {
        negative = true;
    }

    double result = degrees + minutes + seconds;
    if (negative) result = -result;
    if (result > -0.000005 && result <= 0) result = 0;

    if (kind == CoordinateKind::Either) {
        destination = FormatFiveDecimals(result);
        return true;
    }
    std::optional<std::u16string> formatted = FormatCheckedCoordinate(false, result, kind, display);
    if (!formatted) return false;
    destination = std::move(*formatted);
    return true;
}

double ReadCoordinateText(std::u16string& text) {
    StripCompassLetter(text);
    std::u16string_view rest(text);
    const bool negative = !rest.empty() && rest[0] == u'-';
    if (negative) rest.remove_prefix(1);
    double value = ReadLeadingNumber(rest);
    const std::size_t firstBlank = rest.find(u' ');
    if (firstBlank != std::u16string_view::npos) {
        value += ReadLeadingNumber(rest.substr(firstBlank + 1)) / 60;
        const std::size_t secondBlank = rest.find(u' ', firstBlank + 1);
        if (secondBlank != std::u16string_view::npos) value += ReadLeadingNumber(rest.substr(secondBlank + 1)) / 3600;
    }
    return negative ? -value : value;
}

double ReadDisplayedCoordinate(std::u16string_view text, const CoordinateDisplay& display) {
    if (display.dms) {
        std::u16string copy(text);
        return ReadCoordinateText(copy);
    }
    // StripCompassLetter and a decimal read, without copying the text (this runs for every row
    // whenever distances are recomputed).
    if (text.empty() || text[0] == u'-' || IsDigit(text[0])) return ReadLeadingNumber(text);
    const std::u16string_view rest = text.substr(std::min<std::size_t>(2, text.size()));
    if (text[0] != u'S' && text[0] != u'W') return ReadLeadingNumber(rest);
    // The letter became a minus sign directly in front of the rest.
    if (rest.empty() || !(IsDigit(rest[0]) || rest[0] == u'.')) return 0;
    return -ReadLeadingNumber(rest);
}

ScaledCoordinate ReadScaledCoordinate(std::u16string_view text, const CoordinateDisplay& display) {
    const double scaled = RoundScaled(ReadDisplayedCoordinate(text, display) * 100000);
    // Cells hold values in range; anything else is clamped rather than converted out of range.
    using Limits = std::numeric_limits<ScaledCoordinate>;
    if (std::isnan(scaled)) return 0;
    if (scaled <= Limits::min()) return Limits::min();
    if (scaled >= Limits::max()) return Limits::max();
    return static_cast<ScaledCoordinate>(scaled);
}

void ToPlainDecimal(std::u16string& text, const CoordinateDisplay& display) {
    // An empty cell stays empty rather than turning into a zero coordinate.
    if (text.empty()) return;
    if (display.dms)
        text = FormatFiveDecimals(ReadCoordinateText(text));
    else if (display.compass)
        StripCompassLetter(text);
}

void ReformatCoordinateText(std::u16string& text, CoordinateKind kind, const CoordinateDisplay& display) {
    if (text.empty()) return;
    if (display.dms) text = FormatDms(ReadLeadingNumber(text));
    AddCompassLetter(text, kind, display);
}

bool IsPlainNumber(std::u16string& text) {
    TrimText(text);
    bool digit = false;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsDigit(c))
            digit = true;
        else if (c == u'.' && !point)
            point = true;
        else if (!((c == u'+' || c == u'-') && i == 0))
            return false;
    }
    return digit;
}

}  // namespace wayloom
