#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

// A value bound to the next '?' of a statement.
using DbValue = std::variant<int32_t, std::string_view>;

// Read access to the current result row; columns are numbered from 0 and bound
// by position. A NULL column reads as 0 or as empty text.
class DbRow {
public:
    explicit DbRow(sqlite3_stmt* statement) : m_statement(statement) {}
    int32_t Int(int column) const;
    std::string Text(int column) const;
    bool IsNull(int column) const;

private:
    sqlite3_stmt* m_statement;
};

// The one connection to the encrypted database file. Every engine step is
// retried: at most kAttemptLimit attempts, kAttemptPauseMs apart, so a busy or
// locked file is waited out. A process that shares the file with a running
// desktop program (tevaro-cli) also sets a busy timeout, so each attempt waits
// for the other's write to end. Prepared statements are kept for the life of
// the connection, keyed by their text.
//
// Owned by CDbAccess; the table objects hold a plain pointer to it.
class CDbConnection {
public:
    static constexpr int kAttemptLimit = 6;
    static constexpr int kAttemptPauseMs = 10;
    // The passphrase of every database file of the program.
    static constexpr std::string_view kPassphrase = "8391";

    CDbConnection();
    ~CDbConnection();
    CDbConnection(const CDbConnection&) = delete;
    CDbConnection& operator=(const CDbConnection&) = delete;

    // Remembers the path and makes sure a file is there (an empty file is a new
    // database). 0 = created or already present; 2 = refused (missing folder,
    // no permission, not a regular file).
    int32_t CreateDatabaseFile(const std::string& path);
    // Opens the file with the passphrase and checks that it reads as an intact
    // database before anything is written. 0 = connected; 1 = the file does not
    // open (wrong key, not a database, damaged, read-only); 2 = the session
    // settings (write-ahead log) cannot be applied.
    int32_t ConnectDataSource();

    // A statement that returns no rows. "Already exists" answers count as
    // success. 0 = done; 1 = failed after all attempts.
    int32_t ExecuteCommand(int32_t& lastResult, std::string_view sql,
                           std::initializer_list<DbValue> params = {});
    // A statement that returns rows. `beginAttempt` runs before every attempt
    // (the caller drops rows of a failed one), `readRow` once per row.
    // 0 = all rows read; 1 = failed after all attempts.
    int32_t OpenQuery(int32_t& lastResult, std::string_view sql,
                      std::initializer_list<DbValue> params,
                      const std::function<void()>& beginAttempt,
                      const std::function<void(const DbRow&)>& readRow);

    // An explicit transaction around one long job. While one is open, a
    // statement finding that the engine has rolled it back on its own (after
    // an I/O or disk-full error) fails instead of writing outside it, so a job
    // never ends half in the database. 0 = done; 1 = failure (Commit: the
    // transaction was lost or could not be committed; nothing of it is stored).
    int32_t BeginTransaction(int32_t& lastResult);
    int32_t CommitTransaction(int32_t& lastResult);
    int32_t RollbackTransaction(int32_t& lastResult);

    // How long the engine waits for another connection's lock before an
    // attempt answers busy; 0 (the default) does not wait. Applies to the open
    // connection and to every later ConnectDataSource.
    void SetBusyTimeout(int milliseconds);
    int BusyTimeout() const { return m_busyTimeoutMs; }

    const std::string& Path() const { return m_path; }
    int32_t LastResult() const { return m_lastResult; }
    bool IsConnected() const { return m_db != nullptr; }

private:
    struct DbCloser {
        void operator()(sqlite3* db) const;
    };
    struct StatementFinalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

    // One statement with the retries; rows go to readRow. With
    // existingObjectIsSuccess, an "already exists" answer counts as done.
    int32_t Run(int32_t& lastResult, std::string_view sql, std::initializer_list<DbValue> params,
                const std::function<void()>& beginAttempt,
                const std::function<void(const DbRow&)>& readRow, bool existingObjectIsSuccess);
    bool TransactionLost(int32_t& lastResult) const;
    int32_t OpenAndVerify();
    int32_t ApplySessionSettings();
    sqlite3_stmt* Prepare(std::string_view sql, int& rc);
    int Bind(sqlite3_stmt* statement, std::initializer_list<DbValue> params);
    void ReleaseDataSource();

    std::unique_ptr<sqlite3, DbCloser> m_db;
    std::string m_path;
    int32_t m_lastResult = 0;
    std::unordered_map<std::string, StatementPtr> m_statements;
    StatementPtr m_oneShot; // a schema statement while it runs
    bool m_inTransaction = false;
    int m_busyTimeoutMs = 0;
};
