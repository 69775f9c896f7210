// The line discipline of the level files and the field readers that parse a
// statement, kept apart from what the statements mean.
//
// A level file is read in large blocks and its statements are parsed in
// place: no allocation per line, since a level has hundreds of thousands.
// The field readers behave like the scanf conversions the format is
// described with ("%f", "%d", "%s"), including their white-space skipping.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace leveltext {

// The longest statement the loader takes; a longer line ends the file there.
constexpr std::size_t kLongestLine = 255;

// Walks a level file statement by statement through a fixed buffer, so
// that a file of any size costs no more memory than one buffer.
class LineReader {
  public:
    LineReader();

    // False when the file cannot be opened or is not a regular file (a
    // directory or a device cannot hold a level, and a device may never end).
    bool open(const char* path);

    // The next statement, leading white space and blank lines skipped, cut
    // at the first NUL; valid until the next call. False at the end of the
    // file, and at a line longer than kLongestLine, where reading stops for
    // good.
    bool next(std::string_view& line);
    // The 1-based line of the file that next() last returned or stopped at.
    std::size_t lineNumber() const { return m_lineNumber; }
    bool stoppedAtLongLine() const { return m_stoppedAtLongLine; }
    // The first kLongestLine characters of the line that stopped reading.
    const std::string& longLineStart() const { return m_longLineStart; }

  private:
    // Moves what is unread to the front of the buffer and reads on behind
    // it; false when the file has nothing more.
    bool refill();
    std::size_t buffered() const { return static_cast<std::size_t>(m_end - m_position); }

    std::ifstream m_file;
    std::unique_ptr<char[]> m_buffer;
    const char* m_position = nullptr;
    const char* m_end = nullptr;
    bool m_fileEnded = false;
    std::size_t m_lineNumber = 0;
    std::size_t m_nextLineNumber = 1;
    bool m_stoppedAtLongLine = false;
    std::string m_longLineStart;
};

// As isspace() in the "C" locale.
inline bool isWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the fields of one statement, left to right. The common spellings
// are parsed inline; a level has millions of fields.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text)
        : m_position(text.data()), m_end(text.data() + text.size()) {}

    // "%f": white space, then a number as strtof reads it.
    bool readFloat(float& value) {
        skipWhiteSpace();
        return readPlainDecimal(value) || readAnyFloat(value);
    }
    // "%d": white space, then a decimal integer. Values beyond what any list
    // can hold saturate instead of overflowing; callers reject them.
    bool readInteger(long long& value);
    // "%s": white space, then everything up to the next white space.
    bool readWord(std::string_view& word);
    // A literal character of the format, which must follow immediately.
    bool readLiteral(char literal) {
        if (m_position == m_end || *m_position != literal) {
            return false;
        }
        ++m_position;
        return true;
    }
    // White space in the format: any amount, none included.
    void skipWhiteSpace() {
        while (m_position != m_end && isWhiteSpace(*m_position)) {
            ++m_position;
        }
    }

  private:
    // [-+]digits[.digits] with few enough digits that one float division
    // rounds exactly as strtof does; false (reading nothing) otherwise.
    bool readPlainDecimal(float& value);
    // Every other spelling strtof takes.
    bool readAnyFloat(float& value);

    const char* m_position;
    const char* m_end;
};

// Beyond any index a list can hold, yet far from overflowing when another
// digit is appended.
constexpr long long kSaturatedInteger = 100'000'000'000'000'000LL;

inline bool FieldReader::readInteger(long long& value) {
    skipWhiteSpace();
    const char* p = m_position;
    const bool negative = p != m_end && *p == '-';
    if (p != m_end && (*p == '-' || *p == '+')) {
        ++p;
    }
    if (p == m_end || !isDigit(*p)) {
        return false;
    }
    long long magnitude = 0;
    for (; p != m_end && isDigit(*p); ++p) {
        if (magnitude < kSaturatedInteger) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    value = negative ? -magnitude : magnitude;
    m_position = p;
    return true;
}

inline bool FieldReader::readPlainDecimal(float& value) {
    // Integers up to 2^24 and powers of ten up to 10^10 are exact floats, and
    // an IEEE division of exact operands is correctly rounded.
    constexpr std::uint32_t kExactInteger = 1u << 24;
    constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                      1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const char* p = m_position;
    const bool negative = p != m_end && *p == '-';
    if (p != m_end && (*p == '-' || *p == '+')) {
        ++p;
    }
    std::uint32_t digits = 0;
    int integerDigits = 0, fractionDigits = 0;
    for (; p != m_end && isDigit(*p) && digits < kExactInteger; ++p, ++integerDigits) {
        digits = digits * 10 + static_cast<std::uint32_t>(*p - '0');
    }
    if (p != m_end && *p == '.') {
        for (++p; p != m_end && isDigit(*p) && digits < kExactInteger; ++p, ++fractionDigits) {
            digits = digits * 10 + static_cast<std::uint32_t>(*p - '0');
        }
    }
    const bool plain = integerDigits + fractionDigits > 0 && digits <= kExactInteger &&
                       fractionDigits <= 10 && (p == m_end || isWhiteSpace(*p));
    if (!plain) {
        return false;
    }
    const float magnitude = static_cast<float>(digits) / kPowersOfTen[fractionDigits];
    value = negative ? -magnitude : magnitude;
    m_position = p;
    return true;
}

// The first word of a statement ("v", "vt", "map_Kd", ...).
std::string_view firstWord(std::string_view line);

} // namespace leveltext
