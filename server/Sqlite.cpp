#include "server/Sqlite.h"

namespace server {

SqliteConnection::SqliteConnection(const std::string& path) {
    sqlite3* connection = nullptr;
    const int result =
        sqlite3_open_v2(path.c_str(), &connection,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
    handle_.reset(connection);
    if (result != SQLITE_OK) {
        fail("cannot open " + path);
    }
    sqlite3_extended_result_codes(connection, 1);
}

void SqliteConnection::execute(const std::string& sql) {
    if (sqlite3_exec(handle_.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail(sql);
    }
}

void SqliteConnection::rollback() noexcept {
    if (!sqlite3_get_autocommit(handle_.get())) {
        sqlite3_exec(handle_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

SqliteStatement SqliteConnection::prepare(std::string_view sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(handle_.get(), sql.data(), static_cast<int>(sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        fail(std::string(sql));
    }
    return SqliteStatement(*this, statement);
}

void SqliteConnection::fail(const std::string& what) const {
    const char* reason = handle_ ? sqlite3_errmsg(handle_.get()) : "out of memory";
    throw StorageError("database: " + what + ": " + reason);
}

bool SqliteConnection::readOnly() const {
    return sqlite3_db_readonly(handle_.get(), "main") == 1;
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, sqlite3_stmt* statement)
    : connection_(&connection), handle_(statement) {}

void SqliteStatement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(handle_.get(), index, value) != SQLITE_OK) {
        connection_->fail("bind");
    }
}

void SqliteStatement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text(handle_.get(), index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        connection_->fail("bind");
    }
}

void SqliteStatement::bindBlob(int index, std::string_view bytes) {
    if (sqlite3_bind_blob64(handle_.get(), index, bytes.data(), bytes.size(), SQLITE_TRANSIENT) !=
        SQLITE_OK) {
        connection_->fail("bind");
    }
}

bool SqliteStatement::step() {
    const int result = sqlite3_step(handle_.get());
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result != SQLITE_DONE) {
        const std::string statement = sqlite3_sql(handle_.get());
        sqlite3_reset(handle_.get());
        connection_->fail(statement);
    }
    return false;
}

void SqliteStatement::reset() {
    sqlite3_reset(handle_.get());
    sqlite3_clear_bindings(handle_.get());
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(handle_.get(), column);
}

std::string SqliteStatement::text(int column) const {
    const auto* characters = sqlite3_column_text(handle_.get(), column);
    const int length = sqlite3_column_bytes(handle_.get(), column);
    return characters ? std::string(reinterpret_cast<const char*>(characters), length)
                      : std::string();
}

std::string SqliteStatement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(handle_.get(), column);
    const int length = sqlite3_column_bytes(handle_.get(), column);
    return bytes ? std::string(static_cast<const char*>(bytes), length) : std::string();
}

}  // namespace server
