// Reading level text fast without changing what a statement means. Numbers
// that the inline plain-decimal path does not take go through
// std::from_chars, which rounds exactly as strtof does, and only the
// spellings it does not take ("+1", hexadecimal, out-of-range values) fall
// back to strtof itself.
#include "LevelText.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace leveltext {

namespace {

// Large enough that refilling is rare, small enough to stay in the cache.
constexpr std::size_t kBufferSize = 1 << 17;

} // namespace

LineReader::LineReader()
    : m_buffer(new char[kBufferSize]), m_position(m_buffer.get()), m_end(m_buffer.get()) {}

bool LineReader::open(const char* path) {
    m_file.open(path, std::ios::binary);
    std::error_code error;
    return m_file.is_open() && std::filesystem::is_regular_file(path, error);
}

bool LineReader::refill() {
    if (m_fileEnded) {
        return false;
    }
    const std::size_t kept = buffered();
    std::memmove(m_buffer.get(), m_position, kept);
    m_file.read(m_buffer.get() + kept, static_cast<std::streamsize>(kBufferSize - kept));
    const auto added = static_cast<std::size_t>(m_file.gcount());
    m_fileEnded = !m_file;
    m_position = m_buffer.get();
    m_end = m_buffer.get() + kept + added;
    return added > 0;
}

bool LineReader::next(std::string_view& line) {
    if (m_stoppedAtLongLine) {
        return false;
    }
    do {
        while (m_position != m_end && isWhiteSpace(*m_position)) {
            if (*m_position == '\n') {
                ++m_nextLineNumber;
            }
            ++m_position;
        }
    } while (m_position == m_end && refill());
    if (m_position == m_end) {
        return false;
    }
    m_lineNumber = m_nextLineNumber;
    // The whole of the longest line and the character after it must be in
    // the buffer to tell whether the line ends in time.
    if (buffered() <= kLongestLine) {
        refill();
    }
    const char* start = m_position;
    const auto* newline =
        static_cast<const char*>(std::memchr(start, '\n', std::min(buffered(), kLongestLine + 1)));
    const char* lineEnd = m_end;
    if (newline != nullptr) {
        lineEnd = newline;
        m_position = newline + 1;
        ++m_nextLineNumber;
    } else if (buffered() <= kLongestLine) {
        m_position = m_end;
    } else {
        m_stoppedAtLongLine = true;
        m_longLineStart.assign(start, kLongestLine);
        return false;
    }
    // The statement is a C string to the format it is described with, so a
    // NUL inside the line ends it.
    const auto* nul = static_cast<const char*>(
        std::memchr(start, '\0', static_cast<std::size_t>(lineEnd - start)));
    line = std::string_view(start, static_cast<std::size_t>((nul ? nul : lineEnd) - start));
    return true;
}

bool FieldReader::readAnyFloat(float& value) {
    const char* start = m_position;
    if (start != m_end && *start == '+') {
        ++start;
        if (start == m_end || *start == '+' || *start == '-') {
            return false;
        }
    }
    const auto [next, error] = std::from_chars(start, m_end, value);
    if (error == std::errc::invalid_argument) {
        return false;
    }
    const bool hexadecimal = next != m_end && (*next == 'x' || *next == 'X');
    if (error == std::errc() && !hexadecimal) {
        m_position = next;
        return true;
    }
    // Lines are short, so the rest of the line fits a terminated copy.
    char copy[kLongestLine + 1];
    const auto length = std::min(static_cast<std::size_t>(m_end - m_position), kLongestLine);
    std::memcpy(copy, m_position, length);
    copy[length] = '\0';
    char* end = nullptr;
    value = std::strtof(copy, &end);
    if (end == copy) {
        return false;
    }
    m_position += end - copy;
    return true;
}

bool FieldReader::readWord(std::string_view& word) {
    skipWhiteSpace();
    const char* start = m_position;
    while (m_position != m_end && !isWhiteSpace(*m_position)) {
        ++m_position;
    }
    word = std::string_view(start, static_cast<std::size_t>(m_position - start));
    return !word.empty();
}

std::string_view firstWord(std::string_view line) {
    std::size_t length = 0;
    while (length < line.size() && !isWhiteSpace(line[length])) {
        ++length;
    }
    return line.substr(0, length);
}

} // namespace leveltext
