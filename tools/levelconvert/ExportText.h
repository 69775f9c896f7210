// The text of an export: whole files split into statements, whatever their
// line ends (LF, CRLF), indentation or length, with "\" continuations joined.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace exporttext {

// The whole file; throws ConvertError when it cannot be read.
std::string readWholeFile(const std::string& path);

class StatementReader {
  public:
    explicit StatementReader(std::string_view text) : m_text(text) {}
    // The next non-empty statement, trimmed at both ends; valid until the
    // next call. False at the end of the text.
    bool next(std::string_view& statement);
    // The 1-based line the statement starts on.
    std::size_t line() const { return m_statementLine; }
    // The length of the statement's longest physical line.
    std::size_t longestLine() const { return m_longestLine; }

  private:
    std::string_view nextLine();

    std::string_view m_text;
    std::size_t m_position = 0;
    std::size_t m_nextLine = 1;
    std::size_t m_statementLine = 0;
    std::size_t m_longestLine = 0;
    std::string m_joined;
};

std::string_view trim(std::string_view text);
// The first word and the rest of the statement, trimmed.
std::string_view keywordOf(std::string_view statement);
std::string_view restAfter(std::string_view statement, std::string_view keyword);

} // namespace exporttext
