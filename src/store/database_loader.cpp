#include "store/database_loader.hpp"

#include "store/gbk_text.hpp"
#include "store/table_schema.hpp"

namespace qinghe {

bool loadNameDatabase(NameDatabase& db, const std::string& dataFile, const LoaderMessageSink& sink) {
    auto report = [&](const std::string& message) {
        if (sink) sink(message);
    };
    if (!db.open({})) {
        report(gbk("打开内存数据库失败！"));
        return false;
    }
    std::string error;
    for (const TableSchema& table : nameDatabaseTables()) {
        if (!db.createTable(table.name, table.fields, error)) {
            db.close();
            report(error);
            return false;
        }
    }
    if (!db.attach(dataFile, "new_db", error)) {
        report(gbk("将磁盘数据库附加到内存数据库失败！"));
        db.close();
        return false;
    }
    db.begin();
    for (const TableSchema& table : nameDatabaseTables()) {
        if (!db.exec("insert into " + table.name + " select * from new_db." + table.name, error)) {
            db.rollback();
            db.close();
            report(error);
            return false;
        }
    }
    db.commit();
    db.detach("new_db", error);
    for (const std::string& statement : nameDatabaseIndexStatements())
        db.finalize(db.query(statement));
    return true;
}

}  // namespace qinghe
