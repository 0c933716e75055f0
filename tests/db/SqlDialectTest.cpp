#include "db/SqlDialect.h"

#include <gtest/gtest.h>

TEST(SqlDialectTest, TableConstraintBeforeColumnsMovesToTheEnd) {
    EXPECT_EQ(ToSqliteDialect("CREATE TABLE T (A\tINT,PRIMARY KEY (A),B\t\tINT,C INT)"),
              "CREATE TABLE T (A\tINT,B\t\tINT,C INT,PRIMARY KEY (A))");
}

TEST(SqlDialectTest, ConstraintAlreadyLastIsUnchanged) {
    const std::string statement = "CREATE TABLE T (A INT,B INT,PRIMARY KEY (A, B))";
    EXPECT_EQ(ToSqliteDialect(statement), statement);
}

TEST(SqlDialectTest, AlterColumnBecomesAColumnProbe) {
    EXPECT_EQ(ToSqliteDialect("ALTER TABLE SETTING_INFO_TBL ALTER COLUMN REMOCON_SENSOR INT"),
              "SELECT REMOCON_SENSOR FROM SETTING_INFO_TBL LIMIT 0");
}

TEST(SqlDialectTest, OtherStatementsAreUnchanged) {
    for (const std::string statement :
         {"ALTER TABLE SETTING_INFO_TBL ADD SIDEFAN INT DEFAULT -1",
          "SELECT * FROM MODEL_INFO_TBL WHERE MAC_ADDRESS=?", "DELETE FROM RUN_STATE_TBL"}) {
        EXPECT_EQ(ToSqliteDialect(statement), statement);
    }
}
