#include "store/name_database.hpp"

#include <sqlite3.h>

#include "store/gbk_text.hpp"

namespace qinghe {

struct NameDatabase::StatementState {
    sqlite3_stmt* handle = nullptr;
    bool onRow = false;
};

namespace {

const char* typeWord(int type) {
    switch (type) {
        case 1: return "Byte";
        case 2: return "Smallint";
        case 3: return "Integer";
        case 4: return "BigInt";
        case 5: return "Decimal";
        case 6: return "Double";
        case 7: return "Bit";
        case 8: return "DateTime";
        case 10: return "VarChar";
        case 11: return "Blob";
        case 12: return "Text";
        default: return "";
    }
}

}  // namespace

std::string createTableStatement(const std::string& table, const std::vector<FieldDef>& fields) {
    std::string sql = "create table " + table;
    if (fields.empty()) return sql;
    sql += " (";
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& f = fields[i];
        sql += f.name;
        sql += ' ';
        sql += typeWord(f.type);
        if (f.size != 0) sql += "(" + std::to_string(f.size) + ")";
        if (f.flags != 0) {
            sql += ' ';
            if (f.flags & 1) sql += "Primary Key";
            if (f.flags & 2) sql += " AutoIncrement";
            if (f.flags & 4) sql += " Not Null";
        }
        if (!f.defaultValue.empty()) sql += " Default " + f.defaultValue;
        if (i + 1 < fields.size()) sql += ',';
    }
    sql += ')';
    return sql;
}

NameDatabase::~NameDatabase() { close(); }

bool NameDatabase::open(const std::string& /*libraryPath*/) {
    std::lock_guard lock(mutex_);
    if (connection_) return false;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    connection_ = db;
    return true;
}

bool NameDatabase::close() {
    std::lock_guard lock(mutex_);
    if (!connection_) return false;
    // sqlite3_close_v2 defers the release while statements are still open, so a statement that
    // another thread has not finalized yet cannot touch freed memory.
    int rc = sqlite3_close_v2(connection_);
    connection_ = nullptr;
    return rc == SQLITE_OK;
}

bool NameDatabase::isOpen() const {
    std::lock_guard lock(mutex_);
    return connection_ != nullptr;
}

bool NameDatabase::execLocked(const std::string& sql, std::string& error) {
    if (!connection_) return false;
    char* message = nullptr;
    int rc = sqlite3_exec(connection_, gbkToUtf8(sql).c_str(), nullptr, nullptr, &message);
    error = message ? utf8ToGbk(message) : std::string();
    sqlite3_free(message);
    return rc == SQLITE_OK;
}

NameDatabase::Statement NameDatabase::query(const std::string& sql,
                                            std::initializer_list<std::string> params) {
    return query(sql, std::vector<std::string>(params));
}

NameDatabase::Statement NameDatabase::query(const std::string& sql,
                                            const std::vector<std::string>& params) {
    std::lock_guard lock(mutex_);
    if (!connection_) return nullptr;
    std::string text = gbkToUtf8(sql);
    sqlite3_stmt* handle = nullptr;
    int rc = sqlite3_prepare_v2(connection_, text.c_str(), static_cast<int>(text.size() + 1),
                                &handle, nullptr);
    if (rc != SQLITE_OK || handle == nullptr) {
        sqlite3_finalize(handle);
        return nullptr;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        std::string value = gbkToUtf8(params[i]);
        sqlite3_bind_text(handle, static_cast<int>(i + 1), value.data(),
                          static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    auto* statement = new StatementState{handle, sqlite3_step(handle) == SQLITE_ROW};
    return statement;
}

bool NameDatabase::next(Statement statement) {
    std::lock_guard lock(mutex_);
    if (!statement || !connection_) return false;
    statement->onRow = sqlite3_step(statement->handle) == SQLITE_ROW;
    return statement->onRow;
}

std::string NameDatabase::columnText(Statement statement, int column) {
    std::lock_guard lock(mutex_);
    if (!statement || !connection_ || !statement->onRow) return {};
    const unsigned char* text = sqlite3_column_text(statement->handle, column);
    if (!text) return {};
    int bytes = sqlite3_column_bytes(statement->handle, column);
    return utf8ToGbk(std::string_view(reinterpret_cast<const char*>(text), bytes));
}

int NameDatabase::columnInt(Statement statement, int column) {
    std::lock_guard lock(mutex_);
    if (!statement || !connection_ || !statement->onRow) return 0;
    return sqlite3_column_int(statement->handle, column);
}

bool NameDatabase::finalize(Statement statement) {
    if (!statement) return false;
    std::lock_guard lock(mutex_);
    // The statement is released in every case, also after close, so that nothing leaks; the
    // result reports whether the engine was still there to confirm it.
    int rc = sqlite3_finalize(statement->handle);
    bool wasOpen = connection_ != nullptr;
    delete statement;
    return wasOpen && rc == SQLITE_OK;
}

bool NameDatabase::exec(const std::string& sql, std::string& error) {
    std::lock_guard lock(mutex_);
    return execLocked(sql, error);
}

bool NameDatabase::createTable(const std::string& table, const std::vector<FieldDef>& fields,
                               std::string& error) {
    return exec(createTableStatement(table, fields), error);
}

bool NameDatabase::begin() {
    std::string ignored;
    return exec("BEGIN", ignored);
}

bool NameDatabase::commit() {
    std::string ignored;
    return exec("COMMIT", ignored);
}

bool NameDatabase::rollback() {
    std::string ignored;
    return exec("ROLLBACK", ignored);
}

bool NameDatabase::attach(const std::string& filePath, const std::string& alias,
                          std::string& error) {
    std::lock_guard lock(mutex_);
    if (!connection_) return false;
    std::string sql = "Attach Database ? as " + gbkToUtf8(alias);
    sqlite3_stmt* handle = nullptr;
    int rc = sqlite3_prepare_v2(connection_, sql.c_str(), -1, &handle, nullptr);
    if (rc == SQLITE_OK) {
        std::string path = gbkToUtf8(filePath);
        sqlite3_bind_text(handle, 1, path.data(), static_cast<int>(path.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(handle);
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
    }
    error = rc == SQLITE_OK ? std::string() : utf8ToGbk(sqlite3_errmsg(connection_));
    sqlite3_finalize(handle);
    return rc == SQLITE_OK;
}

bool NameDatabase::detach(const std::string& alias, std::string& error) {
    return exec("Detach Database " + alias, error);
}

}  // namespace qinghe
