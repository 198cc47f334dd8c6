#pragma once
// A thin owner of SQLite's connection and statement handles; every failure is a StorageError.

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace server {

class StorageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class SqliteStatement;

class SqliteConnection {
  public:
    // A path starting with "file:" is read as an SQLite URI (so "?mode=ro" opens it read-only).
    explicit SqliteConnection(const std::string& path);
    // Statements point back at their connection, so it stays where it is.
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void execute(const std::string& sql);
    // Ends an open transaction without its changes; SQLite may have ended it already.
    void rollback() noexcept;
    // Runs work in a write transaction (taken at once, so that it cannot fail half-way for a
    // lock) and commits it; a StorageError rolls it back and goes on. Returns what work does.
    template <typename Work>
    auto writeTransaction(Work&& work) {
        execute("BEGIN IMMEDIATE");
        try {
            if constexpr (std::is_void_v<decltype(work())>) {
                work();
                execute("COMMIT");
            } else {
                auto done = work();
                execute("COMMIT");
                return done;
            }
        } catch (const StorageError&) {
            rollback();
            throw;
        }
    }
    SqliteStatement prepare(std::string_view sql);
    // True when the file was opened read-only.
    bool readOnly() const;
    [[noreturn]] void fail(const std::string& what) const;

  private:
    struct Close {
        void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
    };
    std::unique_ptr<sqlite3, Close> handle_;
};

class SqliteStatement {
  public:
    SqliteStatement(SqliteConnection& connection, sqlite3_stmt* statement);

    void bind(int index, std::int64_t value);
    void bind(int index, std::string_view text);
    void bindBlob(int index, std::string_view bytes);
    // True while a row is there to read.
    bool step();
    void reset();
    std::int64_t integer(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;

  private:
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    SqliteConnection* connection_;
    std::unique_ptr<sqlite3_stmt, Finalize> handle_;
};

// Resets a statement however its use ends, so that a failure leaves it ready for the next use.
class StatementUse {
  public:
    explicit StatementUse(SqliteStatement& statement) : statement_(statement) {}
    ~StatementUse() { statement_.reset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

  private:
    SqliteStatement& statement_;
};

}  // namespace server
