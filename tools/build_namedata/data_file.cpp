#include "data_file.hpp"

#include <stdexcept>

#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace namedata {

DataFile::DataFile(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::remove(file);
    if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK)
        throw std::runtime_error("cannot create " + file.string());
    run("PRAGMA journal_mode=OFF");
    run("PRAGMA synchronous=OFF");
    for (const qinghe::TableSchema& table : qinghe::nameDatabaseTables())
        run(qinghe::gbkToUtf8(qinghe::createTableStatement(table.name, table.fields)));
    run("BEGIN");
}

DataFile::~DataFile() {
    for (auto& [name, statement] : inserts_) sqlite3_finalize(statement);
    if (db_) sqlite3_close(db_);
}

void DataFile::run(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("SQL failed: " + text + ": " + sql);
    }
}

void DataFile::insert(const std::string& table, const std::vector<Value>& row) {
    sqlite3_stmt*& statement = inserts_[table];
    if (!statement) {
        std::string sql = "insert into " + table + " values (";
        for (size_t i = 0; i < row.size(); ++i) sql += i ? ",?" : "?";
        sql += ")";
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot prepare: ") + sqlite3_errmsg(db_) + ": " + sql);
    }
    for (size_t i = 0; i < row.size(); ++i) {
        int index = static_cast<int>(i + 1);
        if (const auto* number = std::get_if<long long>(&row[i])) {
            sqlite3_bind_int64(statement, index, *number);
        } else {
            const std::string& text = std::get<std::string>(row[i]);
            sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
    }
    if (sqlite3_step(statement) != SQLITE_DONE)
        throw std::runtime_error("insert into " + table + " failed: " + sqlite3_errmsg(db_));
    sqlite3_reset(statement);
}

long long DataFile::count(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
    long long n = statement && sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return n;
}

void DataFile::finish() {
    for (auto& [name, statement] : inserts_) sqlite3_finalize(statement);
    inserts_.clear();
    run("COMMIT");
    run("VACUUM");
    sqlite3_close(db_);
    db_ = nullptr;
}

}  // namespace namedata
