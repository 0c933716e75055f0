#include "db/CDbConnection.h"

#include "db/SqlDialect.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

void PauseBeforeRetry(int attempt) {
    if (attempt + 1 < CDbConnection::kAttemptLimit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(CDbConnection::kAttemptPauseMs));
    }
}

// Answers that may go away on their own (another process holding a lock, a
// momentary I/O problem). A statement the engine rejects as such (syntax, no
// such column, constraint) gives the same answer every time and is not retried.
bool IsTransient(int rc) {
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_IOERR:
    case SQLITE_NOMEM:
    case SQLITE_CANTOPEN:
    case SQLITE_PROTOCOL:
    case SQLITE_FULL:
        return true;
    default:
        return false;
    }
}

bool IsAlreadyExists(sqlite3* db) {
    const std::string_view message = sqlite3_errmsg(db);
    return message.find("already exists") != std::string_view::npos;
}

} // namespace

int32_t DbRow::Int(int column) const {
    return static_cast<int32_t>(sqlite3_column_int(m_statement, column));
}

std::string DbRow::Text(int column) const {
    const auto* text = sqlite3_column_text(m_statement, column);
    if (text == nullptr) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<size_t>(sqlite3_column_bytes(m_statement, column)));
}

bool DbRow::IsNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

void CDbConnection::DbCloser::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

void CDbConnection::StatementFinalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

CDbConnection::CDbConnection() = default;

CDbConnection::~CDbConnection() {
    ReleaseDataSource();
}

void CDbConnection::ReleaseDataSource() {
    m_inTransaction = false;
    m_statements.clear(); // statements go before their connection
    m_oneShot.reset();
    m_db.reset();
}

int32_t CDbConnection::CreateDatabaseFile(const std::string& path) {
    m_path = path;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        m_lastResult = 0;
        return S_ISREG(info.st_mode) ? 0 : 2;
    }
    // An empty file is a new database: the first write lays it down encrypted.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_lastResult = errno;
        return errno == EEXIST ? 0 : 2;
    }
    close(fd);
    m_lastResult = 0;
    return 0;
}

int32_t CDbConnection::ConnectDataSource() {
    int32_t rc = 1;
    for (int attempt = 0; attempt < kAttemptLimit; ++attempt) {
        rc = OpenAndVerify();
        if (rc == SQLITE_OK) {
            break;
        }
        ReleaseDataSource();
        PauseBeforeRetry(attempt);
    }
    if (rc != SQLITE_OK) {
        return 1;
    }
    for (int attempt = 0; attempt < kAttemptLimit; ++attempt) {
        rc = ApplySessionSettings();
        if (rc == SQLITE_OK) {
            return 0;
        }
        PauseBeforeRetry(attempt);
    }
    ReleaseDataSource();
    return 2;
}

int32_t CDbConnection::OpenAndVerify() {
    ReleaseDataSource();
    sqlite3* raw = nullptr;
    // The file exists (CreateDatabaseFile); never let the engine create one.
    int rc = sqlite3_open_v2(m_path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX,
                             nullptr);
    m_db.reset(raw);
    m_lastResult = rc;
    if (rc != SQLITE_OK) {
        return rc;
    }
    sqlite3_busy_timeout(m_db.get(), m_busyTimeoutMs);
    if (sqlite3_db_readonly(m_db.get(), "main") == 1) {
        return m_lastResult = SQLITE_READONLY;
    }
    rc = sqlite3_key(m_db.get(), kPassphrase.data(), static_cast<int>(kPassphrase.size()));
    if (rc != SQLITE_OK) {
        return m_lastResult = rc;
    }
    // A wrong key or a file that is not a database only shows at the first
    // read; a damaged file only in a check of every page. Both are found here,
    // before anything could be written to the file.
    sqlite3_stmt* raw_statement = nullptr;
    rc = sqlite3_prepare_v2(m_db.get(), "PRAGMA quick_check", -1, &raw_statement, nullptr);
    StatementPtr check(raw_statement);
    if (rc != SQLITE_OK) {
        return m_lastResult = rc;
    }
    rc = sqlite3_step(check.get());
    if (rc != SQLITE_ROW) {
        return m_lastResult = rc;
    }
    const auto* answer = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
    if (answer == nullptr || std::string_view(answer) != "ok") {
        return m_lastResult = SQLITE_CORRUPT;
    }
    return m_lastResult = SQLITE_OK;
}

int32_t CDbConnection::ApplySessionSettings() {
    // Write-ahead log with synchronous=NORMAL: every committed statement
    // survives a killed process, at a small fraction of the rollback journal's
    // cost per commit.
    int rc = sqlite3_exec(m_db.get(), "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(m_db.get(), "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    }
    m_lastResult = rc;
    return rc;
}

void CDbConnection::SetBusyTimeout(int milliseconds) {
    m_busyTimeoutMs = milliseconds > 0 ? milliseconds : 0;
    if (m_db) {
        sqlite3_busy_timeout(m_db.get(), m_busyTimeoutMs);
    }
}

