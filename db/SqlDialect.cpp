#include "db/SqlDialect.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) {
            ++i;
        }
        const size_t start = i;
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) == 0) {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

std::string AlterColumnProbe(std::string_view statement) {
    // ALTER TABLE <table> ALTER COLUMN <column> <type...>
    const auto words = Words(statement);
    if (words.size() < 6 || words[0] != "ALTER" || words[1] != "TABLE" || words[3] != "ALTER" ||
        words[4] != "COLUMN") {
        return std::string(statement);
    }
    return "SELECT " + std::string(words[5]) + " FROM " + std::string(words[2]) + " LIMIT 0";
}

std::string MoveTableConstraintLast(std::string_view statement) {
    constexpr std::string_view kClause = ",PRIMARY KEY (";
    const size_t begin = statement.find(kClause);
    const size_t listEnd = statement.rfind(')');
    if (begin == std::string_view::npos || listEnd == std::string_view::npos) {
        return std::string(statement);
    }
    const size_t clauseEnd = statement.find(')', begin + kClause.size());
    if (clauseEnd == std::string_view::npos || clauseEnd + 1 >= listEnd) {
        return std::string(statement); // already the last element
    }
    const std::string_view clause = statement.substr(begin, clauseEnd + 1 - begin);
    std::string out(statement.substr(0, begin));
    out.append(statement.substr(clauseEnd + 1, listEnd - clauseEnd - 1));
    out.append(clause);
    out.append(statement.substr(listEnd));
    return out;
}

} // namespace

std::string ToSqliteDialect(std::string_view statement) {
    if (StartsWith(statement, "ALTER TABLE ") &&
        statement.find(" ALTER COLUMN ") != std::string_view::npos) {
        return AlterColumnProbe(statement);
    }
    if (StartsWith(statement, "CREATE TABLE ")) {
        return MoveTableConstraintLast(statement);
    }
    return std::string(statement);
}
