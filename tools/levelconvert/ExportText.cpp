#include "ExportText.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "ExportScene.h"
#include "LevelText.h"

namespace exporttext {

std::string readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw ConvertError(path, 0, "cannot be opened");
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        throw ConvertError(path, 0, "cannot be read");
    }
    return std::move(text).str();
}

std::string_view trim(std::string_view text) {
    std::size_t start = 0, end = text.size();
    while (start < end && leveltext::isWhiteSpace(text[start])) {
        ++start;
    }
    while (end > start && leveltext::isWhiteSpace(text[end - 1])) {
        --end;
    }
    return text.substr(start, end - start);
}

std::string_view keywordOf(std::string_view statement) {
    return leveltext::firstWord(statement);
}

std::string_view restAfter(std::string_view statement, std::string_view keyword) {
    return trim(statement.substr(keyword.size()));
}

std::string_view StatementReader::nextLine() {
    const char* start = m_text.data() + m_position;
    const std::size_t left = m_text.size() - m_position;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', left));
    const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : left;
    m_position += newline ? length + 1 : length;
    ++m_nextLine;
    m_longestLine = std::max(m_longestLine, length);
    return std::string_view(start, length);
}

bool StatementReader::next(std::string_view& statement) {
    while (m_position < m_text.size()) {
        m_statementLine = m_nextLine;
        m_longestLine = 0;
        std::string_view line = trim(nextLine());
        if (line.empty()) {
            continue;
        }
        if (line.back() != '\\' || line.front() == '#') {
            statement = line;
            return true;
        }
        // A continued statement: rare, so joined in a buffer of its own.
        m_joined.assign(line.substr(0, line.size() - 1));
        while (m_position < m_text.size()) {
            line = trim(nextLine());
            const bool continues = !line.empty() && line.back() == '\\';
            m_joined += ' ';
            m_joined.append(continues ? line.substr(0, line.size() - 1) : line);
            if (!continues) {
                break;
            }
        }
        statement = trim(m_joined);
        if (!statement.empty()) {
            return true;
        }
    }
    return false;
}

} // namespace exporttext
