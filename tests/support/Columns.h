#pragma once

#include <QTest>

// The columns of a data table in one line: Columns<int, QString>("coins", "text").
template <typename... Types, typename... Names> void Columns(Names... names) {
    static_assert(sizeof...(Types) == sizeof...(Names), "one name per column");
    (QTest::addColumn<Types>(names), ...);
}

// One row of it, also in one line: Row("three coins", 3, "THREE").
template <typename... Values> void Row(const char* name, Values... values) {
    (QTest::newRow(name) << ... << values);
}
