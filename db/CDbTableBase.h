#pragma once

#include "db/CDbConnection.h"

#include <cstdint>
#include <vector>

// What the four table objects and the join query share: a link to the one
// connection and the engine's answer to the most recent statement made
// through this object.
class CDbTableBase {
public:
    CDbTableBase() = default;
    virtual ~CDbTableBase() = default;

    void SetConnection(CDbConnection* connection) { m_connection = connection; }
    int32_t LastResult() const { return m_lastResult; }

protected:
    int32_t Execute(std::string_view sql, std::initializer_list<DbValue> params = {}) {
        if (m_connection == nullptr) {
            return 1;
        }
        return m_connection->ExecuteCommand(m_lastResult, sql, params);
    }

    // Runs a query and appends one `Row` per result row (Row::FromRow builds it);
    // `out` is untouched when the query fails.
    template <class Row>
    int32_t QueryRows(std::string_view sql, std::initializer_list<DbValue> params,
                      std::vector<Row>& out) {
        if (m_connection == nullptr) {
            return 1;
        }
        std::vector<Row> rows;
        const int32_t rc = m_connection->OpenQuery(
            m_lastResult, sql, params, [&] { rows.clear(); },
            [&](const DbRow& row) { rows.push_back(ReadRow<Row>(row)); });
        if (rc == 0) {
            out.insert(out.end(), std::make_move_iterator(rows.begin()),
                       std::make_move_iterator(rows.end()));
        }
        return rc;
    }

    template <class Row>
    static Row ReadRow(const DbRow& row);

private:
    CDbConnection* m_connection = nullptr;
    int32_t m_lastResult = 0;
};
