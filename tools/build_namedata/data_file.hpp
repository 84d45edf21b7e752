// The database file being built: the nine tables of the name database, filled row by row.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace namedata {

using Value = std::variant<long long, std::string>;  // texts in UTF-8

class DataFile {
public:
    // Creates the file afresh (an old one is replaced) with the nine empty tables.
    explicit DataFile(const std::filesystem::path& file);
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Appends a row; the values follow the table's columns in order. Table names in UTF-8.
    void insert(const std::string& table, const std::vector<Value>& row);
    // Runs a query that yields one integer (for checks).
    long long count(const std::string& sql);
    // Commits everything and closes the file.
    void finish();

private:
    void run(const std::string& sql);
    sqlite3* db_ = nullptr;
    std::map<std::string, sqlite3_stmt*> inserts_;
};

}  // namespace namedata
