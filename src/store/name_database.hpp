// NameDatabase: the one process-wide connection to the in-memory copy of the name database.
//
// Callers speak GBK; the engine stores UTF-8, and every text crossing this class is converted on
// the way in and out. Every operation holds the object's lock for its whole length, so the loader
// thread, the user-interface thread and the generation worker may all call it at any time; an
// operation on a closed object returns its failure value instead of touching the engine.
#pragma once

#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;

namespace qinghe {

// One column of a table to be created.
struct FieldDef {
    std::string name;
    int type = 0;    // 1 Byte, 2 Smallint, 3 Integer, 4 BigInt, 5 Decimal, 6 Double, 7 Bit,
                     // 8 DateTime, 10 VarChar, 11 Blob, 12 Text; anything else writes no type
    int size = 0;    // 0: no size written
    int flags = 0;   // 1 Primary Key, 2 AutoIncrement, 4 Not Null
    std::string defaultValue;
};

namespace field_type {
inline constexpr int Integer = 3;
inline constexpr int VarChar = 10;
}  // namespace field_type

// The text of "create table" for a field list, exactly as createTable runs it.
std::string createTableStatement(const std::string& table, const std::vector<FieldDef>& fields);

class NameDatabase {
public:
    // A prepared statement standing on its current row, or nullptr ("no statement").
    struct StatementState;
    using Statement = StatementState*;

    NameDatabase() = default;
    ~NameDatabase();
    NameDatabase(const NameDatabase&) = delete;
    NameDatabase& operator=(const NameDatabase&) = delete;

    // Opens an empty in-memory database. The engine is linked into the program, so the library
    // path that callers pass is not needed and ignored.
    bool open(const std::string& libraryPath);
    bool close();
    bool isOpen() const;

    // Runs the whole SQL text. error receives the engine's message (GBK), or "" on success; on a
    // closed object it is left as the caller set it.
    bool exec(const std::string& sql, std::string& error);

    // Prepares the first statement of sql, binds params to its "?" placeholders in order (as
    // text), and steps it once so that it stands on its first row if there is one. Returns
    // nullptr when the text cannot be prepared or the object is closed.
    Statement query(const std::string& sql, std::initializer_list<std::string> params = {});
    Statement query(const std::string& sql, const std::vector<std::string>& params);
    bool next(Statement statement);
    std::string columnText(Statement statement, int column);
    int columnInt(Statement statement, int column);
    bool finalize(Statement statement);

    bool createTable(const std::string& table, const std::vector<FieldDef>& fields,
                     std::string& error);
    bool begin();
    bool commit();
    bool rollback();
    // Attaches a database file. The path is bound as a value, so any folder name works,
    // quotes included.
    bool attach(const std::string& filePath, const std::string& alias, std::string& error);
    bool detach(const std::string& alias, std::string& error);

private:
    bool execLocked(const std::string& sql, std::string& error);

    mutable std::mutex mutex_;
    sqlite3* connection_ = nullptr;
};

}  // namespace qinghe
