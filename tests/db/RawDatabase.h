#pragma once

#include <sqlite3.h>
#include <string>
#include <vector>

// Direct access to a database file with the program's key, for laying down old
// layouts and for looking behind CDbAccess.
class RawDatabase {
public:
    explicit RawDatabase(const std::string& path) {
        sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_key(m_db, "8391", 4);
    }
    ~RawDatabase() { sqlite3_close_v2(m_db); }
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    int Exec(const std::string& sql) {
        return sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    }

    // Every row of a query, each column as text ("" for NULL).
    std::vector<std::vector<std::string>> Rows(const std::string& sql) {
        std::vector<std::vector<std::string>> rows;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            return rows;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                row.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return rows;
    }

    std::vector<std::string> Columns(const std::string& table) {
        std::vector<std::string> names;
        for (const auto& row : Rows("PRAGMA table_info(" + table + ")")) {
            names.push_back(row.at(1));
        }
        return names;
    }

private:
    sqlite3* m_db = nullptr;
};
