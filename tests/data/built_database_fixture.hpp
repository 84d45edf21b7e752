// The database the build made, loaded once for each suite of checks.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {

class BuiltDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db = new NameDatabase;
        std::string messages;
        bool loaded = loadNameDatabase(*db, QINGHE_BUILT_DATABASE, [&](const std::string& m) { messages += m; });
        ASSERT_TRUE(loaded) << gbkToUtf8(messages);
    }
    static void TearDownTestSuite() {
        delete db;
        db = nullptr;
    }

    // The first column of a query's first row as a number; SQL and values in UTF-8.
    static long long count(const std::string& sqlUtf8, std::vector<std::string> params = {}) {
        for (auto& p : params) p = gbk(p);
        auto s = db->query(gbk(sqlUtf8), params);
        long long n = db->columnInt(s, 0);
        db->finalize(s);
        return n;
    }

    static inline NameDatabase* db = nullptr;
};

}  // namespace qinghe