sqlite3_stmt* CDbConnection::Prepare(std::string_view sql, int& rc) {
    const std::string key(sql);
    if (auto it = m_statements.find(key); it != m_statements.end()) {
        rc = SQLITE_OK;
        return it->second.get();
    }
    const std::string text = ToSqliteDialect(sql);
    sqlite3_stmt* raw = nullptr;
    rc = sqlite3_prepare_v2(m_db.get(), text.c_str(), static_cast<int>(text.size()), &raw, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    // Schema statements run once; keeping them would only pin old schema.
    if (key.rfind("SELECT", 0) == 0 || key.rfind("INSERT", 0) == 0 || key.rfind("UPDATE", 0) == 0 ||
        key.rfind("DELETE", 0) == 0) {
        return m_statements.emplace(key, StatementPtr(raw)).first->second.get();
    }
    m_oneShot.reset(raw);
    return raw;
}

int CDbConnection::Bind(sqlite3_stmt* statement, std::initializer_list<DbValue> params) {
    int index = 1;
    for (const DbValue& value : params) {
        int rc = SQLITE_OK;
        if (const auto* number = std::get_if<int32_t>(&value)) {
            rc = sqlite3_bind_int(statement, index, *number);
        } else {
            const auto text = std::get<std::string_view>(value);
            rc = sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) {
            return rc;
        }
        ++index;
    }
    return SQLITE_OK;
}

bool CDbConnection::TransactionLost(int32_t& lastResult) const {
    if (m_inTransaction && sqlite3_get_autocommit(m_db.get()) != 0) {
        lastResult = SQLITE_ABORT;
        return true;
    }
    return false;
}

int32_t CDbConnection::BeginTransaction(int32_t& lastResult) {
    if (m_inTransaction) {
        lastResult = SQLITE_MISUSE;
        return 1;
    }
    const int32_t rc = ExecuteCommand(lastResult, "BEGIN IMMEDIATE");
    m_inTransaction = rc == 0;
    return rc;
}

int32_t CDbConnection::CommitTransaction(int32_t& lastResult) {
    if (!m_inTransaction || TransactionLost(lastResult)) {
        m_inTransaction = false;
        return 1;
    }
    const int32_t rc = ExecuteCommand(lastResult, "COMMIT");
    if (rc == 0 || sqlite3_get_autocommit(m_db.get()) != 0) {
        m_inTransaction = false;
    }
    return rc;
}

int32_t CDbConnection::RollbackTransaction(int32_t& lastResult) {
    if (!m_inTransaction) {
        lastResult = SQLITE_OK;
        return 0;
    }
    m_inTransaction = false;
    if (sqlite3_get_autocommit(m_db.get()) != 0) {
        lastResult = SQLITE_OK; // the engine already rolled it back
        return 0;
    }
    return ExecuteCommand(lastResult, "ROLLBACK");
}

int32_t CDbConnection::ExecuteCommand(int32_t& lastResult, std::string_view sql,
                                      std::initializer_list<DbValue> params) {
    return Run(
        lastResult, sql, params, [] {}, [](const DbRow&) {}, true);
}

int32_t CDbConnection::OpenQuery(int32_t& lastResult, std::string_view sql,
                                 std::initializer_list<DbValue> params,
                                 const std::function<void()>& beginAttempt,
                                 const std::function<void(const DbRow&)>& readRow) {
    return Run(lastResult, sql, params, beginAttempt, readRow, false);
}

int32_t CDbConnection::Run(int32_t& lastResult, std::string_view sql,
                           std::initializer_list<DbValue> params,
                           const std::function<void()>& beginAttempt,
                           const std::function<void(const DbRow&)>& readRow,
                           bool existingObjectIsSuccess) {
    if (!m_db) {
        lastResult = SQLITE_MISUSE;
        return 1;
    }
    if (TransactionLost(lastResult)) {
        return 1;
    }
    for (int attempt = 0; attempt < kAttemptLimit; ++attempt) {
        beginAttempt();
        int rc = SQLITE_OK;
        sqlite3_stmt* statement = Prepare(sql, rc);
        if (statement != nullptr) {
            rc = Bind(statement, params);
            if (rc == SQLITE_OK) {
                const DbRow row(statement);
                while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
                    readRow(row);
                }
                if (rc == SQLITE_DONE) {
                    rc = SQLITE_OK;
                }
            }
            if (rc != SQLITE_OK) {
                rc = sqlite3_errcode(m_db.get());
            }
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
        }
        m_oneShot.reset();
        lastResult = rc;
        if (rc == SQLITE_OK || (existingObjectIsSuccess && IsAlreadyExists(m_db.get()))) {
            return 0;
        }
        if (!IsTransient(rc)) {
            return 1;
        }
        PauseBeforeRetry(attempt);
    }
    return 1;
}
